#pragma once
// Every text and rule of one printed page, placed in twips (y growing
// upwards: lines further down have more negative y; a text's point is the top
// left corner of its first character cell). The drawing code only turns these
// into strokes; the window's printout and programcli's PDF share them.
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/print/ChannelPages.h"
#include "core/radio/ChannelTable.h"
#include "core/radio/RadioImage.h"

class CProfileFile;

// What a printout is made of.
struct PrintoutSource {
  RadioImage image;    // page 1: the options
  ChannelTable table;  // the channel pages: the texts the channel table shows
  std::string owner;   // the footer's owner text, may be empty
  Language language = Language::English;
};

// The owner text: "Copyrights Owner" in the language's section of the profile.
std::string PrintoutOwner(const CProfileFile& profile, const std::string& language);

enum class PrintFont { A, B };

struct PrintText {
  PrintFont font;
  int x;
  int y;
  std::string text;
};

struct PrintRule {
  int x1;
  int x2;
  int y;
};

struct PrintoutPage {
  std::vector<PrintRule> rules;
  std::vector<PrintText> texts;
};

// The measures the page is laid out in: the column unit and the line heights
// of fonts A and B as measured on the device (height plus external leading).
struct PrintUnits {
  int u = 0;
  int la = 0;
  int lb = 0;
};

// Page p (1-based) of the printout: options for p = 1, channel page p - 1
// after that, always the rules and the footer "Page p of N".
PrintoutPage LayOutPrintoutPage(const PrintoutSource& source, int page, const PrintUnits& units);
