#include "core/print/PrintoutPage.h"

#include <cstdio>

#include "core/print/OptionLines.h"
#include "core/print/PrintTexts.h"
#include "core/profile/ProfileFile.h"

namespace {

// Under a channel's heading, the printed columns two to a line: a label and
// its cell at the left, the next pair at the right.
constexpr int kPrintedColumns = [] {
  int n = 0;
  for (const ChannelColumnDef& column : kChannelColumnRows) n += column.printed ? 1 : 0;
  return n;
}();
constexpr int kLinesPerChannel = (kPrintedColumns + 1) / 2 + 2;  // the heading, the lines, one blank
// Font B's lines are about 0.8 of font A's, so the rule above the footer, 35.5
// lines of font A down, leaves room for 44 of them: a page's last channel
// must end there.
constexpr int kLastChannelLine = (kChannelsPerPage - 1) * kLinesPerChannel + 4 + kLinesPerChannel - 2;
static_assert(kLastChannelLine <= 44, "the printed columns of eight channels must fit above the footer");

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
    int printed = 0;
    for (const ChannelColumnDef& column : kChannelColumnRows) {
      if (!column.printed) continue;
      const bool left = printed % 2 == 0;
      const int y = -(top + 1 + printed / 2) * m.lb;
      page.texts.push_back({PrintFont::B, (left ? 5 : 36) * m.u, y, column.printLabel(language)});
      page.texts.push_back({PrintFont::B, (left ? 22 : 55) * m.u, y, row[column.column]});
      ++printed;
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
