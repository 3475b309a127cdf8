#pragma once
// The "Privacy" page: the 22 cleaning check boxes in their four frames, the three buttons
// of the cleaning run and "Analyze"; and the panic frame.

#include "ui/Controls.h"

namespace cw {

struct PrivacyControls {
    ui::Frame fraWipeIE{"fraWipeIE", "Wipe Internet Explorer"};
    ui::Frame fraWipeNetscape{"fraWipeNetscape", "Wipe Netscape Navigator"};
    ui::Frame fraWipeApplications{"fraWipeApplications", "Wipe Applications Recent Lists"};
    ui::Frame fraWipeFolders{"fraWipeFolders", "Wipe Popular Folders"};

    // Internet Explorer
    ui::CheckBox chkInternetHistory{"chkInternetHistory", "IE History"};
    ui::CheckBox chkUrls{"chkUrls", "Internet Typed Web Address"};
    ui::CheckBox chkAutoComplete{"chkAutoComplete", "Disable AutoComplete"};
    ui::CheckBox chkCookies{"chkCookies", "Cookies"};
    ui::CheckBox chkIECache{"chkIECache", "Temporary Internet Files"};
    ui::CheckBox chkClearIndexDAT{"chkClearIndexDAT", "Index.dat ( requires reboot )"};
    // Netscape Navigator
    ui::CheckBox NetScape1{"NetScape1", "Internet Typed Web Address"};
    ui::CheckBox netscape2{"netscape2", "Netscape Cache Folder"};
    ui::CheckBox netscape3{"netscape3", "Cookies"};
    // Applications
    ui::CheckBox chkWzip1{"chkWzip1", "WinZip File Menu"};
    ui::CheckBox chkWzip2{"chkWzip2", "WinZip Extract To Menu"};
    ui::CheckBox chkVb{"chkVb", "Visual Basic Recent Opened files"};
    ui::CheckBox chkWordPad{"chkWordPad", "Word Pad Recent File Menu"};
    ui::CheckBox chkPbrush{"chkPbrush", "Paint Brush Recent File Menu"};
    ui::CheckBox chkMediaPlayer{"chkMediaPlayer", "Media Player Recent File Menu"};
    // Popular folders
    ui::CheckBox chkDocuments{"chkDocuments", "Recent Documents List"};
    ui::CheckBox chkRunMenu{"chkRunMenu", "Recent Items From Run Menu"};
    ui::CheckBox chkTemp{"chkTemp", "Temp Folder"};
    ui::CheckBox chkFindFiles{"chkFindFiles", "Find Files History"};
    ui::CheckBox chkFindComputers{"chkFindComputers", "Find Computers History"};
    ui::CheckBox chkPrinterPorts{"chkPrinterPorts", "Printer Ports"};
    ui::CheckBox chkRecBin{"chkRecBin", "Recycle Bin"};

    ui::Button cmdSelectAll{"cmdSelectAll", "Select All"};
    ui::Button cmdDeselectAll{"cmdDeselectAll", "Deselect All"};
    // Shows what a wipe of the ticked items would remove (the analysis window).
    ui::Button cmdAnalyze{"cmdAnalyze", "Analyze"};
    ui::Button cmdCleanSelectedItems{"cmdCleanSelectedItems", "Wipe Selected Items"};
    // The boxes in run order, and by name: clean/CleaningItems.h.
};

struct PanicControls {
    ui::Frame fraPanic{"fraPanic", "Panic Button"};
    ui::Label lblPanic{"lblPanic",
                       "Click to instantly clear all traces of your activities and to close this "
                       "application NOW."};
    ui::Button cmdPanic{"cmdPanic", "Panic"};
};

}  // namespace cw
