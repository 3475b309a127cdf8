#pragma once
// Where the controls of the main window's six pages lie, in dialog units on each page.

#include <windows.h>

#include <array>

#include "app/MainControls.h"
#include "ui/win32/Bindings.h"

namespace cw::win32 {

// The size of every page (the placeholder fraContainer), in dialog units.
inline constexpr int kPageWidth = 380;
inline constexpr int kPageHeight = 238;

struct PageArt {
    Painter banner;             // the banner of the "Main" page
    HICON dropFiles = nullptr;  // the shredder's drag-and-drop hint
};

void LayoutMainPage(ControlHost& host, MainControls& c, HWND page, const PageArt& art);
void LayoutPrivacyPage(ControlHost& host, MainControls& c, HWND page);
void LayoutCachePage(ControlHost& host, MainControls& c, HWND page);
void LayoutNetscapePage(ControlHost& host, MainControls& c, HWND page);
void LayoutSystemInfoPage(ControlHost& host, MainControls& c, HWND page);
void LayoutShredderPage(ControlHost& host, MainControls& c, HWND page, const PageArt& art);

}  // namespace cw::win32
