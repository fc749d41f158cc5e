#pragma once
// The window's texts that are built in code rather than taken from the
// language module, in English and Chinese, gathered here so that a
// translator finds them in one place. The shell is the lowest window
// folder, so every window part above it can name them; a text that takes a
// value has Qt's %1 (and %2) where it goes.
#include "core/lang/Language.h"

// The buttons of the program's message boxes and dialogs.
inline constexpr LangText kOkButton = {"OK", "确定"};
inline constexpr LangText kCancelButton = {"Cancel", "取消"};
inline constexpr LangText kYesButton = {"&Yes", "是(&Y)"};
inline constexpr LangText kNoButton = {"&No", "否(&N)"};

// A Save As over a file that exists: %1 is its path.
inline constexpr LangText kReplaceQuestion = {"%1 already exists.\nDo you want to replace it?",
                                              "%1 已存在。\n要替换它吗？"};

// Joins a note to the status bar's text before it.
inline constexpr LangText kSentenceSeparator = {". ", "。"};

// The navigation bar's close button.
inline constexpr LangText kCloseTip = {"Close", "关闭"};

// File › Open Backup with no backup yet: %1 is the backup folder.
inline constexpr LangText kNoBackups = {"No backup has been kept yet. Every complete Read from a radio is kept in %1",
                                        "还没有备份。每次从电台完整读取的数据都会保存在 %1"};

// Setup › Language when Program.ini cannot take the choice: %1 is its path,
// %2 the reason.
inline constexpr LangText kLanguageNotSaved = {"The language could not be saved in \"%1\": %2",
                                               "无法把语言设置保存到“%1”：%2"};

// A setting (Verify After Write, Serial Trace, the port) the settings store
// could not take: %1 is the store's path, %2 the reason.
inline constexpr LangText kChoiceNotSaved = {
    "The setting could not be saved in \"%1\": %2\nIt stays in force until the program ends.",
    "无法把设置保存到“%1”：%2\n本次运行结束前该设置仍然有效。"};

// File › Save over a file another program changed since it was opened or
// last saved: %1 is its path.
inline constexpr LangText kChangedOnDiskQuestion = {
    "%1 has been changed by another program since it was opened or last saved.\nDo you want to overwrite it?",
    "%1 在打开或上次保存之后已被其他程序修改。\n要覆盖它吗？"};
inline constexpr LangText kOverwriteButton = {"&Overwrite", "覆盖(&O)"};

// The file dialogs of Import and Export Channels.
inline constexpr LangText kOwnFormFilter = {"Channel list (*.csv)", "信道列表 (*.csv)"};
inline constexpr LangText kChirpFormFilter = {"Channel list for CHIRP (*.csv)", "CHIRP 信道列表 (*.csv)"};
inline constexpr LangText kAllFilesFilter = {"All files (*)", "所有文件 (*)"};

// File › Compare With: %1 is the path of the file compared with.
inline constexpr LangText kCompareSides = {"Left: the open document as its channel table shows it.\nRight: %1",
                                           "左边：当前文档（以信道表所示为准）。\n右边：%1"};
inline constexpr LangText kCompareDocumentSide = {"Open document", "当前文档"};
inline constexpr LangText kCompareOptionTitle = {"Option", "选项"};
inline constexpr LangText kCompareAddressTitle = {"Address", "地址"};

// File › Print when the printer does not take the job.
inline constexpr LangText kPrintFailed = {"Could not start print job.", "无法启动打印作业。"};
