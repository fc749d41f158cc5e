#pragma once
// The resource identifiers every language module supplies texts for, and the
// command ids kept on each menu item and tool bar button.

namespace Cmd {
// File
constexpr int kFileNew = 57600;
constexpr int kFileOpen = 57601;
constexpr int kFileClose = 57602;
constexpr int kFileSave = 57603;
constexpr int kFileSaveAs = 57604;
constexpr int kFilePrintSetup = 57606;
constexpr int kFilePrint = 57607;
constexpr int kFilePrintPreview = 57609;
constexpr int kAppExit = 57665;
// Edit
constexpr int kProductInformation = 32786;
constexpr int kChannelInformation = 32787;
constexpr int kOptionalFeatures = 32788;
constexpr int kPowerAdjust = 32781;
constexpr int kParamAdjust = 32779;
// Program
constexpr int kRead = 32773;
constexpr int kWrite = 32774;
// View
constexpr int kViewToolbar = 59392;
constexpr int kViewStatusBar = 59393;
constexpr int kControlBar = 32780;
// Setup
constexpr int kComSetup = 32777;
constexpr int kLanguage = 32799;
// Help
constexpr int kAppAbout = 57664;
constexpr int kHelp = 57670;
// Safe programming: File › Open Backup..., File › Compare With..., and the
// Setup check items Verify After Write and Serial Trace.
constexpr int kFileOpenBackup = 32940;
constexpr int kFileCompare = 32941;
constexpr int kVerifyAfterWrite = 32942;
constexpr int kSerialTrace = 32943;
// Accelerators only
constexpr int kNextPane = 57680;
constexpr int kPrevPane = 57681;

// Channel editing beyond the grid: File's channel lists and recent files,
// Edit's clipboard, undo and channel rows (also the table's context menu).
constexpr int kFileMru1 = 57616;  // the recent files are kFileMru1 + 0-3
constexpr int kImportChannels = 32825;
constexpr int kExportChannels = 32826;
constexpr int kEditUndo = 57643;
constexpr int kEditRedo = 57644;
constexpr int kEditCut = 57635;
constexpr int kEditCopy = 57634;
constexpr int kEditPaste = 57637;
constexpr int kInsertChannel = 32820;
constexpr int kDeleteChannel = 32821;
constexpr int kMoveChannelUp = 32822;
constexpr int kMoveChannelDown = 32823;
constexpr int kClearChannel = 32824;
}  // namespace Cmd

namespace Res {
constexpr int kMenuNoDocument = 128;
constexpr int kMenuDocument = 129;
constexpr int kMainFrame = 128;  // frame title string, tool bar, icon
constexpr int kDocumentStrings = 129;

constexpr int kStrAppTitle = 57344;
constexpr int kStrIdle = 57345;
constexpr int kStrIndicatorCaps = 59137;
constexpr int kStrIndicatorNum = 59138;
constexpr int kStrIndicatorScroll = 59139;
constexpr int kStrOutOfRange = 61448;
constexpr int kStrDataCleared = 61452;
constexpr int kStrPortNotOpened = 61453;
constexpr int kStrStepValue = 61456;
constexpr int kStrCaution = 61458;

constexpr int kDlgAbout = 100;
constexpr int kDlgForm = 101;
constexpr int kDlgNavBar = 130;
constexpr int kDlgProgress = 131;
constexpr int kDlgOptions = 132;
constexpr int kDlgLanguage = 134;
constexpr int kDlgProduct = 136;
constexpr int kDlgPower = 138;
constexpr int kDlgParam = 139;
constexpr int kDlgPort = 144;
constexpr int kDlgPassword = 181;

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

// Controls the shell itself uses.
constexpr int kCtlAboutIcon = 1005;
constexpr int kCtlAboutVersion = 1002;
constexpr int kCtlAboutCopyrights = 1003;
constexpr int kCtlAboutOwner = 1004;
constexpr int kCtlEnglish = 1006;
constexpr int kCtlChinese = 1007;
constexpr int kCtlPassword = 1027;
constexpr int kCtlNavTree = 1031;
constexpr int kCtlChannelGrid = 1000;
}  // namespace Res
