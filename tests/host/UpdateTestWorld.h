#pragma once
// The update's services as fakes: a server at http://server.test with the program installed
// in C:\Program Files\Clearwell.

#include <algorithm>
#include <string>
#include <vector>

#include "contract/Services.h"
#include "fakes/FakeInternet.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeSignatureCheck.h"
#include "report/ConnectionTest.h"
#include "settings/SettingNames.h"
#include "update/Updater.h"

namespace cw::update::testing {

inline constexpr const char kServer[] = "http://server.test";
inline constexpr const char kVersionUrl[] = "http://server.test/cwl.txt";
inline constexpr const char kExeUrl[] = "http://server.test/cwlupdate.exe";
inline constexpr const char kSignatureUrl[] = "http://server.test/cwlupdate.sig";
inline constexpr const char kProbeUrl[] = "http://probe.test/";
inline constexpr const char kFolder[] = "C:\\Program Files\\Clearwell\\";
inline const std::string kInstalledPath = std::string(kFolder) + "Clearwell.exe";
inline const std::string kDownloadPath = std::string(kFolder) + "cwl.exe";
inline const std::string kSignaturePath = std::string(kFolder) + "cwl.sig";

class RecordingRegistry : public fakes::FakeRegistry {
  public:
    long SetValue(RootKey root, const std::string& subkey, const std::string& name,
                  const RegValue& value) override {
        written.push_back(name);
        return FakeRegistry::SetValue(root, subkey, name, value);
    }
    std::vector<std::string> written;
};

// n bytes that start like a Windows executable: "MZ", the new header's offset at 0x3C,
// "PE\0\0" there when it fits.
inline std::string Executable(std::size_t n, char fill = 'x', std::uint32_t offset = 0x40) {
    std::string s(n, fill);
    s.replace(0, 2, "MZ");
    for (int i = 0; i < 4; ++i)
        s[0x3C + i] = static_cast<char>(offset >> (8 * i));
    if (offset + 4 <= n) s.replace(offset, 4, std::string("PE\0\0", 4));
    return s;
}

struct UpdatePlatform : cw::testing::FakePlatform {
    using Registry = RecordingRegistry;
};

struct UpdateWorld : cw::testing::Services<UpdatePlatform> {
    fakes::FakeInternet internet;
    std::unique_ptr<Transfer> transfer = internet.CreateTransfer("test");
    fakes::FakeSignatureCheck signatures;
    fakes::FakeShell shell;
    ConnectionTest connection{internet, {kProbeUrl, "Clearwell", 5000}};
    int programEnds = 0;
    std::function<void()> endProgram = [this] { ++programEnds; };
    Updater updater{connection, *transfer, settings, fs,        guard,     signatures,
                    shell,      clock,     dialogs,  {kServer}, endProgram};

    UpdateWorld() {
        internet.SetReachable(kProbeUrl, true);
        fs.AddFile(kInstalledPath, "installed program");
    }

    std::string Update(const char* name) {
        return settings.GetSettingString(settings::kUpdateRoot, settings::kUpdateKey, name,
                                         "(missing)");
    }
    void SetUpdate(const char* name, const std::string& value) {
        registry.SetString(settings::kUpdateRoot, settings::kUpdateKey, name, value);
    }
    // The executable on the server: the body, with the size its headers announce, and the
    // maker's signature of it.
    void ServeExe(const std::string& body, std::size_t announced) {
        const std::string length = "Content-Length: " + std::to_string(announced);
        internet.ServeRaw(kExeUrl, {"HTTP/1.1 200 OK\r\n" + length + "\r\n\r\n", body, 1});
        internet.Serve(kSignatureUrl, fakes::FakeSignatureCheck::Sign(body), 1);
    }
    int RequestsOf(const std::string& url) const {
        return static_cast<int>(
            std::count(internet.requests.begin(), internet.requests.end(), url));
    }
};

}  // namespace cw::update::testing
