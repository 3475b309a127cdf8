// The settings window's start-up entry under the real Run key.

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "fakes/FakeDialogs.h"
#include "fakes/RecordingErrorSink.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellExecute.h"
#include "schedule/SettingsWindow.h"
#include "settings/SettingNames.h"
#include "support/TestWorld.h"

namespace cw::testing {
namespace {

using namespace settings;

struct RawValue {
    DWORD type = 0;
    std::string data;
};

// A value as the registry holds it, read past the program's own wrapper.
std::optional<RawValue> ReadRaw(const char* subkey, const char* name) {
    win32::RegKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_READ, key.put()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    RawValue value;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    RegQueryValueExA(key.get(), name, nullptr, &value.type,
                     reinterpret_cast<BYTE*>(value.data.data()), &size);
    value.data.resize(size);
    if (value.type == REG_SZ) value.data = value.data.substr(0, value.data.find('\0'));
    return value;
}

std::string ModuleFileName() {
    char buffer[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return std::string(buffer, n);
}

struct RecordingHost : SettingsHost {
    void UnloadSettingsWindow() override { ++unloads; }
    int unloads = 0;
};

class SettingsWindowRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() {
        DeleteKeyTree(kSettingsRoot, kSettingsKey);
        win32::RegKey run;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, run.put()) ==
            ERROR_SUCCESS) {
            RegDeleteValueA(run.get(), kRunValue);
        }
    }
    // A window as the menu opens it: a new model, filled from the registry.
    std::unique_ptr<SettingsWindow> Open() {
        auto window = std::make_unique<SettingsWindow>(store, dialogs, shell, host, &errors);
        window->Form_Load();
        return window;
    }

    win32::Win32Registry registry;
    fakes::RecordingErrorSink errors;
    SettingsStore store{registry, &errors};
    fakes::FakeDialogs dialogs;
    win32::Win32ShellExecute shell;
    RecordingHost host;
};

TEST_F(SettingsWindowRegistryTest, OkWritesAndRemovesTheStartupEntry) {
    auto window = Open();
    EXPECT_FALSE(window->Controls().Check1.Checked());
    window->Controls().Check1.SetValueFromUser(ui::kChecked);
    window->Controls().Check2.SetValueFromUser(ui::kChecked);
    window->Controls().cmdOK.Click();
    auto entry = ReadRaw(kRunKey, kRunValue);
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(entry->data, StartupCommand(ModuleFileName()));
    EXPECT_EQ(ReadRaw(kSettingsKey, kRunOnExit)->data, "True");

    window = Open();
    EXPECT_TRUE(window->Controls().Check1.Checked());
    EXPECT_TRUE(window->Controls().Check2.Checked());
    window->Controls().Check1.SetValueFromUser(ui::kUnchecked);
    window->Controls().cmdOK.Click();
    EXPECT_FALSE(ReadRaw(kRunKey, kRunValue).has_value());
    window = Open();
    window->Controls().cmdOK.Click();  // already absent: no error
    EXPECT_FALSE(ReadRaw(kRunKey, kRunValue).has_value());
    EXPECT_EQ(host.unloads, 3);
    EXPECT_TRUE(errors.reports.empty());
}

}  // namespace
}  // namespace cw::testing
