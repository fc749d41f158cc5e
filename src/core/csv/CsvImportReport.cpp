#include "core/csv/CsvImportReport.h"

#include "core/files/RegularFile.h"
#include "core/lang/Language.h"
#include "core/lang/TextFill.h"
#include "core/radio/ChannelTable.h"
namespace {

const LangText kRefusalTexts[] = {
    /* None */ {"Line {line}", "第 {line} 行"},
    /* NoFrequency */ {"Line {line}: no receive frequency", "第 {line} 行：没有接收频率"},
    /* OutOfRange */ {"", ""},  // CellRefusalText
    /* OffRaster */ {"", ""},   // CellRefusalText
    /* ReceiveOnly */
    {"Line {line}: a receive-only channel, which this radio does not have", "第 {line} 行：只收信道，本机没有只收信道"},
    /* UnknownDuplex */ {"Line {line}: unknown Duplex '{value}'", "第 {line} 行：未知的 Duplex“{value}”"},
    /* UnknownToneMode */ {"Line {line}: unknown tone mode '{value}'", "第 {line} 行：未知的亚音方式“{value}”"},
    /* UnknownTone */ {"", ""},  // CellRefusalText
    /* UnknownPolarity */
    {"Line {line}: unknown DCS polarity '{value}'", "第 {line} 行：未知的 DCS 极性“{value}”"},
    /* UnknownMode */
    {"Line {line}: unknown mode '{value}' (FM or NFM)", "第 {line} 行：未知的模式“{value}”（FM 或 NFM）"},
    /* UnknownValue */ {"", ""},  // CellRefusalText
    /* TooManyChannels */ {"Line {line}: more than 16 channels", "第 {line} 行：超过 16 个信道"},
    /* ChannelTaken */
    {"Line {line}: channel {value} is taken by an earlier line", "第 {line} 行：信道 {value} 已被前面的行占用"},
    /* NotMegahertz */
    {"Line {line}: {column} '{value}' is not a number of MHz (such as 446.00625)",
     "第 {line} 行：{column}“{value}”不是以 MHz 计的数（例如 446.00625）"},
    /* NotANumber */ {"Line {line}: '{value}' is not a number of MHz", "第 {line} 行：“{value}”不是以 MHz 计的数"},
    /* NoOffset */ {"Line {line}: Duplex '{value}' without an Offset", "第 {line} 行：Duplex“{value}”没有 Offset"},
    /* NegativeOffset */
    {"Line {line}: Offset '{value}' is negative (Duplex gives the side)",
     "第 {line} 行：Offset“{value}”为负数（方向由 Duplex 给出）"},
};
static_assert(sizeof kRefusalTexts / sizeof kRefusalTexts[0] ==
                  static_cast<std::size_t>(CsvRefusalReason::NegativeOffset) + 1,
              "a text for every reason");

const LangText kLinePrefix{"Line {line}: ", "第 {line} 行："};

// A value a cell's own rules refused is told as the channel window tells it.
CellVerdict CellVerdictOf(CsvRefusalReason reason) {
  switch (reason) {
    case CsvRefusalReason::OutOfRange: return CellVerdict::OutOfRange;
    case CsvRefusalReason::OffRaster: return CellVerdict::OffRaster;
    case CsvRefusalReason::UnknownTone: return CellVerdict::UnknownTone;
    case CsvRefusalReason::UnknownValue: return CellVerdict::NotAnItem;
    default: return CellVerdict::Accepted;
  }
}

}  // namespace

std::string CsvFileFailureText(const CsvImportResult& result, Language language) {
  std::string text;
  switch (result.failure) {
    case CsvFileFailure::None: break;
    case CsvFileFailure::CannotRead:
      text = LangText{"The file cannot be read: {value}.", "无法读取文件：{value}。"}(language);
      FillPlaceholder(text, "{value}", FileErrorText(result.sysError, language));
      break;
    case CsvFileFailure::TooLarge:
      text = LangText{"The file is larger than 4 MB: not a channel list.", "文件大于 4 MB，不是信道列表。"}(language);
      break;
    case CsvFileFailure::HoldsNul:
      text = LangText{"Line {line} holds a NUL byte: the file is not text.",
                      "第 {line} 行含有 NUL 字节：文件不是文本。"}(language);
      FillPlaceholder(text, "{line}", std::to_string(result.failureLine));
      break;
    case CsvFileFailure::NotUtf8:
      text = LangText{"The file is not UTF-8 text.", "文件不是 UTF-8 文本。"}(language);
      break;
    case CsvFileFailure::UnclosedQuote:
      text = LangText{"Line {line}: a quoted field is not closed.", "第 {line} 行：引号没有闭合。"}(language);
      FillPlaceholder(text, "{line}", std::to_string(result.failureLine));
      break;
    case CsvFileFailure::NotChannelList:
      text = LangText{"The first line names no frequency column (Rx Frequency or Frequency): not a channel list.",
                      "第一行没有频率列（接收频率或 Frequency），不是信道列表。"}(language);
      break;
  }
  return text;
}

std::string CsvWriteFailureText(const std::string& path, int err, Language language) {
  return FillText(LangText{"Cannot write the file %s: %s.", "无法写入文件 %s：%s。"}(language),
                  {path, FileErrorText(err, language)});
}

std::string CsvRefusalText(const CsvRefusal& refusal, Language language) {
  const CellVerdict verdict = CellVerdictOf(refusal.reason);
  std::string text = verdict == CellVerdict::Accepted ? kRefusalTexts[static_cast<int>(refusal.reason)](language)
                                                      : kLinePrefix(language);
  FillPlaceholder(text, "{line}", std::to_string(refusal.line));
  if (verdict != CellVerdict::Accepted) return text + CellRefusalText(verdict, refusal.value, refusal.column, language);
  // The value last: a file's text may hold a placeholder of its own.
  if (refusal.column > 0) FillPlaceholder(text, "{column}", ChannelColumnTitle(refusal.column, language));
  FillPlaceholder(text, "{value}", ShownValue(refusal.value));
  return text;
}

std::string CsvImportReport(const CsvImportResult& result, Language language, std::size_t maxRefusals) {
  if (!result.Readable()) return CsvFileFailureText(result, language) + "\n";
  static constexpr LangText kImportedOne{"%s channel imported.\n", "已导入 %s 个信道。\n"};
  static constexpr LangText kImportedSeveral{"%s channels imported.\n", "已导入 %s 个信道。\n"};
  static constexpr LangText kRefusedOne{"%s line refused:\n", "%s 行未导入：\n"};
  static constexpr LangText kRefusedSeveral{"%s lines refused:\n", "%s 行未导入：\n"};
  std::string report =
      FillText((result.imported == 1 ? kImportedOne : kImportedSeveral)(language), {std::to_string(result.imported)});
  if (!result.refused.empty())
    report += FillText((result.refused.size() == 1 ? kRefusedOne : kRefusedSeveral)(language),
                       {std::to_string(result.refused.size())});
  for (std::size_t i = 0; i < result.refused.size() && i < maxRefusals; ++i)
    report += CsvRefusalText(result.refused[i], language) + "\n";
  if (result.refused.size() > maxRefusals) {
    report += FillText(LangText{"... and %s more.\n", "……另有 %s 行。\n"}(language),
                       {std::to_string(result.refused.size() - maxRefusals)});
  }
  return report;
}
