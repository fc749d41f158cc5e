#include "core/shell/TransferRules.h"

#include "core/shell/RecentFileList.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ShellTexts.h"

bool RefusedDuringTransfer(int command) {
  switch (command) {
    // They would remove the document or end the program under the transfer.
    case Cmd::kFileNew:
    case Cmd::kFileOpen:
    case Cmd::kFileOpenBackup:
    case Cmd::kFileClose:
    case Cmd::kAppExit:
    case Cmd::kLanguage:
    // One transfer at a time on the one port.
    case Cmd::kRead:
    case Cmd::kWrite:
    case Cmd::kPowerAdjust:
    case Cmd::kParamAdjust:
    // The document is left alone until the transfer ends: a Read replaces
    // it then, and a Write sends it as it stood at OK. A save whose file
    // dialog is still open when a Read ends would write the radio's memory.
    case Cmd::kFileSave:
    case Cmd::kFileSaveAs:
    case Cmd::kEditUndo:
    case Cmd::kEditRedo:
    case Cmd::kEditCut:
    case Cmd::kEditPaste:
    case Cmd::kInsertChannel:
    case Cmd::kDeleteChannel:
    case Cmd::kMoveChannelUp:
    case Cmd::kMoveChannelDown:
    case Cmd::kClearChannel:
    case Cmd::kImportChannels:
    case Cmd::kProductInformation:
    case Cmd::kOptionalFeatures: return true;
    default:
      // A recent file replaces the document as Open does.
      return command >= Cmd::kFileMru1 && command < Cmd::kFileMru1 + static_cast<int>(kRecentFileCount);
  }
}

const char* TransferBusyNote(Language language) { return kTransferBusyText(language); }
