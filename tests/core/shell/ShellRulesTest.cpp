// The program window's rules that need no window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "core/radio/ChannelColumns.h"
#include "core/shell/HelpTopics.h"
#include "core/shell/KeyLocks.h"
#include "core/shell/NavBarGeometry.h"
#include "core/shell/NavigationItems.h"
#include "core/shell/RecentFileList.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "core/shell/StartupRules.h"
#include "support/TempDir.h"

namespace {

TEST(StartupRules, LanguageFlagAndHelpFile) {
  const struct {
    const char* language;
    bool chinese;
  } cases[] = {
      {"Chinese", true},   {"chinese", true},  {"CHINESE", true}, {"Chinese ", false},
      {" Chinese", false}, {"English", false}, {"", false},       {"Chinese ; remark", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsChineseLanguage(c.language), c.chinese) << '"' << c.language << '"';
    EXPECT_EQ(HelpFileForLanguage(IsChineseLanguage(c.language) ? Language::Chinese : Language::English),
              c.chinese ? "chHelp.chm" : "enHelp.chm");
  }
}

TEST(StartupRules, ModuleIsFoundWithoutRegardToCase) {
  TempDir dir;
  dir.Write("Chinese.qm", "x");
  dir.Write("English.qm", "x");
  std::filesystem::create_directory(dir.file("Folder.qm"));
  const std::string folder = dir.path() + "/";
  const struct {
    const char* language;
    const char* found;  // nullptr: none
  } cases[] = {
      {"Chinese", "Chinese.qm"},  {"chinese", "Chinese.qm"}, {"CHINESE", "Chinese.qm"},
      {"English", "English.qm"},  {"English ", nullptr},     {"", nullptr},
      {"German", nullptr},        {"Folder", nullptr},       {"../English", nullptr},
      {"Chinese.qm/..", nullptr},
  };
  for (const auto& c : cases) {
    const std::string path = FindFileIgnoringCase(folder, LanguageModuleName(c.language));
    if (c.found == nullptr)
      EXPECT_EQ(path, "") << '"' << c.language << '"';
    else
      EXPECT_EQ(path, dir.file(c.found)) << '"' << c.language << '"';
  }
  EXPECT_EQ(FindFileIgnoringCase(dir.file("missing") + "/", "Chinese.qm"), "");
}

TEST(StartupRules, ShowLangIsALeadingNumber) {
  const struct {
    const char* value;
    bool shown;
  } cases[] = {
      {"", false},  {"0", false},   {"00", false},   {"1", true},  {"2", true},
      {"-1", true}, {"1abc", true}, {"abc1", false}, {" 1", true}, {"99999999999999999999999", true},
  };
  for (const auto& c : cases) EXPECT_EQ(ShowLanguageCommand(c.value), c.shown) << '"' << c.value << '"';
}

TEST(StartupRules, LoadFailureMessage) {
  EXPECT_STREQ(LoadLanguageFailMessage(Language::English), "Load language DLL fail");
  EXPECT_STREQ(LoadLanguageFailMessage(Language::Chinese), "加载语言链接库失败");
}

TEST(NavBarGeometry, TrackerAndWidthLimits) {
  const struct {
    int x;
    int frameWidth;
    int tracker;
    int width;
  } cases[] = {
      {0, 1000, 80, 11},   {10, 1000, 80, 11},    {11, 1000, 80, 11},    {50, 1000, 80, 50},
      {80, 1000, 80, 80},  {300, 1000, 300, 300}, {500, 1000, 500, 500}, {501, 1000, 500, 500},
      {-30, 1000, 80, 11}, {200, 101, 50, 50},    {5, 101, 50, 11},      {5, 10, 5, 5},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NavTrackerX(c.x, c.frameWidth), c.tracker) << c.x << " in " << c.frameWidth;
    EXPECT_EQ(NavReleaseWidth(c.x, c.frameWidth), c.width) << c.x << " in " << c.frameWidth;
  }
}

TEST(NavBarGeometry, FrameCloseButtonAndStrip) {
  const NavRect outline = NavOutline(220, 400);
  EXPECT_EQ(outline.left, 3);
  EXPECT_EQ(outline.top, 6);
  EXPECT_EQ(outline.right, 214);
  EXPECT_EQ(outline.bottom, 351);
  const NavRect inner = NavInnerFrame(outline);
  const NavRect close = NavCloseButton(inner);
  EXPECT_EQ(close.left, 194);
  EXPECT_EQ(close.top, 11);
  EXPECT_EQ(close.right, 210);
  EXPECT_EQ(close.bottom, 26);
  EXPECT_TRUE(close.Contains(194, 11));
  EXPECT_FALSE(close.Contains(210, 20));  // the right edge is outside
  EXPECT_FALSE(close.Contains(200, 26));
  const NavRect strip = NavWidthStrip(inner);
  EXPECT_TRUE(strip.Contains(214, 100));
  EXPECT_TRUE(strip.Contains(219, 350));
  EXPECT_FALSE(strip.Contains(213, 100));
  EXPECT_FALSE(strip.Contains(220, 100));
  EXPECT_TRUE(NavRect{}.IsEmpty());
  EXPECT_FALSE(NavRect{}.Contains(0, 0));
}

TEST(NavBarGeometry, TreeStaysInsideTheFrame) {
  // Tall enough: the tree is 13 narrower than the bar and starts under the caption.
  const NavRect roomy = NavTreeRect(220, 300, 1000);
  EXPECT_EQ(roomy.left, 5);
  EXPECT_EQ(roomy.top, 31);
  EXPECT_EQ(roomy.right - roomy.left, 207);
  EXPECT_EQ(roomy.bottom - roomy.top, 300 - 22 - 60);
  // Otherwise it ends just above the frame's bottom line.
  const NavRect clipped = NavTreeRect(220, 600, 500);
  EXPECT_EQ(clipped.bottom, NavInnerFrame(NavOutline(220, 500)).bottom - 2);
  const NavRect tiny = NavTreeRect(220, 600, 10);
  EXPECT_EQ(tiny.bottom, tiny.top);
}

TEST(NavigationItems, TextsMapToCommandsInTheirLanguageOnly) {
  const struct {
    const char* text;
    Language language;
    int command;
  } cases[] = {
      {"Product Information", Language::English, Cmd::kProductInformation},
      {"Channel Information", Language::English, Cmd::kChannelInformation},
      {"Optional Features", Language::English, Cmd::kOptionalFeatures},
      {"Power Adjustment", Language::English, Cmd::kPowerAdjust},
      {"Parameter Adjustment", Language::English, Cmd::kParamAdjust},
      {"类型设置", Language::Chinese, Cmd::kProductInformation},
      {"信道信息", Language::Chinese, Cmd::kChannelInformation},
      {"可选功能", Language::Chinese, Cmd::kOptionalFeatures},
      {"功率调整", Language::Chinese, Cmd::kPowerAdjust},
      {"参数调整", Language::Chinese, Cmd::kParamAdjust},
      {"类型设置", Language::English, 0},
      {"Product Information", Language::Chinese, 0},
      {"product information", Language::English, 0},
      {"Product Information ", Language::English, 0},
      {"Quillmoor Radio Works", Language::English, 0},
      {"", Language::English, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(NavCommandForText(c.text, c.language), c.command) << c.text;
  EXPECT_EQ(NavCommandForText(nullptr, Language::English), 0);
}

TEST(HelpTopics, FileNamesAndContexts) {
  const struct {
    const char* chm;
    const char* html;
  } names[] = {
      {"enHelp.chm", "enHelp.html"}, {"chHelp.chm", "chHelp.html"}, {"help", "help.html"},
      {"a.b.chm", "a.b.html"},       {".chm", ".chm.html"},         {"dir.x/help", "dir.x/help.html"},
  };
  for (const auto& n : names) EXPECT_EQ(HelpHtmlFileName(n.chm), n.html) << n.chm;
  EXPECT_EQ(HelpContextFromHelpData(0x10000 + 32799), 32799u);
  EXPECT_EQ(MainWindowHelpContext(), 65664u);
  EXPECT_EQ(HelpContextFromHelpData(5), 0xFFFF0005u);  // below the base: no topic has it
  EXPECT_EQ(HelpAnchor(1000), "ctx1000");
  EXPECT_TRUE(HelpTextHasTopic("<a name=\"ctx1000\"></a>", 1000));
  EXPECT_TRUE(HelpTextHasTopic("<h3 id=\"ctx1000\">", 1000));
  EXPECT_FALSE(HelpTextHasTopic("<a name=\"ctx10000\"></a>", 1000));
  EXPECT_FALSE(HelpTextHasTopic("ctx1000", 1000));
}

// Every context the program asks help for has a topic in both help files.
std::string ShippedHelp(const char* file) {
  std::ifstream in(std::string(PROGRAM_SOURCE_DIR) + "/res/" + file);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(HelpTopics, ShippedFilesCoverEveryContext) {
  const std::uint32_t contexts[] = {
      // The frame's commands and the main window.
      57600,
      57601,
      57602,
      57603,
      57604,
      57606,
      57607,
      57609,
      57665,
      32786,
      32787,
      32788,
      32781,
      32779,
      32773,
      32774,
      59392,
      59393,
      32780,
      32777,
      32799,
      57664,
      57670,
      57680,
      57681,
      MainWindowHelpContext(),
      // Channel editing: lists, recent files, undo, clipboard, rows.
      32825,
      32826,
      57616,
      57617,
      57618,
      57619,
      57643,
      57644,
      57635,
      57634,
      57637,
      32820,
      32821,
      32822,
      32823,
      32824,
      Cmd::kFileOpenBackup,
      Cmd::kFileCompare,
      Cmd::kVerifyAfterWrite,
      Cmd::kSerialTrace,
      // The channel grid and its editors.
      1000,
      2127,
      2128,
      2132,
      2133,
      2134,
      2135,
      1130,
      1129,
      // Optional features and product information, with their buttons.
      1118,
      1116,
      1006,
      1119,
      1011,
      1012,
      1007,
      1121,
      1140,
      1141,
      1142,
      1013,
      1014,
      1,
      2,
      // Power and parameter adjustment.
      1137,
      1033,
      1005,
      1008,
      1009,
      1010,
      1018,
      1019,
      1022,
      1023,
      1024,
  };
  for (const char* file : {"enHelp.html", "chHelp.html"}) {
    const std::string html = ShippedHelp(file);
    ASSERT_FALSE(html.empty()) << file;
    for (std::uint32_t context : contexts) EXPECT_TRUE(HelpTextHasTopic(html, context)) << file << " " << context;
  }
}

// A column added to the rows brings its editor's topic in both help files.
TEST(HelpTopics, ShippedFilesCoverEveryColumnEditor) {
  for (const char* file : {"enHelp.html", "chHelp.html"}) {
    const std::string html = ShippedHelp(file);
    for (const ChannelColumnDef& column : kChannelColumnRows)
      if (column.editor != EditorKind::None)
        EXPECT_TRUE(HelpTextHasTopic(html, static_cast<std::uint32_t>(column.editorId)))
            << file << " " << column.title(Language::English);
  }
}

TEST(ResourceTable, KeysAndPrompts) {
  EXPECT_EQ(MenuPopupKey(129, 1), "menu129.popup1");
  EXPECT_EQ(MenuItemKey(128, 57600), "menu128.57600");
  EXPECT_EQ(StringKey(61452), "string61452");
  EXPECT_EQ(DialogCaptionKey(134), "dialog134");
  EXPECT_EQ(DialogControlKey(134, 1006), "dialog134.1006");
  EXPECT_EQ(DialogLabelKey(132, 1118), "dialog132.1118.label");
  EXPECT_EQ(DialogGroupKey(139, 2), "dialog139.group2");
  EXPECT_EQ(DialogItemKey(132, 1007, 0), "dialog132.1007.item0");

  std::set<std::string> keys;
  for (const ResourceEntry& entry : ResourceCatalogue()) EXPECT_TRUE(keys.insert(entry.key).second) << entry.key;
  EXPECT_STREQ(EnglishResourceText(StringKey(Res::kStrDataCleared)), "All data will be Cleared!");
  EXPECT_STREQ(EnglishResourceText(StringKey(Res::kStrCaution)), "Caution");
  EXPECT_EQ(EnglishResourceText("string1"), nullptr);

  const struct {
    const char* prompt;
    const char* status;
    const char* tip;
  } prompts[] = {
      {"Read Data From Radio\nRead", "Read Data From Radio", "Read"},
      {"only status", "only status", ""},
      {"\nonly tip", "", "only tip"},
      {"", "", ""},
  };
  for (const auto& p : prompts) {
    EXPECT_EQ(PromptStatusText(p.prompt), p.status);
    EXPECT_EQ(PromptToolTip(p.prompt), p.tip);
  }
}

TEST(ResourceTable, EveryMenuCommandHasItsPrompt) {
  for (int command : {Cmd::kFileNew,
                      Cmd::kFileOpen,
                      Cmd::kFileClose,
                      Cmd::kFileSave,
                      Cmd::kFileSaveAs,
                      Cmd::kFilePrint,
                      Cmd::kFilePrintPreview,
                      Cmd::kFilePrintSetup,
                      Cmd::kAppExit,
                      Cmd::kProductInformation,
                      Cmd::kChannelInformation,
                      Cmd::kOptionalFeatures,
                      Cmd::kPowerAdjust,
                      Cmd::kParamAdjust,
                      Cmd::kRead,
                      Cmd::kWrite,
                      Cmd::kViewToolbar,
                      Cmd::kViewStatusBar,
                      Cmd::kControlBar,
                      Cmd::kComSetup,
                      Cmd::kLanguage,
                      Cmd::kAppAbout,
                      Cmd::kImportChannels,
                      Cmd::kExportChannels,
                      Cmd::kEditUndo,
                      Cmd::kEditRedo,
                      Cmd::kEditCut,
                      Cmd::kEditCopy,
                      Cmd::kEditPaste,
                      Cmd::kInsertChannel,
                      Cmd::kDeleteChannel,
                      Cmd::kMoveChannelUp,
                      Cmd::kMoveChannelDown,
                      Cmd::kClearChannel,
                      Cmd::kFileOpenBackup,
                      Cmd::kFileCompare,
                      Cmd::kVerifyAfterWrite,
                      Cmd::kSerialTrace}) {
    const char* prompt = EnglishResourceText(StringKey(command));
    ASSERT_NE(prompt, nullptr) << command;
    EXPECT_NE(PromptToolTip(prompt), "") << command;
    EXPECT_NE(EnglishResourceText(MenuItemKey(Res::kMenuDocument, command)), nullptr) << command;
  }
}

TEST(RecentFileList, NewestFirstOnceAtMostFour) {
  std::vector<std::string> list;
  for (const char* path : {"/a.dat", "/b.dat", "/c.dat", "/a.dat", "/d.dat", "/e.dat"})
    list = WithRecentFile(list, path);
  EXPECT_EQ(list, (std::vector<std::string>{"/e.dat", "/d.dat", "/a.dat", "/c.dat"}));
  EXPECT_EQ(WithoutRecentFile(list, "/a.dat"), (std::vector<std::string>{"/e.dat", "/d.dat", "/c.dat"}));
  EXPECT_EQ(WithoutRecentFile(list, "/x.dat"), list);
}

TEST(RecentFileList, MenuTexts) {
  const struct {
    std::size_t index;
    const char* path;
    const char* text;
  } cases[] = {
      {0, "/home/tech/plan.dat", "&1 /home/tech/plan.dat"},
      {3, "/home/tech/R&D/a&b.dat", "&4 /home/tech/R&&D/a&&b.dat"},
      {1, "/home/technician/customers/quillmoor/2026/december/site-a/plan.dat",
       "&2 /home/.../customers/quillmoor/2026/december/site-a/plan.dat"},
      {2, "/home/technician/a-very-long-folder-name-that-fills-the-menu-on-its-own/plan.dat", "&3 /home/.../plan.dat"},
  };
  for (const auto& c : cases) EXPECT_EQ(RecentFileMenuText(c.index, c.path), c.text) << c.path;
}

TEST(KeyLocks, ReadFromTheKeyboardLeds) {
  TempDir dir;
  const std::string leds = dir.path() + "/";
  for (const char* led : {"input3::capslock", "input3::numlock", "input7::scrolllock", "input9::capslock"})
    std::filesystem::create_directory(dir.file(led));
  dir.Write("input3::capslock/brightness", "0\n");
  dir.Write("input9::capslock/brightness", "1\n");  // a second keyboard with Caps Lock on
  dir.Write("input3::numlock/brightness", "1\n");
  dir.Write("input7::scrolllock/brightness", "junk\n");
  EXPECT_TRUE(KeyLockOn(KeyLock::Caps, leds));
  EXPECT_TRUE(KeyLockOn(KeyLock::Num, leds));
  EXPECT_FALSE(KeyLockOn(KeyLock::Scroll, leds));
  EXPECT_FALSE(KeyLockOn(KeyLock::Caps, dir.file("none") + "/"));
}

}  // namespace
