#pragma once
// Stable numeric IDs of every named control, menu item, toolbar button and timer of the
// program's windows. The views create their controls with these IDs and the GUI tests find
// them by these IDs from outside the process, so a number never changes once given.
//
//   frmMain        1000-1999
//   frmSettings    2000-2099
//   frmAbout       2100-2199
//   frmAutoUpdate  2200-2299
//   frmAnalysis    2300-2399
//   frmKeepCookies 2400-2499
//
// A control array element or a label pair element i has the ID of its base plus i.

namespace cw::ids {

constexpr int Element(int base, int index) {
    return base + index;
}

namespace frmMain {

// The window's own controls.
inline constexpr int fraContainer = 1000;
constexpr int fraMain(int index) {
    return 1001 + index;
}  // pages 0 to 5
inline constexpr int tlbMain = 1010;
constexpr int tlbMainButton(int index) {
    return 1010 + index;
}  // buttons 1 to 7
inline constexpr int stbMain = 1020;

inline constexpr int mnuFile = 1030;
inline constexpr int mExit = 1031;
inline constexpr int mnuOptions = 1032;
inline constexpr int mSettings = 1033;
inline constexpr int mCheckUpgrades = 1034;
inline constexpr int mnuHelp = 1035;
inline constexpr int mHelpArticles = 1036;
inline constexpr int mBlank = 1037;
inline constexpr int mAboutClearwell = 1038;
inline constexpr int mPopupSys = 1039;
inline constexpr int mPopPanic = 1040;
inline constexpr int mPopRestore = 1041;
inline constexpr int mSepSysTray = 1042;
inline constexpr int mPopExit = 1043;
inline constexpr int mKeepCookies = 1044;

inline constexpr int timScheduler = 1050;
inline constexpr int timAutoUpdate = 1051;
inline constexpr int Timer1 = 1052;
inline constexpr int timIEURL = 1053;
inline constexpr int timShredFolder = 1054;
inline constexpr int timFavoritesWatch = 1055;

// Page 0, "Main".
inline constexpr int lblIEHotkey = 1100;
inline constexpr int imgBanner = 1101;
inline constexpr int fraIECustom = 1110;
inline constexpr int mAddMSIE = 1111;
inline constexpr int mDeleteMSIE = 1112;
inline constexpr int fraAutoBookmark = 1120;
inline constexpr int lblBlockAutoBookMark = 1121;
inline constexpr int cmdEnableAutoBookMark = 1122;
inline constexpr int cmdDisableAutoBookMark = 1123;
inline constexpr int fraPanic = 1130;
inline constexpr int lblPanic = 1131;
inline constexpr int cmdPanic = 1132;

// Page 1, "Privacy".
inline constexpr int fraWipeIE = 1200;
inline constexpr int fraWipeNetscape = 1201;
inline constexpr int fraWipeApplications = 1202;
inline constexpr int fraWipeFolders = 1203;
inline constexpr int chkInternetHistory = 1210;
inline constexpr int chkUrls = 1211;
inline constexpr int chkAutoComplete = 1212;
inline constexpr int chkCookies = 1213;
inline constexpr int chkIECache = 1214;
inline constexpr int chkClearIndexDAT = 1215;
inline constexpr int NetScape1 = 1216;
inline constexpr int netscape2 = 1217;
inline constexpr int netscape3 = 1218;
inline constexpr int chkWzip1 = 1219;
inline constexpr int chkWzip2 = 1220;
inline constexpr int chkVb = 1221;
inline constexpr int chkWordPad = 1222;
inline constexpr int chkPbrush = 1223;
inline constexpr int chkMediaPlayer = 1224;
inline constexpr int chkDocuments = 1225;
inline constexpr int chkRunMenu = 1226;
inline constexpr int chkTemp = 1227;
inline constexpr int chkFindFiles = 1228;
inline constexpr int chkFindComputers = 1229;
inline constexpr int chkPrinterPorts = 1230;
inline constexpr int chkRecBin = 1231;
inline constexpr int cmdSelectAll = 1240;
inline constexpr int cmdDeselectAll = 1241;
inline constexpr int cmdCleanSelectedItems = 1242;
inline constexpr int cmdAnalyze = 1243;

// Page 2, "IE Cache".
inline constexpr int fraCache = 1300;
inline constexpr int lstCache = 1301;
inline constexpr int lblCacheFiles = 1302;
inline constexpr int cmdGetCache = 1303;
inline constexpr int cmdDeleteSelected = 1304;
inline constexpr int cmdDeleteAllCache = 1305;
inline constexpr int cmdDeleteCookies = 1306;
inline constexpr int fraIEHomePage = 1310;
inline constexpr int lblIEHomePage = 1311;
inline constexpr int txtHomePageURL = 1312;
inline constexpr int cmdSetHomePage = 1313;
inline constexpr int cmdUseBlank = 1314;
inline constexpr int chkLockIEHomepage = 1315;

// Page 3, "Netscape".
inline constexpr int fraNetscapeHomePage = 1400;
inline constexpr int txtNetscapeHomepage = 1401;
inline constexpr int cmdSetNetscapeHomepage = 1402;
inline constexpr int fraCookies = 1410;
inline constexpr int lblDomains = 1411;
inline constexpr int List1 = 1412;
inline constexpr int lblOccurrences = 1413;
inline constexpr int List2 = 1414;
inline constexpr int Command3 = 1415;
inline constexpr int Command2 = 1416;
inline constexpr int Label7 = 1417;
inline constexpr int Label11 = 1418;
inline constexpr int lblValue = 1419;
inline constexpr int txtValue = 1420;
inline constexpr int lblExpires = 1421;
inline constexpr int txtExp = 1422;
inline constexpr int lblPath = 1423;
inline constexpr int txtPath = 1424;
inline constexpr int chkFlag = 1425;
inline constexpr int chkSecure = 1426;
inline constexpr int cmdKeep = 1427;

// Page 4, "System Info". Label pairs: element 0 the caption, element 1 the value.
inline constexpr int cmdGetSystemInfo = 1500;
inline constexpr int fraProcessor = 1510;
inline constexpr int lblVirtualAlloc = 1512;
inline constexpr int lblLowLoadAddr = 1514;
inline constexpr int lblHighLoadAddr = 1516;
inline constexpr int lblNumProcessors = 1518;
inline constexpr int lblBlockAddress = 1520;
inline constexpr int fraMemory = 1530;
inline constexpr int lblPhysical = 1532;
inline constexpr int lblFreePhysical = 1534;
inline constexpr int lblUsedPhysical = 1536;
inline constexpr int lblVirtual = 1538;
inline constexpr int lblFreeVirtual = 1540;
inline constexpr int lblUsedVirtual = 1542;
inline constexpr int lblSwapFile = 1544;
inline constexpr int lblFreeSwap = 1546;
inline constexpr int lblUsedSwap = 1548;
inline constexpr int fraWindows = 1560;
inline constexpr int lblWin = 1562;
inline constexpr int lblWinVer = 1564;
inline constexpr int lblWinAdditional = 1566;
inline constexpr int lblOSVerCaption = 1570;
inline constexpr int lblOSVer = 1571;
inline constexpr int lblIEVerCaption = 1572;
inline constexpr int lblIEVer = 1573;

// Page 5, "Shredder".
inline constexpr int fraFileList = 1600;
inline constexpr int lstFiles = 1601;
inline constexpr int cmdFileBrowse = 1602;
inline constexpr int cmdShredClear = 1603;
inline constexpr int fraControls = 1610;
inline constexpr int lblSecurityLevel = 1611;
inline constexpr int cmbOver = 1612;
inline constexpr int cmdShredDelete = 1613;
inline constexpr int fraSelectedFile = 1620;
inline constexpr int txtFileName = 1621;
inline constexpr int fraStatus = 1630;
inline constexpr int pb1 = 1631;
inline constexpr int lFC = 1632;
inline constexpr int lStat = 1633;
inline constexpr int Image8 = 1634;
inline constexpr int fraShredFolder = 1650;
inline constexpr int lblAboutShredTimer = 1651;
inline constexpr int txtShredFolder = 1652;
inline constexpr int cmdShredBrowse = 1653;
inline constexpr int cmdShredBlank = 1654;
inline constexpr int lblHour = 1655;
inline constexpr int cmbHour = 1656;
inline constexpr int lblMinute = 1657;
inline constexpr int cmbMinute = 1658;
inline constexpr int cmdSet = 1659;

}  // namespace frmMain

// The settings window, "Settings -- Clearwell", in tab order.
namespace frmSettings {

inline constexpr int Frame1 = 2001;
inline constexpr int Label2 = 2002;
inline constexpr int cmbScheduleType = 2003;
inline constexpr int lblHour = 2004;
inline constexpr int cmbHour = 2005;
inline constexpr int lblWeekDays = 2006;
inline constexpr int cmbWeekDays = 2007;
inline constexpr int lblStartTime = 2008;
inline constexpr int dtStartTime = 2009;
inline constexpr int chkCloseBrowser = 2010;
inline constexpr int cmdScheduleSet = 2011;
inline constexpr int cmdDisableSchedule = 2012;
inline constexpr int fraGeneral = 2013;
inline constexpr int Check1 = 2014;
inline constexpr int Check2 = 2015;
inline constexpr int fraAutoCheck = 2016;
inline constexpr int Label1 = 2017;
inline constexpr int cmdEnable = 2018;
inline constexpr int cmdDisable = 2019;
inline constexpr int Image1 = 2020;
inline constexpr int cmdOK = 2021;
inline constexpr int cmdCancel = 2022;

}  // namespace frmSettings

// The About window, "About Clearwell".
namespace frmAbout {

inline constexpr int Image1 = 2101;
inline constexpr int Text1 = 2102;
inline constexpr int Label5 = 2103;
inline constexpr int linSeparator = 2104;
inline constexpr int cmdOK = 2105;
inline constexpr int cmdSysInfo = 2106;

}  // namespace frmAbout

// The update window, "AutoUpdate".
namespace frmAutoUpdate {

inline constexpr int imgCatchUp = 2201;
inline constexpr int Label1 = 2202;
inline constexpr int ListView1 = 2203;
inline constexpr int cmdProceed = 2204;
inline constexpr int cmdCancel = 2205;
inline constexpr int StatusBar1 = 2206;

}  // namespace frmAutoUpdate

// The analysis window, "Analysis -- Clearwell".
namespace frmAnalysis {

inline constexpr int lvwAnalysis = 2301;
inline constexpr int lblStatus = 2302;
inline constexpr int prgAnalysis = 2303;
inline constexpr int cmdClose = 2304;
inline constexpr int timAnalyze = 2305;

}  // namespace frmAnalysis

// The window of the cookies to keep, "Cookies to Keep -- Clearwell", in tab order.
namespace frmKeepCookies {

inline constexpr int lblDomains = 2401;
inline constexpr int lstDomains = 2402;
inline constexpr int cmdRemove = 2403;
inline constexpr int lblDomain = 2404;
inline constexpr int txtDomain = 2405;
inline constexpr int cmdAdd = 2406;
inline constexpr int cmdClose = 2407;

}  // namespace frmKeepCookies

}  // namespace cw::ids
