#include "app/win32/Win32Platform.h"

#include "BuildConfig.h"

namespace cw::win32 {

Win32Platform::Win32Platform()
    : transfer_(internet_.CreateTransfer(build::kAgent)),
      connection_(internet_,
                  {build::kConnectionTestUrl, build::kAgent, build::kConnectionTimeoutMs}),
      errors_(connection_, *transfer_, dialogs_, build::kServerUrl),
      settings_(registry_, &errors_),
      pathGuard_(systemFolders_, fileSystem_),
      files_(fileSystem_, pathGuard_),
      shellFolders_(systemFolders_),
      signatures_(
          std::string(std::begin(build::kUpdatePublicKey), std::end(build::kUpdatePublicKey))),
      services_{registry_,   settings_,   fileSystem_,    clock_,       internet_,
                *transfer_,  connection_, systemFolders_, recycleBin_,  recentDocuments_,
                desktop_,    shell_,      notifyIcon_,    changeWatch_, urlCache_,
                systemInfo_, osVersion_,  dialogs_,       errors_,      messageWait_,
                pathGuard_,  files_,      shellFolders_,  signatures_} {}

}  // namespace cw::win32
