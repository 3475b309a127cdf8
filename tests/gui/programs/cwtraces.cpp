// The demo's tool for traces: "cwtraces seed" leaves realistic traces of every item of the
// cleaning run (typed addresses, history, Run list, search lists, printer ports, form data,
// recent-file lists, temporary files, a full Recycle Bin); "cwtraces table [heading]"
// prints how many traces each item has.

#include <cstdio>
#include <string>

#include "Traces.h"

int main(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "seed") {
        cw::traces::SeedAll();
        std::printf("Traces seeded.\n");
        return 0;
    }
    if (command == "table") {
        cw::traces::PrintTable(argc > 2 ? argv[2] : "Traces per item");
        return 0;
    }
    std::fprintf(stderr, "usage: cwtraces seed | table [heading]\n");
    return 2;
}
