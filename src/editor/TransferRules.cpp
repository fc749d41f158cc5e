#include "editor/TransferRules.h"

#include "app/RecentFileList.h"
#include "app/ResourceIds.h"

namespace {
constexpr LangText kBusy = {"A transfer is running; wait until it ends.", "正在与电台通信，请等待通信结束。"};
}  // namespace

bool RefusedDuringTransfer(int command) {
  switch (command) {
    case Cmd::kFileNew:
    case Cmd::kFileOpen:
    case Cmd::kFileOpenBackup:
    case Cmd::kFileClose:
    case Cmd::kAppExit:
    case Cmd::kLanguage:
    case Cmd::kRead:
    case Cmd::kWrite:
      return true;
    default:
      // A recent file replaces the document as Open does.
      return command >= Cmd::kFileMru1 && command < Cmd::kFileMru1 + static_cast<int>(kRecentFileCount);
  }
}

const char* TransferBusyNote(bool chinese) { return kBusy(chinese); }
