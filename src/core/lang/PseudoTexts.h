#pragma once
// A test's check that every text a user sees comes from the catalogue: with
// pseudo texts on, each entry reads as its English form with each line
// wrapped in "[!...!]",
// so a text shown unwrapped was written outside the catalogue. Tests only:
// no setting, dialog or option of the programs turns it on.

void SetPseudoTexts(bool on);
bool PseudoTextsOn();

// "[!english!]" (each line so), kept for the process's life so that it can be handed out as
// an entry's text.
const char* PseudoText(const char* english);
