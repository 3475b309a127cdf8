// The "System Info" page and the version label of the real window under the Windows
// versions Wine can pretend to be.

#include "ClearwellGui.h"

namespace cw::gui {
namespace {

class SystemInfoGui : public ClearwellGui {};

TEST_F(SystemInfoGui, TheVersionTextsMatchTheWindowsWinePretendsToBe) {
    struct Case {
        const char* wineVersion;
        const char* edition;
        const char* platform;
        const char* version;
        const char* servicePack;
    } cases[] = {
        {"win98", "Windows 98 SE", "Windows 95/98/ME", "4.10.2222", " A "},
        {"win2k", "Windows 2000 Professional", "Windows NT", "5.00.2195", "Service Pack 4"},
        {"winxp", "Windows XP Professional", "Windows NT", "5.01.2600", "Service Pack 3"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.wineVersion);
        testing::WineVersion version(k.wineVersion);
        Start();
        ShowPage(4);
        EXPECT_EQ(W().Text(m::lblOSVer), k.edition);
        EXPECT_EQ(W().Text(ids::Element(m::lblWin, 1)), k.platform);
        EXPECT_EQ(W().Text(ids::Element(m::lblWinVer, 1)), k.version);
        EXPECT_EQ(W().Text(ids::Element(m::lblWinAdditional, 1)), k.servicePack);
        EXPECT_NE(W().Text(ids::Element(m::lblPhysical, 1)).find(" kByte"), std::string::npos);
        W().Screenshot(std::string("system-info-") + k.wineVersion);
        Close();
    }
}

}  // namespace
}  // namespace cw::gui
