#include "platform/win32/Win32Clock.h"

#include <windows.h>

namespace cw::win32 {

LocalTime Win32Clock::Now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
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

std::uint32_t Win32Clock::TickCount() {
    return GetTickCount();
}

void Win32Clock::Sleep(std::uint32_t ms) {
    ::Sleep(ms);
}

}  // namespace cw::win32
