#pragma once
// Channels that lie outside the radio's band. Changing the band keeps them,
// so the window names them after the change and asks before it writes them,
// and programcli write refuses to send them.
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/radio/ChannelCodecs.h"
#include "core/radio/RadioImage.h"

// The channels (1-16) with a receive or transmit frequency that is set and
// lies outside `band`, in order. None when the band cannot be judged against
// at all: a profile without the radio's type or band gives such a band.
std::vector<int> ChannelsOutsideBand(const RadioImage& image, const BandLimits& band);

// After the band changed to `bandText`: the channels outside it, which are kept.
std::string BandChangeNote(const std::string& bandText, const std::vector<int>& channels, Language language);
// Before a Write: whether to send the channels outside the band all the same.
std::string WriteOutsideBandQuestion(const std::string& bandText, const std::vector<int>& channels, Language language);
// programcli write's refusal of such a file.
std::string WriteOutsideBandRefusal(const std::string& bandText, const std::vector<int>& channels, Language language);
