#pragma once
// The Win32 implementations as the platform of the shared test services (contract/Services.h).

#include "contract/Services.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SystemFolders.h"
#include "platform/win32/Win32UrlCache.h"

namespace cw::testing {

struct Win32Platform {
    using Registry = win32::Win32Registry;
    using FileSystem = win32::Win32FileSystem;
    using SystemFolders = win32::Win32SystemFolders;
    using UrlCache = win32::Win32UrlCache;
    using Clock = win32::Win32Clock;
};

}  // namespace cw::testing
