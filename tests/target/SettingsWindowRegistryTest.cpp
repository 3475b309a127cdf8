// The settings window's start-up entry under the real Run key.

#include <windows.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fakes/FakeDialogs.h"
#include "fakes/RecordingErrorSink.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellExecute.h"
#include "schedule/SettingsWindow.h"
#include "settings/SettingNames.h"
#include "support/TestWorld.h"

namespace cw::testing {
namespace {

using namespace settings;

// A value as the registry holds it: its type, and its text up to the first zero.
std::optional<RegValue> ReadRaw(const char* subkey, const char* name) {
    RegValue value;
    if (win32::Win32Registry().QueryValue(kHkeyCurrentUser, subkey, name, value) != 0) {
        return std::nullopt;
    }
    value.data = TextUpToZero(value.data);
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
    void Clean() {
        DeleteKeyTree(kSettingsRoot, kSettingsKey);
        registry.DeleteValue(kHkeyCurrentUser, kRunKey, kRunValue);
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
    EXPECT_EQ(entry->type, kRegSz);
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
