#pragma once
// Every platform service as a fake, wired into one Services for a window model under test.

#include "app/Services.h"
#include "fakes/FakeChangeWatch.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeInternet.h"
#include "fakes/FakeMessageWait.h"
#include "fakes/FakeNotifyIcon.h"
#include "fakes/FakeOsVersion.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeShellLists.h"
#include "fakes/FakeSignatureCheck.h"
#include "fakes/FakeSystemFolders.h"
#include "fakes/FakeSystemInfo.h"
#include "fakes/FakeUrlCache.h"
#include "fakes/RecordingErrorSink.h"

namespace cw::fakes {

struct FakeServices {
    FakeRegistry registry;
    RecordingErrorSink errors;
    SettingsStore settings{registry, &errors};
    FakeFileSystem fileSystem;
    FakeClock clock;
    FakeInternet internet;
    FakeTransfer transfer{internet};
    ConnectionTest connection{internet, {"http://test.invalid/", "ClearwellTest", 1000}};
    FakeSystemFolders systemFolders;
    FakeRecycleBin recycleBin;
    FakeRecentDocuments recentDocuments;
    FakeDesktop desktop;
    FakeShell shell;
    FakeNotifyIcon notifyIcon;
    FakeChangeWatch changeWatch{fileSystem};
    FakeUrlCache urlCache;
    FakeSystemInfo systemInfo;
    FakeOsVersion osVersion;
    FakeDialogs dialogs;
    FakeMessageWait messageWait{clock};
    PathGuard pathGuard{systemFolders, fileSystem};
    FileRoutines files{fileSystem, pathGuard};
    ShellFolders shellFolders{systemFolders};
    FakeSignatureCheck signatures;

    Services services{registry,   settings,   fileSystem,    clock,       internet,
                      transfer,   connection, systemFolders, recycleBin,  recentDocuments,
                      desktop,    shell,      notifyIcon,    changeWatch, urlCache,
                      systemInfo, osVersion,  dialogs,       errors,      messageWait,
                      pathGuard,  files,      shellFolders,  signatures};
};

}  // namespace cw::fakes
