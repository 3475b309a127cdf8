#pragma once

#include "platform/Shell.h"

namespace cw::win32 {

class Win32ShellExecute : public Shell {
  public:
    bool Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                 const std::string& parameters, const std::string& directory,
                 int showCommand) override;
    bool StartProcess(const std::string& commandLine, int showCommand) override;
    std::string ModulePath() override;
};

}  // namespace cw::win32
