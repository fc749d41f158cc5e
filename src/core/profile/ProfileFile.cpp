#include "core/profile/ProfileFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "core/files/FileTexts.h"
#include "core/files/ProgramFolder.h"
#include "core/files/ReadFileHead.h"
#include "core/files/RegularFile.h"
#include "core/files/SafeFileWrite.h"
#include "core/lang/AsciiText.h"
#include "core/lang/TextFill.h"
#include "core/os/FolderEntries.h"
#include "core/os/SaveTarget.h"

namespace {

std::string Strip(const std::string& s) {
  std::size_t begin = 0;
  std::size_t end = s.size();
  while (begin < end && IsAsciiSpace(s[begin])) ++begin;
  while (end > begin && IsAsciiSpace(s[end - 1])) --end;
  return s.substr(begin, end - begin);
}

bool IsCommentStart(char c) { return c == ';' || c == '/' || c == '\\' || c == '*'; }

void CutAt(std::string& s, const char* mark) {
  const auto at = s.find(mark);
  if (at != std::string::npos) s.resize(at);
}

const std::string kByteOrderMark = "\xEF\xBB\xBF";

// The number in the last three characters of a name; non-digits end it.
int TrailingNumber(const std::string& name) {
  const std::size_t from = name.size() > 3 ? name.size() - 3 : 0;
  int n = 0;
  for (std::size_t i = from; i < name.size() && name[i] >= '0' && name[i] <= '9'; ++i) n = n * 10 + (name[i] - '0');
  return n;
}

}  // namespace

CProfileFile::CProfileFile(int growBy) : m_nGrowBy(std::max(growBy, 1)) {}

CProfileFile::~CProfileFile() {
  // Nobody is left to hear about a failure here; the atomic save at least
  // keeps the old file whole.
  if (m_bSaveOnClose) Save(m_bBackup);
  Clear();
}

bool CProfileFile::Open(const std::string& fileName, ProfileOptions options) {
  return Load(ProgramFolder() + fileName, options);
}

bool CProfileFile::Load(const std::string& path, ProfileOptions options) {
  m_nLoadError = 0;
  if (!m_strPath.empty()) {
    if (!Save(false).ok) return false;
  }
  Clear();
  m_bSaveOnClose = HasOption(options, ProfileOptions::SaveOnClose);
  m_bIgnoreCase = HasOption(options, ProfileOptions::IgnoreCase);
  m_bBackup = HasOption(options, ProfileOptions::Backup);

  // Only a regular file: a FIFO or a device would block or never end.
  std::string text;
  m_nLoadError = ReadOrCreateFile(path, kMaxProfileSize + 1, text);
  if (m_nLoadError == 0 && text.size() > kMaxProfileSize) m_nLoadError = kProfileTooLarge;
  if (m_nLoadError != 0) return false;

  ParseText(text);
  m_strPath = path;
  return true;
}

void CProfileFile::ResetTables() {
  m_aSectionNames.assign(static_cast<std::size_t>(m_nGrowBy), std::string());
  m_apKeys.assign(static_cast<std::size_t>(m_nGrowBy), {});
  m_apValues.assign(static_cast<std::size_t>(m_nGrowBy), {});
  m_nLast = 0;
}

void CProfileFile::ParseText(const std::string& text) {
  Clear();
  ResetTables();
  // Editors that save UTF-8 with a byte-order mark put it before the first
  // line, where it would hide that line's header or key.
  std::size_t pos = text.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0 ? kByteOrderMark.size() : 0;
  while (pos < text.size()) {
    std::size_t eol = text.find('\n', pos);
    if (eol == std::string::npos) eol = text.size();
    const std::string line = Strip(text.substr(pos, eol - pos));
    pos = eol + 1;

    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      AppendSection(line.substr(1, line.size() - 2));
      continue;
    }
    const auto eq = line.find('=');
    std::string key = Strip(line.substr(0, eq));
    if (key.empty() || IsCommentStart(key.front())) continue;
    std::string value = eq == std::string::npos ? std::string() : Strip(line.substr(eq + 1));
    const auto at = static_cast<std::size_t>(m_nLast);
    m_apKeys[at].push_back(std::move(key));
    m_apValues[at].push_back(std::move(value));
  }
}

std::string CProfileFile::SerializedText() const {
  std::string out;
  for (int i = 0; i < SectionCount(); ++i) {
    const auto at = static_cast<std::size_t>(i);
    if (!m_aSectionNames[at].empty()) out += "[" + m_aSectionNames[at] + "]\n";
    for (std::size_t k = 0; k < m_apKeys[at].size(); ++k) {
      out += m_apKeys[at][k];
      if (!m_apKeys[at][k].empty()) out += "=";
      out += m_apValues[at][k];
      out += "\n";
    }
  }
  // A first key whose name begins with a mark would lose it to the one a
  // reload skips; a mark in front keeps it.
  if (out.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) out.insert(0, kByteOrderMark);
  return out;
}

int CProfileFile::AppendSection(const std::string& name) {
  ++m_nLast;
  if (m_nLast >= TableCapacity()) {
    const std::size_t size = m_aSectionNames.size() + static_cast<std::size_t>(m_nGrowBy);
    m_aSectionNames.resize(size);
    m_apKeys.resize(size);
    m_apValues.resize(size);
  }
  const auto at = static_cast<std::size_t>(m_nLast);
  m_aSectionNames[at] = name;
  m_apKeys[at].clear();
  m_apValues[at].clear();
  return m_nLast;
}

bool CProfileFile::NamesEqual(const std::string& a, const std::string& b) const {
  return m_bIgnoreCase ? EqualIgnoringAsciiCase(a, b) : a == b;
}

int CProfileFile::FindSection(const std::string& name) const {
  for (int i = 0; i < SectionCount(); ++i)
    if (NamesEqual(m_aSectionNames[static_cast<std::size_t>(i)], name)) return i;
  return -1;
}

int CProfileFile::FindKey(int section, const std::string& key) const {
  if (section < 0 || section >= SectionCount()) return -1;
  const auto& keys = m_apKeys[static_cast<std::size_t>(section)];
  for (std::size_t k = keys.size(); k-- > 0;)
    if (NamesEqual(keys[k], key)) return static_cast<int>(k);
  return -1;
}

std::string CProfileFile::GetString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
  const int s = FindSection(section);
  if (s < 0) return defaultValue;
  const int k = FindKey(s, key);
  if (k < 0) return Strip(defaultValue);
  std::string value = m_apValues[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)];
  // Only these marks start a remark inside a value; what stands before one,
  // blanks included, is the value.
  CutAt(value, "//");
  CutAt(value, "\t;");
  CutAt(value, "/*");
  return value;
}

void CProfileFile::SetString(const std::string& section, const std::string& key, const std::string& value) {
  if (!IsLoaded()) return;
  int s = FindSection(section);
  if (s < 0) {
    s = AppendSection(section);
    m_bModified = true;
  }
  auto& keys = m_apKeys[static_cast<std::size_t>(s)];
  auto& values = m_apValues[static_cast<std::size_t>(s)];
  const int k = FindKey(s, key);
  if (k < 0) {
    keys.push_back(key);
    values.push_back(value);
    m_bModified = true;
    return;
  }
  std::string& stored = values[static_cast<std::size_t>(k)];
  if (!NamesEqual(stored, value)) m_bModified = true;
  stored = value;
}

std::string CProfileFile::BackupName() {
  if (!m_strBackupName.empty()) return m_strBackupName;
  const PathParts parts = SplitPath(m_strPath);
  std::string stem = parts.name;
  // The extension of the file's own name; a point in a folder name is none.
  const auto dot = stem.rfind('.');
  if (dot != std::string::npos) stem.resize(dot);

  int largest = 0;
  for (const std::string& name : FolderEntryNames(parts.folder))
    if (name.compare(0, stem.size(), stem) == 0) largest = std::max(largest, TrailingNumber(name));
  char number[16];
  std::snprintf(number, sizeof number, ".%.3d", largest + 1);
  m_strBackupName = m_strPath + number;
  return m_strBackupName;
}

CProfileFile::SaveResult CProfileFile::Save(bool backup) {
  SaveResult result;
  if (!m_bModified) return result;
  const auto failed = [&result](int err) {
    result.ok = false;
    result.sysError = err;
    return result;
  };
  if (m_strPath.empty()) return failed(ENOENT);
  if (m_bMakeFolder) {
    if (const int err = MakeFolders(m_strPath.substr(0, m_strPath.rfind('/') + 1)); err != 0) return failed(err);
  }
  if (backup) {
    const std::string name = BackupName();
    std::string old;
    int err = ReadFileHead(m_strPath, old.max_size(), old);
    if (err != 0 && err != ENOENT) return failed(err);
    // A file removed behind our back leaves nothing to keep a copy of.
    if (err == 0) {
      err = SafeFileWrite(name, old.data(), old.size());
      if (err != 0) return failed(err);
      result.backupName = name;
    }
  }
  const std::string text = SerializedText();
  const int err = SafeFileWrite(m_strPath, text.data(), text.size());
  return err != 0 ? failed(err) : result;
}

CProfileFile::SaveResult CProfileFile::SetStringAndSave(const std::string& section, const std::string& key,
                                                        const std::string& value) {
  const std::vector<std::string> names = m_aSectionNames;
  const std::vector<std::vector<std::string>> keys = m_apKeys;
  const std::vector<std::vector<std::string>> values = m_apValues;
  const int last = m_nLast;
  const bool modified = m_bModified;
  SetString(section, key, value);
  SaveResult result = Save(false);
  if (!result.ok) {
    m_aSectionNames = names;
    m_apKeys = keys;
    m_apValues = values;
    m_nLast = last;
    m_bModified = modified;
  }
  return result;
}

void CProfileFile::SaveTo(const std::string& path) {
  if (!IsLoaded()) return;
  m_strPath = path;
  m_strBackupName.clear();
  m_bMakeFolder = true;
}

void CProfileFile::Clear() {
  m_aSectionNames.clear();
  m_apKeys.clear();
  m_apValues.clear();
  m_nLast = 0;
  m_strPath.clear();
  // A backup name belongs to the file it was found beside.
  m_strBackupName.clear();
  m_bModified = false;
  m_bMakeFolder = false;
}

std::string ProfileLoadErrorText(int err, Language language) {
  return err == kProfileTooLarge ? kProfileTooLargeText(language) : FileErrorText(err, language);
}

std::string ProfileLoadFailureText(const std::string& path, int err, Language language) {
  return FillText(kProfileNotReadText(language), {path, ProfileLoadErrorText(err, language)});
}
