#pragma once
// What the program window refuses while a Read or Write runs: everything
// that would remove the document or end the program under the transfer,
// and a second transfer.
#include "radio/Language.h"

bool RefusedDuringTransfer(int command);

// The status bar note for a refused command or close.
const char* TransferBusyNote(bool chinese);
