#include "core/print/PrintoutPage.h"

#include <cstdio>

#include "core/print/OptionLines.h"
#include "core/print/PrintTexts.h"
#include "core/profile/ProfileFile.h"

namespace {

// The three lines under a channel's heading: a label and a column of the
// channel table at the left, another pair at the right.
struct ChannelLine {
  LangText leftLabel;
  int leftColumn;
  LangText rightLabel;
  int rightColumn;
};
const ChannelLine kChannelLines[] = {
    {kRxFrequencyLabel, kColRxFrequency, kTxFrequencyLabel, kColTxFrequency},
    {kDecodeToneLabel, kColDecodeTone, kEncodeToneLabel, kColEncodeTone},
    {kBandwidthLabel, kColBandwidth, kScanLabel, kColScan},
};
constexpr int kLinesPerChannel = 5;  // the heading, three lines, one blank

std::string Numbered(const char* format, int a, int b = 0) {
  char text[64];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

void AddRulesAndFooter(PrintoutPage& page, const PrintUnits& m, const std::string& owner, int p, int pages) {
  const int la = m.la;
  for (int y : {-2 * (la + 25), -2 * (la + 60), la / 2 - 36 * la}) page.rules.push_back({5 * m.u, 60 * m.u, y});
  page.texts.push_back({PrintFont::B, 10 * m.u, -36 * la, owner});
  page.texts.push_back({PrintFont::B, 45 * m.u, -36 * la, Numbered("Page %d of %d", p, pages)});
}

void AddOptionsBody(PrintoutPage& page, const PrintoutSource& source, const PrintUnits& m) {
  page.texts.push_back({PrintFont::A, 6 * m.u, -m.la, OptionPageTitle(source.language)});
  page.texts.push_back({PrintFont::B, 6 * m.u, -4 * m.lb, OptionPageHeading(source.language)});
  int n = 5;
  for (const OptionLine& line : OptionLinesFromImage(source.image, source.language)) {
    page.texts.push_back({PrintFont::B, 9 * m.u, -n * m.lb, line.label});
    page.texts.push_back({PrintFont::B, 35 * m.u, -n * m.lb, line.value});
    ++n;
  }
}

void AddChannelBody(PrintoutPage& page, const PrintoutSource& source, const ChannelPagePlan& plan, int channelPage,
                    const PrintUnits& m) {
  const Language language = source.language;
  page.texts.push_back({PrintFont::A, 6 * m.u, -m.la, kChannelPageTitle(language)});
  int s = 0;
  for (int n : ChannelsOnPage(source.table, plan, channelPage)) {
    const ChannelRow& row = source.table[static_cast<std::size_t>(n - 1)];
    const int top = kLinesPerChannel * s + 4;
    page.texts.push_back({PrintFont::B, 4 * m.u, -top * m.lb, Numbered(kChannelHeading(language), n)});
    int line = top + 1;
    for (const ChannelLine& c : kChannelLines) {
      const int y = -line * m.lb;
      page.texts.push_back({PrintFont::B, 5 * m.u, y, c.leftLabel(language)});
      page.texts.push_back({PrintFont::B, 22 * m.u, y, row[static_cast<std::size_t>(c.leftColumn)]});
      page.texts.push_back({PrintFont::B, 36 * m.u, y, c.rightLabel(language)});
      page.texts.push_back({PrintFont::B, 55 * m.u, y, row[static_cast<std::size_t>(c.rightColumn)]});
      ++line;
    }
    ++s;
  }
}

}  // namespace

std::string PrintoutOwner(const CProfileFile& profile, const std::string& language) {
  return profile.GetString(language, "Copyrights Owner", "");
}

PrintoutPage LayOutPrintoutPage(const PrintoutSource& source, int page, const PrintUnits& units) {
  const ChannelPagePlan plan = CountChannelPages(source.table);
  PrintoutPage result;
  if (page == 1)
    AddOptionsBody(result, source, units);
  else
    AddChannelBody(result, source, plan, page - 1, units);
  AddRulesAndFooter(result, units, source.owner, page, plan.PrintoutPages());
  return result;
}
