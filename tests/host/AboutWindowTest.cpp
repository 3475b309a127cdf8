// The About window's system information lookup in the cases the real registry under Wine
// (gui OtherWindowsGuiTest) does not set up, and the registry value reader it relies on.

#include <gtest/gtest.h>

#include "contract/Services.h"
#include "fakes/FakeShell.h"
#include "sysinfo/AboutWindow.h"
#include "sysinfo/KeyValue.h"

namespace cw::testing {
namespace {

struct AboutWindowTest : ::testing::Test, Services<FakePlatform> {
    fakes::FakeShell shell;
    AboutWindow window{registry, fs, shell, errors};
};

TEST_F(AboutWindowTest, RecordedPathComesFirstMustNameAFileAndAFailedStartIsReported) {
    const std::string folder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
    fs.AddDirectory(folder);
    fs.AddFile("C:\\Tools\\sysinfo.exe");
    window.StartSysInfo();  // nothing recorded
    registry.SetString(kHkeyLocalMachine, kSysInfoLocationKey, "MSINFO", folder + "\\");
    window.StartSysInfo();  // a folder without MSINFO32.EXE
    fs.AddFile(folder + "\\MSINFO32.EXE");
    window.StartSysInfo();
    registry.SetString(kHkeyLocalMachine, kSysInfoKey, "PATH", "C:\\Tools\\sysinfo.exe");
    window.StartSysInfo();
    ASSERT_EQ(shell.processes.size(), 2u);
    EXPECT_EQ(std::tuple(shell.processes[0].commandLine, shell.processes[1].commandLine,
                         shell.processes[1].showCommand),
              std::tuple("\"" + folder + "\\MSINFO32.EXE\"", "\"C:\\Tools\\sysinfo.exe\"", 1));

    // A recorded path naming nothing or a folder: the folder is not tried instead.
    registry.SetString(kHkeyLocalMachine, kSysInfoKey, "PATH", "C:\\Tools\\gone.exe");
    window.StartSysInfo();
    registry.SetString(kHkeyLocalMachine, kSysInfoKey, "PATH", "C:\\Tools");
    window.StartSysInfo();
    EXPECT_TRUE(shell.processes.size() == 2 && errors.reports.empty());

    registry.SetString(kHkeyLocalMachine, kSysInfoKey, "PATH", "C:\\Tools\\sysinfo.exe");
    shell.startResult = false;
    window.StartSysInfo();
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(std::tuple(errors.reports[0].tag, errors.reports[0].number),
              std::tuple("frmAbout,StartSysInfo()", 53));
}

TEST_F(AboutWindowTest, KeyValueTextsEndAtTheirZeroAndNumbersReadTheirBytesLastToFirst) {
    fakes::FakeRegistry& r = registry;
    const std::string key = "Software\\Test";
    struct Case {
        RegValue value;
        bool found;
        std::string text;
    } cases[] = {
        {{kRegSz, std::string("C:\\c.exe\0xyz", 12)}, true, "C:\\c.exe"},
        {{kRegSz, ""}, true, ""},
        {{kRegBinary, "abc"}, true, ""},
        {{kRegExpandSz, "%SystemRoot%"}, true, ""},
        // With their zero, 1023 characters fill the buffer; 1024 overflow it.
        {{kRegSz, std::string(1023, 'x') + '\0'}, true, std::string(1023, 'x')},
        {{kRegSz, std::string(1024, 'x') + '\0'}, false, ""},
        {{kRegDword, std::string("\x05\x0A\0\0", 4)}, true, "2565"},  // not "&hA05"
        {{kRegDword, std::string("\0\0\0\x80", 4)}, true, "2147483648"},
        {{kRegDword, std::string("\x01\x02", 2)}, true, "513"},
        {{kRegDword, std::string("\x01\0\0\0\xFF\xFF", 6)}, true, "1"},
        {{kRegDword, ""}, true, "0"},
    };
    for (const Case& k : cases) {
        r.SetValue(kHkeyLocalMachine, key, "v", k.value);
        KeyValue v = GetKeyValue(r, kHkeyLocalMachine, key, "v");
        EXPECT_EQ(std::tuple(v.found, v.text), std::tuple(k.found, k.text));
    }
    EXPECT_FALSE(GetKeyValue(r, kHkeyLocalMachine, key, "missing").found);
    EXPECT_FALSE(GetKeyValue(r, kHkeyCurrentUser, key, "v").found);
}

}  // namespace
}  // namespace cw::testing
