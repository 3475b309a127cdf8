// Stands in for a program that the tests expect to be started: it leaves a file named after
// itself with ".started" appended, holding the command line it was given, and ends.

#include <windows.h>

#include <fstream>
#include <string>

int main() {
    char self[MAX_PATH + 1] = {};
    DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return 1;
    std::ofstream mark(std::string(self, n) + ".started", std::ios::binary);
    return mark << GetCommandLineA() << std::flush ? 0 : 1;
}
