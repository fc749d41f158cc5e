#pragma once
// The radio type and band as "Program.ini" names them, and the main window's
// caption built from them. The channel window and the Product Information
// dialog both go through here.
#include <string>
#include <vector>

#include "radio/ChannelCodecs.h"

class CProfileFile;

// A band list as "Field%d" holds it, split at each '|'; the text after the
// last '|' is an element too, so an empty list is one empty band.
std::vector<std::string> SplitBandList(const std::string& bandList);

// Element `index` (from 0) of a band list; the last element when the list is
// shorter.
std::string BandTextAt(const std::string& bandList, int index);

struct ProductNames {
  std::string typeName;  // "Type%d" of type + 1
  std::string bandText;  // element `band` of "Field%d" of type + 1
};

// From section "Setup" of the profile; missing keys read as empty.
ProductNames ProductNamesOf(const CProfileFile& profile, int type, int band);

// appTitle + "  [ Type:" + type + "  Fre:" + band + " ]" (Chinese labels
// "  [ 类型:" and "  频率:").
std::string ProductCaption(const std::string& appTitle, const ProductNames& names, bool chinese);
