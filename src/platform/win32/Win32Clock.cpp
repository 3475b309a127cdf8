#include "platform/win32/Win32Clock.h"

#include <windows.h>

namespace cw::win32 {

namespace {

LocalTime FromSystemTime(const SYSTEMTIME& st) {
    LocalTime t;
    t.year = st.wYear;
    t.month = st.wMonth;
    t.day = st.wDay;
    t.dayOfWeek = st.wDayOfWeek;
    t.hour = st.wHour;
    t.minute = st.wMinute;
    t.second = st.wSecond;
    t.millisecond = st.wMilliseconds;
    return t;
}

}  // namespace

LocalTime Win32Clock::Now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return FromSystemTime(st);
}

std::uint32_t Win32Clock::TickCount() {
    return GetTickCount();
}

void Win32Clock::Sleep(std::uint32_t ms) {
    ::Sleep(ms);
}

// FileTimeToLocalFileTime applies the time zone's current bias, as GetLocalTime does, so a
// file made a moment ago reads as a moment before Now() even across a daylight-saving
// change. (SystemTimeToTzSpecificLocalTime would apply the bias of the file's own date,
// and it is missing on Windows 95 and 98.)
LocalTime Win32Clock::FileTimeToLocal(std::uint64_t utc) {
    FILETIME ft{static_cast<DWORD>(utc & 0xFFFFFFFFu), static_cast<DWORD>(utc >> 32)};
    FILETIME local;
    SYSTEMTIME st;
    if (!FileTimeToLocalFileTime(&ft, &local) || !FileTimeToSystemTime(&local, &st)) {
        return LocalTime{1601, 1, 1, 1, 0, 0, 0, 0};
    }
    return FromSystemTime(st);
}

}  // namespace cw::win32
