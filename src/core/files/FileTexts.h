#pragma once
// The texts of data files, the document and backups, in English and Chinese.
#include "core/lang/Language.h"

// A new document's title.
inline constexpr LangText kNewDocumentTitle{"Channel Information", "信道信息"};

// A path that is there but no regular file.
inline constexpr LangText kNotRegularFileText{"not a regular file", "不是普通文件"};
// A save that would follow another user's link, and private files that have
// no safe folder to go to.
inline constexpr LangText kForeignLinkText{"it is a link owned by another user in a shared folder",
                                           "它是共享文件夹中属于其他用户的链接"};
inline constexpr LangText kForeignFolderLinkText{
    "a folder of its path is a link owned by another user in a shared folder",
    "其路径中的文件夹是共享文件夹中属于其他用户的链接"};
inline constexpr LangText kNoHomeFolderText{"no home folder is known for this user (HOME is not set)",
                                            "不知道此用户的主文件夹（未设置 HOME）"};
inline constexpr LangText kSharedFolderText{"the folder, or one above it, can be written by another user",
                                            "该文件夹或其上级文件夹可被其他用户写入"};

// Opening or saving a data file: the opening words before the path, the
// separator before the reason, the reasons no system error gives.
inline constexpr LangText kFormatErrorText{"Data Format Error", "数据格式不正确"};
inline constexpr LangText kCannotOpenFileText{"Cannot open the file ", "无法打开文件 "};
inline constexpr LangText kCannotSaveFileText{"Cannot save the file ", "无法保存文件 "};
inline constexpr LangText kReasonSeparator{": ", "："};
inline constexpr LangText kUnknownFileReason{"the file could not be read or written", "无法读写该文件"};
inline constexpr LangText kShortFileReason{"the file is shorter than a data file", "文件比数据文件短"};
inline constexpr LangText kLongFileReason{"the file is longer than a data file (1040 bytes)",
                                          "文件比数据文件（1040 字节）长"};
// The question before closing changed work: the words before and after the title.
inline constexpr LangText kSaveChangesBefore{"Save changes to ", "是否保存对 "};
inline constexpr LangText kSaveChangesAfter{"?", " 的修改？"};

// The backup folder, then the system's reason.
// The system's reason alone, where no backup folder could be found.
inline constexpr LangText kBackupNoFolderText{"No backup was saved: %s", "未保存备份：%s"};
inline constexpr LangText kBackupFailedText{"No backup was saved: cannot write '%s': %s",
                                            "未保存备份：无法写入“%s”：%s"};

// A recovery copy offered at start (when it was written), and one that could
// not be written (the folder, then the system's reason).
inline constexpr LangText kRecoveryOfferText{
    "Unsaved changes were kept when the program last ended without saving them (%s).\n"
    "Open them as an untitled document, or discard them?",
    "程序上次结束时有未保存的修改，已保留（%s）。\n以未命名文档打开，还是丢弃？"};
inline constexpr LangText kRecoveryFailedText{"Unsaved changes cannot be kept for recovery: cannot write '%s': %s",
                                              "无法保留未保存修改的恢复副本：无法写入“%s”：%s"};

// "Program.ini" not read (the file, then why), and why when it is too large.
inline constexpr LangText kProfileNotReadText{"Program.ini '%s' was not read: %s.", "未读取 Program.ini“%s”：%s。"};
inline constexpr LangText kProfileTooLargeText{"the file is larger than 1 MB: not a settings file",
                                               "文件大于 1 MB，不是设置文件"};
