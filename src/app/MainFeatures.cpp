#include "app/MainFeatures.h"

namespace cw {

MainFeatures::MainFeatures(MainControls& c, Services& s, PanicHost& host)
    : browsers(s.desktop, s.dialogs, s.clock, s.messageWait),
      cache(c.cache, s.urlCache, s.files, s.shellFolders, s.errors),
      netscape(s.settings, s.files, s.clock),
      cookies(c.cookies, s.settings, s.files, s.errors),
      // After the Netscape cookies are gone the viewer shows what is left.
      cleaners(CleanerServices{s.settings, s.osVersion, s.files, s.shellFolders, s.urlCache,
                               s.recentDocuments, s.recycleBin, s.dialogs, host, cache, netscape,
                               [this] { cookies.LoadCookieDomains(); }}),
      cleaning(c.privacy, c.panic,
               CleaningRunServices{s.settings, s.dialogs, browsers, cleaners, host}),
      scheduler(c.timScheduler, s.settings, s.clock,
                [this](std::int16_t kind) { return cleaning.ClearData(kind); }),
      homePage(c.homePage, s.settings, s.files, s.dialogs, s.errors),
      favorites(c.favorites, s.shellFolders, s.files, s.changeWatch, s.clock, s.errors),
      browserButton(c.browserButton, s.settings, s.shell, s.dialogs, kMainCaption),
      systemInfo(c.sysInfo, s.systemInfo, s.osVersion, s.errors),
      shredder(c.shredder, s.files, s.dialogs, s.errors),
      shredFolder(c.shredFolder, s.settings, s.files, s.dialogs, &c.shredder.lStat) {}

}  // namespace cw
