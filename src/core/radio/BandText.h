#pragma once
// Band texts, LOW-HIGH in whole MHz: the band of a radio type as
// "Program.ini" writes it ("400-470MHz", "130 - 160MHz") and the band given
// on the command line ("400-470"). One parser reads both; they differ only
// in what may surround the two numbers.
#include <string>

#include "core/radio/ChannelCodecs.h"

enum class BandTextForm {
  Exact,    // LOW-HIGH and nothing else: digits, '-', digits
  Profile,  // blanks around the '-', and anything after HIGH ("MHz")
};

enum class BandTextError {
  None,
  NotLowHigh,    // not two whole numbers with a '-' between, as the form asks
  NotAscending,  // LOW is not below HIGH
  NotStorable,   // below 10 MHz or beyond the top a channel record can hold
};

struct BandText {
  BandLimits limits;  // by the band rule, whatever `error` says
  BandTextError error = BandTextError::None;
};

BandText ParseBandText(const std::string& text, BandTextForm form);
