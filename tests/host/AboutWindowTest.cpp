#include <gtest/gtest.h>

#include "BuildConfig.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/RecordingErrorSink.h"
#include "sysinfo/AboutWindow.h"
#include "sysinfo/KeyValue.h"

namespace cw {
namespace {

constexpr const char kMsInfoFolder[] = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
constexpr const char kMsInfoExe[] =
    "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\MSINFO32.EXE";

struct About {
    fakes::FakeRegistry registry;
    fakes::FakeFileSystem fs;
    fakes::FakeShell shell;
    fakes::RecordingErrorSink errors;
    AboutWindow window{registry, fs, shell, errors};

    void SetPath(const std::string& path) {
        registry.SetString(kHkeyLocalMachine, kSysInfoKey, "PATH", path);
    }
    void SetLocation(const std::string& folder) {
        registry.SetString(kHkeyLocalMachine, kSysInfoLocationKey, "MSINFO", folder);
    }
    std::vector<std::string> Started() {
        std::vector<std::string> lines;
        for (const auto& p : shell.processes) {
            EXPECT_EQ(p.showCommand, 1) << "not a normal window";
            lines.push_back(p.commandLine);
        }
        return lines;
    }
};

using Lines = std::vector<std::string>;

TEST(AboutWindowTest, OkUnloadsAndTheAddressLabelOpensTheAddressIgnoringFailures) {
    About a;
    int unloads = 0;
    a.window.onUnload = [&] { ++unloads; };
    a.window.Controls().cmdOK.Click();
    EXPECT_EQ(unloads, 1);

    a.window.Controls().Label5.Click();
    ASSERT_EQ(a.shell.executions.size(), 1u);
    EXPECT_EQ(a.shell.executions[0].verb, "");
    EXPECT_EQ(a.shell.executions[0].file, build::kMakerWebAddress);
    EXPECT_EQ(a.shell.executions[0].showCommand, 1);

    a.shell.executeResult = false;
    a.window.Label5_Click();
    struct ThrowingShell : fakes::FakeShell {
        bool Execute(WindowHandle, const std::string&, const std::string&, const std::string&,
                     const std::string&, int) override {
            throw RuntimeError(err::kFileNotFound);
        }
    } throwing;
    AboutWindow other(a.registry, a.fs, throwing, a.errors);
    other.Label5_Click();
    EXPECT_TRUE(a.errors.reports.empty());
}

// (Neither value, or a folder without the program: nothing starts and nothing shows, on the
// real registry and files under Wine, target AboutSysInfoTest.)
TEST(AboutWindowTest, RecordedPathComesFirstAndMustNameAnExistingFile) {
    About a;
    a.fs.AddFile(kMsInfoExe);
    a.SetLocation(std::string(kMsInfoFolder) + "\\");  // no doubled backslash
    a.window.StartSysInfo();
    EXPECT_EQ(a.Started(), Lines{std::string("\"") + kMsInfoExe + "\""});
    a.shell.processes.clear();
    a.fs.AddFile("C:\\Tools\\sysinfo.exe");
    a.SetLocation(kMsInfoFolder);
    a.SetPath("C:\\Tools\\sysinfo.exe");
    a.window.StartSysInfo();
    EXPECT_EQ(a.Started(), Lines{"\"C:\\Tools\\sysinfo.exe\""});

    // A recorded path that names nothing, a folder, or a number starts nothing: the
    // recorded folder is not tried instead.
    a.shell.processes.clear();
    a.SetPath("C:\\Tools\\gone.exe");
    a.window.StartSysInfo();
    a.SetPath("C:\\Tools");
    a.window.StartSysInfo();
    a.registry.SetDword(kHkeyLocalMachine, kSysInfoKey, "PATH", 7);
    a.window.StartSysInfo();
    EXPECT_TRUE(a.shell.processes.empty());
    EXPECT_TRUE(a.errors.reports.empty());
}

TEST(AboutWindowTest, AProgramThatWillNotStartIsReported) {
    About a;
    a.fs.AddFile(kMsInfoExe);
    a.SetPath(kMsInfoExe);
    a.shell.startResult = false;
    a.window.StartSysInfo();
    ASSERT_EQ(a.errors.reports.size(), 1u);
    EXPECT_EQ(a.errors.reports[0].tag, "frmAbout,StartSysInfo()");
    EXPECT_EQ(a.errors.reports[0].number, 53);
}

TEST(KeyValueTest, StringsAreTheirTextUpToTheFirstZero) {
    fakes::FakeRegistry r;
    const std::string key = "Software\\Test";
    r.SetString(kHkeyLocalMachine, key, "plain", "C:\\a.exe");
    r.SetValue(kHkeyLocalMachine, key, "terminated", {kRegSz, std::string("C:\\b.exe\0", 9)});
    r.SetValue(kHkeyLocalMachine, key, "junk", {kRegSz, std::string("C:\\c.exe\0xyz", 12)});
    r.SetValue(kHkeyLocalMachine, key, "empty", {kRegSz, ""});
    r.SetValue(kHkeyLocalMachine, key, "binary", {kRegBinary, "abc"});
    r.SetValue(kHkeyLocalMachine, key, "expand", {kRegExpandSz, "%SystemRoot%"});
    // With the zero the platform adds, 1023 characters fill the buffer and 1024 overflow it.
    r.SetString(kHkeyLocalMachine, key, "full", std::string(1023, 'x'));
    r.SetString(kHkeyLocalMachine, key, "long", std::string(1024, 'x'));

    auto get = [&](const std::string& name) {
        return GetKeyValue(r, kHkeyLocalMachine, key, name);
    };
    EXPECT_EQ(get("plain").text, "C:\\a.exe");
    EXPECT_EQ(get("terminated").text, "C:\\b.exe");
    EXPECT_EQ(get("junk").text, "C:\\c.exe");
    for (const char* name : {"plain", "empty", "binary", "expand", "full"})
        EXPECT_TRUE(get(name).found) << name;
    EXPECT_EQ(get("binary").text, "");
    EXPECT_EQ(get("expand").text, "");
    EXPECT_EQ(get("full").text.size(), 1023u);
    // Missing values and keys, and data larger than the 1024-byte buffer, are not found.
    for (const char* name : {"missing", "long"}) {
        EXPECT_FALSE(get(name).found) << name;
        EXPECT_EQ(get(name).text, "") << name;
    }
    EXPECT_FALSE(GetKeyValue(r, kHkeyLocalMachine, "Software\\Nothing", "plain").found);
    EXPECT_FALSE(GetKeyValue(r, kHkeyCurrentUser, key, "plain").found);
}

TEST(KeyValueTest, NumbersAreReadFromTheirLastByteToTheFirstAsDecimal) {
    fakes::FakeRegistry r;
    const std::string key = "Software\\Test";
    auto dword = [&](std::uint32_t n) {
        r.SetDword(kHkeyLocalMachine, key, "n", n);
        KeyValue v = GetKeyValue(r, kHkeyLocalMachine, key, "n");
        EXPECT_TRUE(v.found);
        return v.text;
    };
    EXPECT_EQ(dword(0), "0");
    EXPECT_EQ(dword(261), "261");
    EXPECT_EQ(dword(0x0A05), "2565");  // every byte is two digits: not "&hA5"
    EXPECT_EQ(dword(0x00010000), "65536");
    EXPECT_EQ(dword(0x01000000), "16777216");
    EXPECT_EQ(dword(0x80000000u), "2147483648");
    EXPECT_EQ(dword(0xFFFFFFFFu), "4294967295");
    // Short and overlong numbers: the bytes there are, at most four.
    r.SetValue(kHkeyLocalMachine, key, "short", {kRegDword, std::string("\x01\x02", 2)});
    EXPECT_EQ(GetKeyValue(r, kHkeyLocalMachine, key, "short").text, "513");
    r.SetValue(kHkeyLocalMachine, key, "long", {kRegDword, std::string("\x01\0\0\0\xFF\xFF", 6)});
    EXPECT_EQ(GetKeyValue(r, kHkeyLocalMachine, key, "long").text, "1");
    r.SetValue(kHkeyLocalMachine, key, "none", {kRegDword, ""});
    EXPECT_EQ(GetKeyValue(r, kHkeyLocalMachine, key, "none").text, "0");
}

}  // namespace
}  // namespace cw
