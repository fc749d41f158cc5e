#pragma once
// What a transfer tells its user, in English or Chinese.
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/link/TransferRanges.h"

struct TransferResult;

// The progress caption of a main transfer: "Read Data" or "Write Data".
const char* TransferCaption(Direction direction, Language language);
// The caption of the read-back that verifies a Write: "Verify".
const char* VerifyCaption(Language language);

// The message box texts of the outcomes.
const char* PortOpenFailedMessage(Language language);
const char* CommunicationErrorMessage(Language language);
const char* CancelledMessage(Language language);
// What the window's status bar says after a transfer that succeeded.
const char* TransferCompleteText(Direction direction, Language language);
const char* ServicePortOpenFailedMessage(Language language);
const char* ServiceSuccessMessage(Direction direction, Language language);
const char* ServiceCommunicationErrorMessage(Direction direction, Language language);

// For a failed or cancelled main transfer, what happened in plain words: the
// step that failed, and for a Write that reached the blocks, that the radio
// now holds a partly written memory. Nothing for a success or a port that did
// not open (the port's probe says why).
std::vector<std::string> TransferFailureDetails(const TransferResult& result, Language language);
// The last of those details alone: after a Write that failed or was
// cancelled once blocks were sent, that the radio holds a partly written
// memory and is to be written again; empty otherwise.
std::string PartlyWrittenLine(const TransferResult& result, Language language);
