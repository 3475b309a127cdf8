#pragma once
// The "System Info" page.

#include "ui/Controls.h"
#include "ui/LabelArray.h"

namespace cw {

struct SystemInfoControls {
    ui::Button cmdGetSystemInfo{"cmdGetSystemInfo", "Get System Info"};

    ui::Frame fraProcessor{"fraProcessor", "Processor"};
    ui::LabelPair lblVirtualAlloc{"lblVirtualAlloc", "Page size for virtual alloc :"};
    ui::LabelPair lblLowLoadAddr{"lblLowLoadAddr", "Lowest load address :"};
    ui::LabelPair lblHighLoadAddr{"lblHighLoadAddr", "Highest load address :"};
    ui::LabelPair lblNumProcessors{"lblNumProcessors", "Number of Processors :"};
    ui::LabelPair lblBlockAddress{"lblBlockAddress", "Memory Block sizing :"};

    ui::Frame fraMemory{"fraMemory", "Memory"};
    ui::LabelPair lblPhysical{"lblPhysical", "Physical memory :"};
    ui::LabelPair lblFreePhysical{"lblFreePhysical", "Free physical memory :"};
    ui::LabelPair lblUsedPhysical{"lblUsedPhysical", "Used physical memory :"};
    ui::LabelPair lblVirtual{"lblVirtual", "Virtual memory :"};
    ui::LabelPair lblFreeVirtual{"lblFreeVirtual", "Free virtual memory :"};
    ui::LabelPair lblUsedVirtual{"lblUsedVirtual", "Used virtual memory :"};
    ui::LabelPair lblSwapFile{"lblSwapFile", "Swap file size :"};
    ui::LabelPair lblFreeSwap{"lblFreeSwap", "Free swap file memory :"};
    ui::LabelPair lblUsedSwap{"lblUsedSwap", "Used swap file memory :"};

    ui::Frame fraWindows{"fraWindows", "Windows"};
    ui::LabelPair lblWin{"lblWin", "OS name :"};
    ui::LabelPair lblWinVer{"lblWinVer", "Version :"};
    ui::LabelPair lblWinAdditional{"lblWinAdditional", "Additional Info :"};

    ui::Label lblOSVerCaption{"lblOSVerCaption", "Your Windows Version"};
    ui::Label lblOSVer{"lblOSVer"};
    ui::Label lblIEVerCaption{"lblIEVerCaption", "Your Internet Explorer Version"};
    ui::Label lblIEVer{"lblIEVer"};
};

}  // namespace cw
