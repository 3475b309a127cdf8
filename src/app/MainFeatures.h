#pragma once
// What the pages of the main window do: one object per feature, built on the window's
// controls and the program's services. Each connects its own controls' events when it is
// built; the main window calls the rest (its load, its close, the schedule) through here.

#include "app/MainControls.h"
#include "app/Services.h"
#include "browser/BrowserButton.h"
#include "browser/CookieViewer.h"
#include "browser/FavoritesGuard.h"
#include "browser/HomePage.h"
#include "clean/BrowserWindows.h"
#include "clean/CacheManager.h"
#include "clean/CleaningRun.h"
#include "clean/NetscapeCleaner.h"
#include "clean/PanicHost.h"
#include "clean/SystemCleaners.h"
#include "schedule/ScheduleTimer.h"
#include "shred/FileShredder.h"
#include "shred/ScheduledShredder.h"
#include "sysinfo/SystemInfoPage.h"

namespace cw {

struct MainFeatures {
    // host: the main window, which the panic run hides and closes.
    MainFeatures(MainControls& c, Services& s, PanicHost& host);
    MainFeatures(const MainFeatures&) = delete;
    MainFeatures& operator=(const MainFeatures&) = delete;

    // "Privacy" page and the panic frame: the cleaning run and what it calls.
    BrowserWindows browsers;
    CacheManager cache;  // "IE Cache" page
    NetscapeCleaner netscape;
    CookieViewer cookies;  // "Netscape" page
    SystemCleaners cleaners;
    CleaningRun cleaning;
    // timScheduler: the scheduled cleaning.
    ScheduleTimer scheduler;

    HomePage homePage;
    FavoritesGuard favorites;
    BrowserButton browserButton;
    SystemInfoPage systemInfo;
    FileShredder shredder;
    ScheduledShredder shredFolder;
};

}  // namespace cw
