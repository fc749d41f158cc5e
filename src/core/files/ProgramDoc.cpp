#include "core/files/ProgramDoc.h"

#include "core/files/FileTexts.h"
#include "core/files/NewDocumentImage.h"
#include "core/os/SaveTarget.h"

std::string FileNameOfPath(const std::string& path) { return SplitPath(path).name; }

void CProgramDoc::OnNewDocument(const std::string& appDir, const std::string& appName, Language language) {
  image = NewDocumentImage(appDir);
  TakeNoFile(appName, language);
}

DataFileResult CProgramDoc::OnOpenDocument(const std::string& path) {
  // Taken before the read: a save that lands in between then looks like a
  // change, never the other way round.
  const FileStamp stamp = StampOf(path);
  RadioImage loaded;
  const DataFileResult result = LoadDataFile(path, loaded);
  if (!result.ok()) return result;
  image = loaded;
  TakeFile(path, stamp);
  return result;
}

DataFileResult CProgramDoc::OnOpenCopy(const std::string& path, const std::string& appName, Language language) {
  RadioImage loaded;
  const DataFileResult result = LoadDataFile(path, loaded);
  if (!result.ok()) return result;
  image = loaded;
  TakeNoFile(appName, language);
  return result;
}

DataFileResult CProgramDoc::OnSaveDocument(const std::string& path) {
  const DataFileResult result = SaveDataFile(path, image);
  if (!result.ok()) return result;
  TakeFile(path, StampOf(path));
  return result;
}

bool CProgramDoc::WouldOverwriteChange(const std::string& path) const {
  if (!m_bHasFileName || !IsSameFile(path, m_strPathName)) return false;
  const FileStamp now = StampOf(path);
  return now.exists && now != m_stamp;
}

void CProgramDoc::SetModifiedFlag(bool modified) {
  if (!modified && !m_bModified) return;
  m_bModified = modified;
  if (m_onModified) m_onModified(modified);
}

void CProgramDoc::TakeNoFile(const std::string& appName, Language language) {
  m_strTitle = kNewDocumentTitle(language);
  m_strPathName = appName;
  SetModifiedFlag(false);
  m_bHasFileName = false;
}

void CProgramDoc::TakeFile(const std::string& path, const FileStamp& stamp) {
  m_strPathName = path;
  m_stamp = stamp;
  m_strTitle = FileNameOfPath(path);
  SetModifiedFlag(false);
  m_bHasFileName = true;
}
