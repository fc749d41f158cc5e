#pragma once
// The radio-wide options' values: each list's entries, the entry the image
// selects, what storing an entry does to the image, and the printout's
// words for a byte. The rules come from the rows of OptionDefinitions.h.
#include <array>
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/radio/RadioImage.h"
#include "core/settings/OptionDefinitions.h"

// The image byte a list is stored in.
std::uint16_t OptionListOffset(OptionList list);

// The list's entries, index 0 first.
std::vector<std::string> OptionListEntries(OptionList list, Language language);

// The selected entry of each list; kNoSelection when the stored value has no
// entry.
constexpr int kNoSelection = -1;
using OptionIndexes = std::array<int, kOptionListCount>;

// The entry a list shows for the image. A side key whose code has no entry
// (7) shows entry 0, "Off".
int OptionIndexFromImage(const RadioImage& image, OptionList list);
OptionIndexes OptionIndexesFromImage(const RadioImage& image);

// Stores one list's selection. No selection (or an index outside the list)
// leaves the byte as it was: confirming a list the user never touched must
// not turn an unknown value into another. A side key changes only its own
// three bits.
void StoreOptionIndex(OptionList list, int index, RadioImage& image);
// The dialog's OK: every list. No two lists share a bit, so the order is free.
void StoreOptionIndexes(const OptionIndexes& indexes, RadioImage& image);

// What the printout shows for a printed list (its row's print rule), a
// byte with no entry included.
std::string OptionPrintedValue(const RadioImage& image, OptionList list, Language language);
