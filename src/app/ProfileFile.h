#pragma once
// An INI-style settings file held wholly in memory: sections of key/value
// pairs in file order, looked up by name, written back as a whole.
#include <string>
#include <vector>

class CProfileFile {
 public:
  explicit CProfileFile(int growBy = 4);
  ~CProfileFile();  // saves when asked to at open, then clears
  CProfileFile(const CProfileFile&) = delete;
  CProfileFile& operator=(const CProfileFile&) = delete;

  // fileName is taken relative to the program folder.
  bool Open(const std::string& fileName, bool saveOnClose, bool ignoreCase, bool backup);
  bool Load(const std::string& path, bool saveOnClose, bool ignoreCase, bool backup);

  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue) const;
  void SetString(const std::string& section, const std::string& key, const std::string& value);

  struct SaveResult {
    bool ok = true;             // false: the file on disk is unchanged
    int sysError = 0;           // errno of the failed step
    std::string backupName;     // empty when no backup was made
  };
  // Writes nothing (and succeeds) when nothing was modified.
  SaveResult Save(bool backup);

  void Clear();
  int FindSection(const std::string& name) const;
  int FindKey(int section, const std::string& key) const;

  const std::string& Path() const { return m_strPath; }
  bool IsModified() const { return m_bModified; }
  int SectionCount() const { return static_cast<int>(m_nLast) + (m_strPath.empty() ? 0 : 1); }
  int TableCapacity() const { return static_cast<int>(m_aSectionNames.size()); }

  // The parser alone, for the loader and the fuzzer.
  void ParseText(const std::string& text);
  std::string SerializedText() const;

 private:
  bool NamesEqual(const std::string& a, const std::string& b) const;
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
  std::string m_strPath;
  std::string m_strBackupName;
};
