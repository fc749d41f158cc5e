#pragma once
// The radio-wide options of an image by name, for scripts: the eleven
// option lists, then the model and the band. programcli set, show and diff
// use these names, and the values go through the dialogs' own rules.
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/radio/RadioImage.h"

class CProfileFile;

// "timeout", "squelch", "priority", "voice", "side-key-1", "side-key-2",
// "vox", "vox-gain", "vox-delay", "beep", "battery-saver", "model", "band".
const std::vector<std::string>& RadioOptionNames();

struct RadioOptionValue {
  std::string name;
  std::string value;
};

// Every option in the order of RadioOptionNames, as the dialogs show it in
// the language asked for: the list entry, the model name and band text of
// the channel window's caption. A value that shows nothing there is given as
// its byte, "(0x03)".
std::vector<RadioOptionValue> RadioOptionsOfImage(const RadioImage& image, const CProfileFile& profile,
                                                  Language language);

// Applies "name=value" assignments. A value is an entry of the option's list
// in either language, compared without regard to case, with blanks, '-' and
// '_' alike and a trailing "s" of seconds optional ("60", "60s", "monitor
// momentary"); a model or band is its name in "Program.ini" or its number
// from 1. A model without a band takes the model's first band; a band
// refers to the model given, else to the image's. Only the options named
// change (a band moving to another hundred-MHz range also sets the narrow
// squelch default, as the dialog does). On the first unknown name or value,
// a name given twice or a word that is no assignment, returns false with a
// one-line `error` and leaves `image` as it was.
bool ApplyRadioOptions(const std::vector<std::string>& assignments, const CProfileFile& profile, RadioImage& image,
                       std::string& error);

// The option lines of programcli set --help: each NAME=VALUES, values as
// set takes them ("off|1-16"), a list that several options share written
// once under its own name. Every line starts with two blanks and ends with
// a newline.
std::string RadioOptionValuesHelp();
