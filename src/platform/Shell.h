#pragma once
// Starting documents and programs, and the program's own file.

#include <string>

#include "platform/WindowHandle.h"

namespace cw {

class Shell {
  public:
    virtual ~Shell() = default;
    // ShellExecuteA; an empty verb is the default verb. True when the shell accepted it.
    virtual bool Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory,
                         int showCommand) = 0;
    // Starts a program (a full path, quoted as needed, with optional arguments) as a new
    // process with the given show command; true when it started.
    virtual bool StartProcess(const std::string& commandLine, int showCommand) = 0;
    // The full path of the running executable.
    virtual std::string ModulePath() = 0;
};

}  // namespace cw
