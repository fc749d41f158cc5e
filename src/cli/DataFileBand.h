#pragma once
// The band a data file's channels are checked against, as the channel window
// takes it: the file's radio type and band looked up in Program.ini.
#include <string>

#include "radio/ChannelCodecs.h"
#include "radio/RadioImage.h"

// LOW-HIGH in whole MHz, as Program.ini writes bands ("400-470",
// "400-470MHz", "130 - 160MHz"); false for anything else or a band no
// channel could be checked against.
bool ParseBandText(const std::string& text, BandLimits& band);

// The band of `image`'s radio type and band index in Program.ini beside
// programcli. False when there is none, with `why` saying what is missing.
bool DataFileBand(const RadioImage& image, BandLimits& band, std::string& bandText, std::string& why,
                  bool chinese = false);
