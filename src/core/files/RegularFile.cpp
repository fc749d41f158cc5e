#include "core/files/RegularFile.h"

#include "core/files/FileTexts.h"

std::string FileErrorText(int err, Language language) {
  switch (err) {
    case kNotRegularFile: return kNotRegularFileText(language);
    case kForeignLink: return kForeignLinkText(language);
    case kForeignFolderLink: return kForeignFolderLinkText(language);
    case kNoHomeFolder: return kNoHomeFolderText(language);
    case kSharedFolder: return kSharedFolderText(language);
    default: break;
  }
  return SystemErrorText(err);
}
