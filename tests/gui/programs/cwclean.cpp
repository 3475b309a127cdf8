// Runs the cleaning run ("Wipe Selected Items", answered Yes) over the boxes named on the
// command line, in a process of its own: Wine fixes the Windows version a process sees when
// it starts, so the tests of the version-dependent cleaners start this program after setting
// the version. "--all" ticks every box (Select All). Prints the version tests' answers and
// the run's messages.

#include <cstdio>
#include <string>
#include <vector>

#include "CleaningWorld.h"
#include "clean/WindowsVersion.h"

int main(int argc, char** argv) {
    auto world = std::make_unique<cw::world::CleaningWorld>();
    std::vector<std::string> boxes(argv + 1, argv + argc);
    if (boxes == std::vector<std::string>{"--all"}) {
        world->privacy.cmdSelectAll.Click();
    } else if (!world->Tick(boxes)) {
        std::fprintf(stderr, "unknown box\n");
        return 2;
    }
    std::printf("IsWindows2000=%d IsWindowsXP=%d\n", cw::IsWindows2000(world->os),
                cw::IsWindowsXP(world->os));
    world->privacy.cmdCleanSelectedItems.Click();
    for (const std::string& prompt : world->dialogs.prompts)
        std::printf("%s\n", prompt.c_str());
    return 0;
}
