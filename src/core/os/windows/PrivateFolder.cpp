#include "core/os/PrivateFolder.h"

// The folders under %APPDATA% and %LOCALAPPDATA% carry this user's access
// list from the profile; only a folder that is no absolute path is refused.
OsError JudgePrivateFolder(const std::string& folder) {
  const bool drive = folder.size() >= 3 && folder[1] == ':' && (folder[2] == '/' || folder[2] == '\\');
  const bool share = folder.rfind("\\\\", 0) == 0 || folder.rfind("//", 0) == 0;
  return OsError(drive || share ? 0 : kNoHomeFolder);
}
