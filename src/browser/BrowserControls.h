#pragma once
// The browser controls of the main window: home pages and their lock ("IE Cache" and
// "Netscape" pages), the Favorites guard and the toolbar button ("Main" page), and the
// Netscape cookie viewer ("Netscape" page).

#include "ui/Controls.h"

namespace cw {

struct HomePageControls {
    ui::Frame fraIEHomePage{"fraIEHomePage", ""};
    ui::Label lblIEHomePage{"lblIEHomePage", "Internet Explorer Home Page"};
    ui::TextBox txtHomePageURL{"txtHomePageURL", "http://"};
    ui::Button cmdSetHomePage{"cmdSetHomePage", "Set"};
    ui::Button cmdUseBlank{"cmdUseBlank", "Use Blank"};
    ui::CheckBox chkLockIEHomepage{"chkLockIEHomepage", "Lock"};
    ui::Timer timIEURL{"timIEURL", 2000, true};

    ui::Frame fraNetscapeHomePage{"fraNetscapeHomePage", "Netscape Home Page"};
    ui::TextBox txtNetscapeHomepage{"txtNetscapeHomepage", "http://"};
    ui::Button cmdSetNetscapeHomepage{"cmdSetNetscapeHomepage", "Set Netscape Homepage"};
};

struct FavoritesGuardControls {
    ui::Frame fraAutoBookmark{"fraAutoBookmark", "Auto Bookmark"};
    ui::Label lblBlockAutoBookMark{"lblBlockAutoBookMark",
                                   "Block unwanted addtitions to Favorites folder"};
    ui::Button cmdEnableAutoBookMark{"cmdEnableAutoBookMark", "Enable"};
    ui::Button cmdDisableAutoBookMark{"cmdDisableAutoBookMark", "Disable"};
    // Polls the Favorites folder's change notification while the guard is on, so the guard
    // never blocks the window (runs only while guarding).
    ui::Timer timFavoritesWatch{"timFavoritesWatch", 100, false};

    FavoritesGuardControls() { cmdDisableAutoBookMark.SetEnabled(false); }
};

struct BrowserButtonControls {
    ui::Frame fraIECustom{"fraIECustom", "Internet Explorer Custom Settings"};
    ui::Button mAddMSIE{"mAddMSIE", "Add to Internet Explorer"};
    ui::Button mDeleteMSIE{"mDeleteMSIE", "Delete from Internet Explorer"};
};

struct CookieViewerControls {
    ui::Frame fraCookies{"fraCookies", "Netscape Cookies"};
    ui::Label lblDomains{"lblDomains", "Domains"};
    ui::ListBox List1{"List1"};  // the cookies' domains
    ui::Label lblOccurrences{"lblOccurrences", "Occurrences"};
    ui::ListBox List2{"List2"};              // the chosen domain's cookies
    ui::Button Command3{"Command3", "<"};    // the previous cookie
    ui::Button Command2{"Command2", ">"};    // the next cookie
    ui::Label Label7{"Label7"};              // "Cookie n/total"
    ui::Label Label11{"Label11", "Name: "};  // the cookie's name
    ui::Label lblValue{"lblValue", "Value:"};
    ui::TextBox txtValue{"txtValue"};
    ui::Label lblExpires{"lblExpires", "Expires:"};
    ui::TextBox txtExp{"txtExp"};
    ui::Label lblPath{"lblPath", "Path:"};
    ui::TextBox txtPath{"txtPath"};
    ui::CheckBox chkFlag{"chkFlag", "Flag"};
    ui::CheckBox chkSecure{"chkSecure", "Secure"};
    ui::Button cmdKeep{"cmdKeep", "Keep"};  // keeps the cookies of the selected domain
};

}  // namespace cw
