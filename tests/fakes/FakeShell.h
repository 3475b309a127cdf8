#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace cw::fakes {

struct StartedProcess {
    std::string commandLine;
    int showCommand = 0;
};

// Records the files the program asked the shell to open and the processes it started.
class FakeShell : public Shell {
  public:
    bool Execute(WindowHandle, const std::string&, const std::string& file, const std::string&,
                 const std::string&, int) override {
        executions.push_back(file);
        return true;
    }
    bool StartProcess(const std::string& commandLine, int showCommand) override {
        processes.push_back({commandLine, showCommand});
        return startResult;
    }
    std::string ModulePath() override { return modulePath; }

    std::string modulePath = "C:\\Program Files\\Clearwell\\Clearwell.exe";
    std::vector<std::string> executions;
    std::vector<StartedProcess> processes;
    bool startResult = true;
};

}  // namespace cw::fakes
