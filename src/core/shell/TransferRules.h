#pragma once
// What the program window refuses while a Read or Write runs: everything
// that would remove the document or end the program under the transfer, a
// second transfer, and every change to the document or save of it. What only
// looks at the document (copy, export, print, compare) stays usable.
#include "core/lang/Language.h"

bool RefusedDuringTransfer(int command);

// The status bar note for a refused command, close or cell edit.
const char* TransferBusyNote(Language language);
