#include "core/radio/ToneTables.h"

#include <algorithm>
#include <cstdio>

namespace {

// The standard 104 codes and 645.
const std::vector<int> kOffered = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115, 116, 122, 125,
    131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223, 225, 226, 243, 244, 245, 246,
    251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365,
    371, 411, 412, 413, 423, 431, 432, 445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526,
    532, 546, 565, 606, 612, 624, 627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754,
};

// Radios in the field may hold these two, so they decode although no editor
// offers them.
const std::vector<int> kDecodedOnly = {17, 50};

std::vector<int> AllCodes() {
  std::vector<int> all = kOffered;
  all.insert(all.end(), kDecodedOnly.begin(), kDecodedOnly.end());
  std::sort(all.begin(), all.end());
  return all;
}

// The octal digits of a code, read as octal.
int OctalValue(int code) { return (code / 100) * 64 + (code / 10 % 10) * 8 + code % 10; }

}  // namespace

const std::vector<int>& DcsCodes() {
  static const std::vector<int> codes = AllCodes();
  return codes;
}

const std::vector<int>& OfferedDcsCodes() { return kOffered; }

const std::vector<std::string>& CtcssToneTexts() {
  static const std::vector<std::string> tones = {
      "62.5",  "64.0",  "65.5",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",
      "88.5",  "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0",
      "127.3", "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
      "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5", "203.5",
      "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1",
  };
  return tones;
}

int DcsStoredValue(long long code) {
  const std::vector<int>& codes = DcsCodes();
  if (!std::binary_search(codes.begin(), codes.end(), code)) return -1;
  return OctalValue(static_cast<int>(code));
}

int DcsCodeOfValue(int storedValue) {
  for (int code : DcsCodes())
    if (OctalValue(code) == storedValue) return code;
  return 0;
}

std::vector<std::string> BuildToneList(Language language) {
  std::vector<std::string> list;
  list.reserve(kToneListSize);
  list.emplace_back(kNoToneText(language));
  const std::vector<std::string>& ctcss = CtcssToneTexts();
  list.insert(list.end(), ctcss.begin(), ctcss.end());
  for (const char* suffix : {"N", "I"}) {
    for (int code : kOffered) {
      char text[16];
      std::snprintf(text, sizeof text, "D%03d%s", code, suffix);
      list.emplace_back(text);
    }
  }
  return list;
}
