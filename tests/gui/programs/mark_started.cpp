// Stands in for a program that the tests expect to be started: it leaves a file named after
// itself with ".started" appended, holding the command line it was given, and ends.

#include <windows.h>

#include <string>

#include "platform/win32/Handles.h"

int main() {
    char self[MAX_PATH + 1] = {};
    DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return 1;
    std::string mark = std::string(self, n) + ".started";
    std::string line = GetCommandLineA();
    cw::win32::FileHandle file(CreateFileA(mark.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return 1;
    DWORD written = 0;
    return WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr)
               ? 0
               : 1;
}
