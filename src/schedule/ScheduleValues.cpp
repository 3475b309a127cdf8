#include "schedule/ScheduleValues.h"

#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "text/Ansi.h"

namespace cw {

namespace {

using namespace settings;

void SetLong(SettingsStore& store, const char* name, std::int32_t value) {
    store.SetSettingLong(kSettingsRoot, kSettingsKey, name, value);
}

void SetString(SettingsStore& store, const char* name, const std::string& value) {
    store.SetSettingString(kSettingsRoot, kSettingsKey, name, value);
}

}  // namespace

ScheduleType ScheduleTypeOf(std::string_view entry) {
    std::string upper = text::UpperAnsi(entry);
    if (upper == "HOURLY") return ScheduleType::Hourly;
    if (upper == "WEEKLY") return ScheduleType::Weekly;
    if (upper == "DAILY") return ScheduleType::Daily;
    return ScheduleType::None;
}

void WriteNoneState(SettingsStore& store, ScheduleType type) {
    switch (type) {
        case ScheduleType::Hourly:
            SetLong(store, kHourlyFrequency, 0);
            SetLong(store, kHourlyScheduleCloseBrowser, 0);
            break;
        case ScheduleType::Weekly:
            SetLong(store, kWeeklyScheduleDay, 0);
            SetString(store, kWeeklyScheduleTime, "");
            SetLong(store, kWeeklyScheduleCloseBrowser, 0);
            break;
        case ScheduleType::Daily:
            SetString(store, kDailyScheduleTime, "");
            SetLong(store, kDailyScheduleCloseBrowser, 0);
            break;
        case ScheduleType::None:
            break;
    }
}

void WriteNoneStateOfAll(SettingsStore& store) {
    WriteNoneState(store, ScheduleType::Hourly);
    WriteNoneState(store, ScheduleType::Weekly);
    WriteNoneState(store, ScheduleType::Daily);
}

}  // namespace cw
