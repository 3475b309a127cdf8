#pragma once
// Every platform service as a fake: the shared test services (contract/Services.h) over the
// fakes and the rest, wired into one Services for a window model under test.

#include "app/Services.h"
#include "contract/Services.h"
#include "fakes/FakeChangeWatch.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeInternet.h"
#include "fakes/FakeMessageWait.h"
#include "fakes/FakeNotifyIcon.h"
#include "fakes/FakeOsVersion.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeShellLists.h"
#include "fakes/FakeSignatureCheck.h"
#include "fakes/FakeSystemInfo.h"

namespace cw::fakes {

struct FakeServices : testing::Services<testing::FakePlatform> {
    FakeInternet internet;
    FakeTransfer transfer{internet};
    ConnectionTest connection{internet, {"http://test.invalid/", "ClearwellTest", 1000}};
    FakeRecycleBin recycleBin;
    FakeRecentDocuments recentDocuments;
    FakeDesktop desktop;
    FakeShell shell;
    FakeNotifyIcon notifyIcon;
    FakeChangeWatch changeWatch{fs};
    FakeSystemInfo systemInfo;
    FakeOsVersion osVersion;
    FakeMessageWait messageWait{clock};
    FakeSignatureCheck signatures;

    cw::Services services{registry,   settings,   fs,           clock,       internet,
                          transfer,   connection, folders,      recycleBin,  recentDocuments,
                          desktop,    shell,      notifyIcon,   changeWatch, cache,
                          systemInfo, osVersion,  dialogs,      errors,      messageWait,
                          guard,      files,      shellFolders, signatures};
};

}  // namespace cw::fakes
