#pragma once
// What the user is told about recovery copies, in English and Chinese.
#include <string>

#include "core/lang/Language.h"

// The question for a copy found at start, with the time it was last written.
std::string RecoveryOfferText(const std::string& path, Language language);
// The note when unsaved changes cannot be kept: the folder and the reason.
std::string RecoveryFailureText(const std::string& folder, int error, Language language);
