#pragma once
// The band a data file's channels are checked against, as the channel window
// takes it: the file's radio type and band looked up in Program.ini.
#include <string>

#include "core/lang/Language.h"
#include "core/radio/BandText.h"
#include "core/radio/ChannelCodecs.h"
#include "core/radio/RadioImage.h"

// Why a band text is refused, to follow "'TEXT' ".
std::string BandTextErrorText(BandTextError error, Language language = Language::English);

// The band of `image`'s radio type and band index in Program.ini beside
// programcli. False when there is none or it cannot be read, with `why`
// saying what is missing.
bool DataFileBand(const RadioImage& image, BandLimits& band, std::string& bandText, std::string& why,
                  Language language = Language::English);
