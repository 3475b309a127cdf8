#pragma once
// The shredder's overwrite image as a table of runs, written down once for the tests of both
// builds: each run is a unit (hex bytes) repeated N times or a fixed number of times.
// MismatchAgainstTable walks a byte string along the table and names the first run that
// does not match.

#include <cstdint>
#include <string>
#include <vector>

namespace cw::testing {

struct ImageRun {
    const char* hexUnit;
    int fixedCount;  // 0: N times
};

inline const std::vector<ImageRun>& OverwriteRuns() {
    static const std::vector<ImageRun> runs = {
        {"0A000000", 0},  {"EADE", 0},       {"31E7", 0},                                // 1-3
        {"3130", 0},      {"3130", 0},       {"3130", 0},     {"3130", 0}, {"3130", 0},  // 4-8
        {"3130", 0},      {"3130", 0},       {"3130", 0},     {"3130", 0}, {"3130", 0},  // 9-13
        {"2E", 0},        {"2E", 0},         {"56", 0},       {"65", 0},   {"72", 0},
        {"97", 0},        {"31", 0},                                      // 14-20
        {"2E", 0},        {"30", 0},         {"2E", 0},       {"30", 0},  // 21-24
        {"0A000000", 0},  {"0A000000", 0},   {"0A000000", 0},             // 25-27
        {"0A000000", 10}, {"0A000000", 100}, {"00", 0},                   // 28-30
    };
    return runs;
}

inline std::string FromHex(const std::string& hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return out;
}

// Empty when bytes is exactly the image for n; otherwise where it first departs.
inline std::string MismatchAgainstTable(const std::string& bytes, int n) {
    std::size_t at = 0;
    int runNumber = 0;
    for (const ImageRun& run : OverwriteRuns()) {
        ++runNumber;
        const std::string unit = FromHex(run.hexUnit);
        const int count = run.fixedCount != 0 ? run.fixedCount : (n > 0 ? n : 0);
        for (int i = 0; i < count; ++i, at += unit.size()) {
            if (bytes.compare(at, unit.size(), unit) != 0) {
                return "run " + std::to_string(runNumber) + " repetition " + std::to_string(i + 1) +
                       " at byte " + std::to_string(at);
            }
        }
    }
    if (at != bytes.size()) {
        return "image ends at " + std::to_string(at) + " of " + std::to_string(bytes.size());
    }
    return "";
}

}  // namespace cw::testing
