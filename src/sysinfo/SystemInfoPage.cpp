#include "sysinfo/SystemInfoPage.h"

#include "errors/ErrorTrap.h"
#include "sysinfo/SystemInfoText.h"
#include "text/Convert.h"

namespace cw {

namespace {

// The error tags the program has always sent (misspellings included).
constexpr const char kGetSystemInfoTag[] = "frmMain,cmdGetSysyemInfo";
constexpr const char kGetOsVerTag[] = "frmMain,GetOsVer";
constexpr const char kGetIeVerTag[] = "frmMain,Get_IeVer";

constexpr const char kShellUtilityLibrary[] = "Shlwapi.dll";

}  // namespace

SystemInfoPage::SystemInfoPage(SystemInfoControls& controls, SystemInfo& system, OsVersion& os,
                               ErrorSink& errors)
    : c_(controls), system_(system), os_(os), errors_(errors) {
    c_.cmdGetSystemInfo.onClick = [this] { cmdGetSystemInfo_Click(); };
}

void SystemInfoPage::cmdGetSystemInfo_Click() {
    ShowProcessor();
    ShowMemory();
    ShowWindows();
}

// Each figure is its own statement: a failure reports and the next figure is still shown.
void SystemInfoPage::ShowProcessor() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors_, kGetSystemInfoTag);
    SystemRecord r;
    trap([&] { system_.QuerySystem(r); });
    trap([&] { c_.lblVirtualAlloc.Value().SetCaption(text::ToText(r.pageSize)); });
    trap([&] {
        c_.lblLowLoadAddr.Value().SetCaption(sysinfo::HexAddress(r.minimumApplicationAddress));
    });
    trap([&] {
        c_.lblHighLoadAddr.Value().SetCaption(sysinfo::HexAddress(r.maximumApplicationAddress));
    });
    trap([&] { c_.lblNumProcessors.Value().SetCaption(text::ToText(r.numberOfProcessors)); });
    trap([&] { c_.lblBlockAddress.Value().SetCaption(text::ToText(r.allocationGranularity)); });
}

void SystemInfoPage::ShowMemory() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors_, kGetSystemInfoTag);
    MemoryRecord m;
    trap([&] { system_.QueryMemory(m); });
    // Each "used" figure is the difference of the two figures already rounded, so the three
    // labels of a group always add up.
    auto showGroup = [&](ui::LabelPair& total, ui::LabelPair& avail, ui::LabelPair& used,
                         std::uint64_t totalBytes, std::uint64_t availBytes) {
        std::int64_t totalKb = sysinfo::KiloBytes(totalBytes);
        std::int64_t availKb = sysinfo::KiloBytes(availBytes);
        trap([&] { total.Value().SetCaption(sysinfo::KByteText(totalKb)); });
        trap([&] { avail.Value().SetCaption(sysinfo::KByteText(availKb)); });
        trap([&] { used.Value().SetCaption(sysinfo::KByteText(totalKb - availKb)); });
    };
    showGroup(c_.lblPhysical, c_.lblFreePhysical, c_.lblUsedPhysical, m.totalPhys, m.availPhys);
    showGroup(c_.lblVirtual, c_.lblFreeVirtual, c_.lblUsedVirtual, m.totalVirtual, m.availVirtual);
    showGroup(c_.lblSwapFile, c_.lblFreeSwap, c_.lblUsedSwap, m.totalPageFile, m.availPageFile);
}

void SystemInfoPage::ShowWindows() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors_, kGetSystemInfoTag);
    OsVersionInfo v;
    int result = 0;
    trap([&] { result = os_.Query(v, false); });
    bool known = result != 0;
    trap([&] { c_.lblWin.Value().SetCaption(known ? sysinfo::PlatformName(v.platformId) : ""); });
    trap([&] { c_.lblWinVer.Value().SetCaption(known ? sysinfo::VersionText(v) : ""); });
    trap([&] {
        c_.lblWinAdditional.Value().SetCaption(known ? sysinfo::ServicePackText(v.csdVersion) : "");
    });
}

std::string SystemInfoPage::GetOSVer() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors_, kGetOsVerTag);
    std::string edition;
    OsVersionInfo v;
    int result = 0;
    bool refused = false;
    trap([&] {
        result = os_.Query(v, true);
        refused = result != 1;
    });
    // Windows 95, 98, Me and NT 4.0 before Service Pack 6 refuse the extended record; the
    // basic one names their editions all the same.
    if (refused) trap([&] { result = os_.Query(v, false); });
    // Anything but exactly 1 counts as a failed call.
    if (result == 1) trap([&] { edition = sysinfo::EditionName(v); });
    return edition;
}

std::string SystemInfoPage::GetIeVer() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors_, kGetIeVerTag);
    DllVersionRecord version;
    trap([&] {
        if (!system_.QueryDllVersion(kShellUtilityLibrary, version)) version = {};
    });
    return text::ToText(version.major) + "." + text::ToText(version.minor);
}

void SystemInfoPage::ShowVersions() {
    c_.lblOSVer.SetCaption(GetOSVer());
    c_.lblIEVer.SetCaption(GetIeVer());
}

}  // namespace cw
