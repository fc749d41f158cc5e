#pragma once
// The radio model and band: the lists "Program.ini" offers, the texts the
// window's caption shows, and what choosing one does to the image.
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/radio/ChannelCodecs.h"
#include "core/radio/RadioImage.h"

class CProfileFile;

constexpr int kMaxModels = 19;

// "Type1", "Type2", ... of [Setup], up to the first missing or empty one.
std::vector<std::string> ModelList(const CProfileFile& profile);
// "Type%d" of model + 1: the name of model `model` (from 0), empty when the
// profile has none.
std::string ModelName(const CProfileFile& profile, int model);
// "Field%d" of model + 1 split at '|', the text after the last '|' included:
// a missing or empty text gives one empty entry. No model selected (-1)
// reads "Field0", which is normally missing.
std::vector<std::string> BandList(const CProfileFile& profile, int model);

// The model name and band text an image stands for, as the channel window's
// caption and band limits take them: "Type%d" of productType + 1, and element
// productBand of that model's band list, the last element when the list is
// shorter.
struct ProductTexts {
  std::string model;
  std::string band;
};
ProductTexts ProductTextsOfImage(const CProfileFile& profile, const RadioImage& image);

// The main window's caption: the application title, then
// "  [ Type:MODEL  Fre:BAND ]" ("  [ 类型:MODEL  频率:BAND ]" in Chinese).
std::string ProductCaption(const std::string& appTitle, const ProductTexts& product, Language language);

// The Product Information dialog's OK on the image: productType and
// productBand (-1, no selection, stored as 0xFF), and the narrow squelch
// threshold's default when the band's lower limit moves to another
// hundred-MHz range (2 for 100-199 MHz, 8 for 300-499 MHz, any other range
// leaves it). `before` is the band the window held until now.
// Returns the new band limits.
BandLimits StoreProductChoice(int model, int band, const std::string& bandText, const BandLimits& before,
                              RadioImage& image);
