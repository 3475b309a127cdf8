// Any "registry.dat" through the profile parser and the three Mozilla cleaners: at most two
// usable profile paths inside Mozilla's folder, and nothing outside a profile is changed.

#include <cstddef>
#include <cstdint>
#include <string>

#include "Require.h"
#include "clean/MozillaProfiles.h"
#include "fakes/PlanOf.h"
#include "host/BrowserWorld.h"
#include "text/Ansi.h"

namespace {

const std::string kMozilla = cw::testing::BrowserWorld::Mozilla() + "\\";

void CheckParser(const std::string& data) {
    for (const std::string& folder : {kMozilla, std::string("C:\\M\\")}) {
        auto profiles = cw::ParseMozillaProfiles(data, folder);
        Require(profiles.size() <= cw::kMaxMozillaProfiles);
        for (const std::string& p : profiles) {
            Require(cw::text::StartsWithNoCase(p, folder + "Profiles"));
            Require(p.size() >= 4 && cw::text::EqualsNoCase(p.substr(p.size() - 4), ".slt"));
            Require(p.find("\\..\\") == std::string::npos && p.find('\0') == std::string::npos);
            Require(data.find(p) != std::string::npos);
        }
    }
}

void RunCleaners(const std::string& data) {
    cw::testing::BrowserWorld s;
    auto& fs = s.fs;
    s.SetAppData();
    fs.AddFile(kMozilla + "registry.dat", data);
    const std::string profile = kMozilla + "Profiles\\default\\ab12.slt\\";
    for (const char* f : {"history.dat", "cookies.txt", "cache\\_CACHE_001_"})
        fs.AddFile(profile + f, "p");
    // What a hostile list might aim at: files beside and above the profiles.
    const char* outside[] = {
        "C:\\history.dat",
        "C:\\cookies.txt",
        "C:\\cache\\keep",
        "C:\\Documents and Settings\\bob\\history.dat",
        "C:\\Documents and Settings\\bob\\Application Data\\cookies.txt",
        "C:\\Documents and Settings\\bob\\Application Data\\Mozilla\\history.dat"};
    for (const char* f : outside)
        fs.AddFile(f, "keep");

    cw::CarryOut(cw::fakes::PlanOf(s.netscape, &cw::NetscapeCleaner::PlanNetscapeHistory));
    cw::CarryOut(cw::fakes::PlanOf(s.netscape, &cw::NetscapeCleaner::PlanNetscapeCache));
    cw::CarryOut(cw::fakes::PlanOf(s.netscape, &cw::NetscapeCleaner::PlanNetscapeCookies,
                                   cw::CookieKeepList{}));
    for (const char* f : outside)
        Require(fs.Content(f) == "keep");
    Require(fs.Exists(kMozilla + "registry.dat"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CheckParser(bytes);
    RunCleaners(bytes);
    return 0;
}
