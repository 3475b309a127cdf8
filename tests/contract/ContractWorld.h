#pragma once
// What a contract test needs from the build it runs in: the implementations under test and
// scratch areas in them. Each build has one World, the fakes on the host
// (tests/host/FakeWorld.h) and the Win32 implementations under Wine (tests/target/Win32World.h),
// with the same members; the contract tests compile against either.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace cw::contract {

struct ScriptedResponse {
    int status = 200;
    std::string body;
    int trickleMs = 0;  // the body comes in 16-byte pieces this far apart
};

// A file made anew (or emptied) with the content.
inline void WriteFile(FileSystem& fs, const std::string& path, const std::string& content = "x") {
    std::unique_ptr<File> file;
    ASSERT_EQ(fs.Open(path, OpenMode::CreateAlways, file), 0) << path;
    ASSERT_EQ(file->Write(content.data(), static_cast<std::uint32_t>(content.size())), 0) << path;
}

inline std::string ReadFile(FileSystem& fs, const std::string& path) {
    std::unique_ptr<File> file;
    if (fs.Open(path, OpenMode::Read, file) != 0) return "<unreadable>";
    std::string data(1 << 16, '\0');
    std::uint32_t read = 0;
    file->Read(data.data(), static_cast<std::uint32_t>(data.size()), read);
    data.resize(read);
    return data;
}

// The names in a folder but "." and "..", in the platform's order.
inline std::vector<std::string> Listing(FileSystem& fs, const std::string& folder) {
    std::vector<std::string> names;
    fs.Find(folder + "\\*", [&](const FindData& d) {
        if (d.name != "." && d.name != "..") names.push_back(d.name);
        return true;
    });
    return names;
}

}  // namespace cw::contract

#ifdef _WIN32
#include "target/Win32World.h"
#else
#include "host/FakeWorld.h"
#endif

namespace cw::contract {

// The fixture of every contract test: a world of its own for each case.
class ContractTest : public ::testing::Test {
  protected:
    World world;
};

}  // namespace cw::contract
