// Runs the cleaning run ("Wipe Selected Items", answered Yes) over the boxes named after the
// output file on the command line, in a process of its own: Wine fixes the Windows version a
// process sees when it starts, so the tests of the version-dependent cleaners start this
// program after setting the version. Writes the version tests' answers and the run's
// messages to the output file.

#include <cstdio>
#include <string>
#include <vector>

#include "CleaningWorld.h"
#include "clean/WindowsVersion.h"

int main(int argc, char** argv) {
    auto world = std::make_unique<cw::world::CleaningWorld>();
    if (argc < 2 || !std::freopen(argv[1], "w", stdout) ||
        !world->Tick(std::vector<std::string>(argv + 2, argv + argc)))
        return 2;
    std::printf("IsWindows2000=%d IsWindowsXP=%d\n", cw::IsWindows2000(world->os),
                cw::IsWindowsXP(world->os));
    world->privacy.cmdCleanSelectedItems.Click();
    for (const std::string& prompt : world->dialogs.prompts)
        std::printf("%s\n", prompt.c_str());
    return 0;
}
