// Registry values of any type and size, as another program or a damaged hive may leave
// them, read through the settings store and turned into numbers, times and check-box states
// as the program does: nothing crashes, text reads stop at the first zero, and only text
// values are read as text.

#include <cstddef>
#include <cstdint>
#include <string>

#include "Require.h"
#include "clean/CleaningItems.h"
#include "clean/CleaningSelection.h"
#include "errors/RuntimeError.h"
#include "fakes/FakeRegistry.h"
#include "fakes/RecordingErrorSink.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "text/Convert.h"

namespace {

void Convert(const std::string& text) {
    cw::text::Val(text);
    cw::text::FormatTextHHmm(text);
    bool numeric = cw::text::IsNumeric(text);
    try {
        cw::text::ToLong(text);
        Require(numeric);
    } catch (const cw::RuntimeError& e) {
        Require(e.number == 13 || e.number == 6);
        Require(e.number != 13 || !numeric);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint32_t types[] = {cw::kRegNone,  cw::kRegSz,      cw::kRegExpandSz, cw::kRegBinary,
                                   cw::kRegDword, cw::kRegMultiSz, 11 /* QWORD */,   0xFFFF};
    std::uint32_t type = types[data[0] % 8];
    std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    cw::fakes::FakeRegistry registry;
    cw::SettingsStore store(registry);
    const char* key = cw::settings::kSettingsKey;
    registry.SetValue(cw::kHkeyCurrentUser, key, "v", cw::RegValue{type, bytes});
    for (const char* box : cw::settings::kCleaningBoxes) {
        registry.SetValue(cw::kHkeyCurrentUser, key, box, cw::RegValue{type, bytes});
    }

    std::string text = store.GetSettingString(cw::kHkeyCurrentUser, key, "v", "default");
    Require(text.find('\0') == std::string::npos);
    if (type != cw::kRegSz) Require(text == "default");
    store.GetSettingLong(cw::kHkeyCurrentUser, key, "v", -1);
    std::string seeded = store.GetOrSeedSettingString(cw::kHkeyCurrentUser, key, "v", "5");
    Require(seeded.find('\0') == std::string::npos);
    Convert(text);
    Convert(seeded);

    // Under the main window's load trap: a value that is no number leaves its box, any other
    // failure is reported, and the next box is loaded.
    cw::PrivacyControls privacy;
    cw::fakes::RecordingErrorSink errors;
    cw::ErrorTrap trap(cw::TrapKind::SkipTypeMismatchThenReport, &errors, "frmMain,Form_Load");
    cw::LoadCleaningSelection(privacy, store, trap);
    for (const cw::CleaningItemRow& row : cw::kCleaningItems) {
        Require(cw::BoxOf(privacy, row).Value() >= 0 && cw::BoxOf(privacy, row).Value() <= 2);
    }
    return 0;
}
