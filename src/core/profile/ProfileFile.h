#pragma once
// An INI-style settings file held wholly in memory: sections of key/value
// pairs in file order, looked up by name, written back as a whole.
#include <cstddef>
#include <string>
#include <vector>

#include "core/lang/Language.h"

// A settings file is a few kilobytes: a larger one is no "Program.ini", and
// held in memory whole it could take all there is.
constexpr std::size_t kMaxProfileSize = 1024 * 1024;
// The load error of a file larger than that; beyond every OsError code.
constexpr int kProfileTooLarge = 0x10100;

// How a loaded profile behaves; combined with |.
enum class ProfileOptions : unsigned {
  None = 0,
  SaveOnClose = 1u << 0,  // the destructor saves what changed
  IgnoreCase = 1u << 1,   // section and key names match without regard to ASCII letter case
  Backup = 1u << 2,       // that save first keeps the old file as NAME.001, NAME.002...
};
constexpr ProfileOptions operator|(ProfileOptions a, ProfileOptions b) {
  return static_cast<ProfileOptions>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool HasOption(ProfileOptions options, ProfileOptions option) {
  return (static_cast<unsigned>(options) & static_cast<unsigned>(option)) != 0;
}

class CProfileFile {
 public:
  explicit CProfileFile(int growBy = 4);  // a step below 1 counts as 1
  ~CProfileFile();                        // saves when asked to at open, then clears
  CProfileFile(const CProfileFile&) = delete;
  CProfileFile& operator=(const CProfileFile&) = delete;

  // fileName is taken relative to the program folder.
  bool Open(const std::string& fileName, ProfileOptions options);
  // A missing file is created empty. False when the file cannot be opened or
  // read (nothing is loaded then), and also when a file loaded before had
  // changes that could not be saved (that file then stays loaded).
  bool Load(const std::string& path, ProfileOptions options);
  // Why the last Load read nothing: 0, an OsError code or kProfileTooLarge.
  int LoadError() const { return m_nLoadError; }

  std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
  void SetString(const std::string& section, const std::string& key, const std::string& value);

  struct SaveResult {
    bool ok = true;          // false: the file on disk is unchanged
    int sysError = 0;        // OsError code of the failed step
    std::string backupName;  // empty when no backup was made
  };
  // Writes nothing (and succeeds) when nothing was modified. The new text
  // replaces the file in one rename, so a failed save leaves it whole. With
  // `backup`, the old file is copied first; when that copy fails, nothing is
  // written.
  SaveResult Save(bool backup);

  // SetString and Save in one, for a change that must not outlive a failed
  // save: when the file cannot take it, the profile in memory is put back as
  // it was, so that neither this run nor the save on close holds the change.
  SaveResult SetStringAndSave(const std::string& section, const std::string& key, const std::string& value);

  // From now on Save writes `path`, making its folder first when missing: for
  // a profile read from a file this user may not change. Nothing happens when
  // nothing is loaded.
  void SaveTo(const std::string& path);

  void Clear();
  int FindSection(const std::string& name) const;
  int FindKey(int section, const std::string& key) const;

  const std::string& Path() const { return m_strPath; }
  bool IsModified() const { return m_bModified; }
  bool IsLoaded() const { return !m_aSectionNames.empty(); }
  int SectionCount() const { return IsLoaded() ? m_nLast + 1 : 0; }
  int TableCapacity() const { return static_cast<int>(m_aSectionNames.size()); }

  // The parser alone, for the loader and the fuzzer: replaces whatever was
  // held (without saving it) by the sections of `text`. The result is held
  // in memory only: SetString works on it, Save has no file to write.
  void ParseText(const std::string& text);
  // The text Save writes.
  std::string SerializedText() const;

 private:
  bool NamesEqual(const std::string& a, const std::string& b) const;
  void ResetTables();
  int AppendSection(const std::string& name);
  std::string BackupName();

  int m_nGrowBy;
  std::vector<std::string> m_aSectionNames;
  std::vector<std::vector<std::string>> m_apKeys;
  std::vector<std::vector<std::string>> m_apValues;
  int m_nLast = 0;
  bool m_bIgnoreCase = false;
  bool m_bSaveOnClose = false;
  bool m_bBackup = false;
  bool m_bModified = false;
  bool m_bMakeFolder = false;  // set by SaveTo
  std::string m_strPath;
  std::string m_strBackupName;
  int m_nLoadError = 0;
};

// "Program.ini 'PATH' was not read: REASON", for a failed Load.
// Why a Load read nothing, from its LoadError().
std::string ProfileLoadErrorText(int err, Language language);
std::string ProfileLoadFailureText(const std::string& path, int err, Language language);
