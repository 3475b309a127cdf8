#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace cw::fakes {

struct ShellExecution {
    std::string verb;
    std::string file;
    std::string parameters;
    int showCommand = 0;
};

struct StartedProcess {
    std::string commandLine;
    int showCommand = 0;
};

// Records what the program asked the shell to open or start.
class FakeShell : public Shell {
  public:
    bool Execute(WindowHandle, const std::string& verb, const std::string& file,
                 const std::string& parameters, const std::string&, int showCommand) override {
        executions.push_back({verb, file, parameters, showCommand});
        return true;
    }
    bool StartProcess(const std::string& commandLine, int showCommand) override {
        processes.push_back({commandLine, showCommand});
        return startResult;
    }
    std::string ModulePath() override { return modulePath; }

    std::string modulePath = "C:\\Program Files\\Clearwell\\Clearwell.exe";
    std::vector<ShellExecution> executions;
    std::vector<StartedProcess> processes;
    bool startResult = true;
};

}  // namespace cw::fakes
