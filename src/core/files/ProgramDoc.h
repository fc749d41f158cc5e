#pragma once
// The document: owns the radio image for its whole life and is the only part
// that moves it to and from disk. The GUI wraps it; the process-wide
// "new document" flag is the caller's to set.
#include <functional>
#include <string>

#include "core/files/DataFile.h"
#include "core/files/DataFileMessage.h"
#include "core/lang/Language.h"
#include "core/os/FileStamp.h"
#include "core/radio/RadioImage.h"

class CProgramDoc {
 public:
  // The image from "Default.dat" in appDir (ending in '/') or the built-in
  // defaults; title "Channel Information" / "信道信息"; path name appName, so
  // a first save offers that name.
  void OnNewDocument(const std::string& appDir, const std::string& appName, Language language);

  // On success the image, the path name and the title (the file's name) are
  // replaced; on any failure the document is exactly as it was.
  DataFileResult OnOpenDocument(const std::string& path);
  // The file's image as a new document: a new document's title, and appName
  // as the name a first save proposes, so that no save writes back to `path`
  // (a backup stays as the radio held it). On failure nothing changes.
  DataFileResult OnOpenCopy(const std::string& path, const std::string& appName, Language language);

  // Writes the image as it is (the caller stores the channel table into it
  // first). On success the document takes the path and its file name as
  // title, as after a Save As; on failure nothing changes and the old file
  // is left whole.
  DataFileResult OnSaveDocument(const std::string& path);

  // True when a save to `path` would replace the document's own file and
  // that file is no longer what this document opened or last saved (another
  // program saved over it): the user decides before it is lost. A file that
  // is gone, a new document and another name are no such case.
  bool WouldOverwriteChange(const std::string& path) const;

  // Set when the document's contents change after a new, open, save or read
  // (by the channel window and the option dialogs); cleared by those four.
  // Closing the program asks to save a modified document.
  void SetModifiedFlag(bool modified = true);
  bool IsModified() const { return m_bModified; }
  // Told each change of the modified flag, and each further change while it
  // is set: the window shows the flag, and keeps a recovery copy of each.
  void SetModifiedObserver(std::function<void(bool)> observer) { m_onModified = std::move(observer); }

  // False until the document was opened from or saved to a file: its path
  // name is then only the name a first save proposes.
  bool HasFileName() const { return m_bHasFileName; }

  const std::string& GetTitle() const { return m_strTitle; }
  void SetTitle(const std::string& title) { m_strTitle = title; }
  const std::string& GetPathName() const { return m_strPathName; }
  void SetPathName(const std::string& path) { m_strPathName = path; }

  RadioImage image;

 private:
  // A new document's title and appName as the name a first save proposes.
  void TakeNoFile(const std::string& appName, Language language);
  void TakeFile(const std::string& path, const FileStamp& stamp);

  std::string m_strTitle;
  std::string m_strPathName;
  FileStamp m_stamp;  // the file as opened or last saved
  bool m_bModified = false;
  std::function<void(bool)> m_onModified;
  bool m_bHasFileName = false;
};

// The last component of a path: what a window shows as a document's title.
std::string FileNameOfPath(const std::string& path);
