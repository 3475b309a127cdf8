// The demo's tool for traces, for a throw-away Wine prefix only. "cwtraces seed" leaves
// realistic traces of all 22 items of the cleaning run: typed addresses, history, Run list,
// search lists, printer ports, form data, recent-file lists, temporary files, a full Recycle
// Bin, Internet Explorer's cache, cookies and index files, a Netscape Navigator profile and
// two Mozilla profiles. "cwtraces table [heading]" prints how many traces each item has, in
// the order the cleaning run takes them.

#include <cstdio>
#include <string>
#include <vector>

#include "clean/CleaningItems.h"
#include "clean/PrivacyControls.h"
#include "demo/BrowserTraces.h"
#include "demo/Traces.h"

namespace {

struct Row {
    std::string caption;
    std::string traces;
    long count = 0;
};

// The check box's caption; the two captions the Internet Explorer and Netscape groups share
// get their browser's name.
std::string CaptionOf(cw::ui::CheckBox& box) {
    const std::string& name = box.Name();
    if (name == "chkUrls" || name == "chkCookies") return box.Caption() + " (Internet Explorer)";
    if (name == "NetScape1" || name == "netscape3") return box.Caption() + " (Netscape)";
    return box.Caption();
}

std::vector<Row> Table() {
    const std::vector<cw::demo::TraceCount> browser = cw::demo::CountBrowserTraces();
    cw::PrivacyControls boxes;
    std::vector<Row> rows;
    for (const cw::CleaningItemRow& item : cw::kCleaningItems) {
        cw::ui::CheckBox* box = &cw::BoxOf(boxes, item);
        Row row{CaptionOf(*box), "?"};
        for (const cw::traces::Item& item : cw::traces::Items()) {
            if (box->Name() != item.box) continue;
            row.count = item.count();
            row.traces = std::to_string(row.count);
        }
        for (const cw::demo::TraceCount& count : browser) {
            if (box->Name() != count.item) continue;
            row.count = count.count;
            row.traces = cw::demo::DescribeTraceCount(count);
        }
        rows.push_back(row);
    }
    return rows;
}

void PrintTable(const char* heading) {
    std::printf("\n%s\n", heading);
    std::printf("  %-48s %s\n", "Item", "Traces");
    long total = 0;
    for (const Row& row : Table()) {
        total += row.count > 0 ? row.count : 0;
        std::printf("  %-48s %s\n", row.caption.c_str(), row.traces.c_str());
    }
    std::printf("  %-48s %ld\n", "All items", total);
    std::fflush(stdout);
}

bool SeedAll() {
    // The browser traces first: laying them out empties the URL cache, which also holds
    // the history the other items seed.
    bool ok = cw::demo::SeedBrowserTraces();
    for (const cw::traces::Item& item : cw::traces::Items())
        item.seed();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "seed") {
        bool ok = SeedAll();
        std::printf(ok ? "Traces seeded.\n" : "Traces seeded, some of them incompletely.\n");
        return ok ? 0 : 1;
    }
    if (command == "table") {
        PrintTable(argc > 2 ? argv[2] : "Traces per item");
        return 0;
    }
    std::fprintf(stderr, "usage: cwtraces seed | table [heading]\n");
    return 2;
}
