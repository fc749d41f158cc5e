#include "cli/CliTexts.h"

#include <cstdio>

#include "core/lang/TextFill.h"

namespace {
std::string Format(const char* pattern, const std::string& a, const std::string& b = {}, const std::string& c = {}) {
  return FillText(pattern, {a, b, c});
}
}  // namespace

const LangText kClauseSeparator = {"; ", "；"};

const LangText kBandNotLowHigh = {"is not LOW-HIGH, two whole numbers of MHz such as 400-470",
                                  "不是 LOW-HIGH 形式（两个以 MHz 为单位的整数，例如 400-470）"};
const LangText kBandNotAscending = {"does not have LOW below HIGH", "的下限不低于上限"};
const LangText kBandNotStorable = {"reaches below 10 MHz or above 1598 MHz, where a channel cannot hold a frequency",
                                   "低于 10 MHz 或高于 1598 MHz，信道无法存放这样的频率"};

std::string BandPlaceText(int radioType, int bandIndex, Language language) {
  const LangText pattern = {"the data file's radio type %d, band %d (bytes 0x32E, 0x32F)",
                            "数据文件的电台类型 %d、频段 %d（字节 0x32E、0x32F）"};
  char text[256];
  std::snprintf(text, sizeof text, pattern(language), radioType, bandIndex);
  return text;
}

std::string NoProfileForBandText(const std::string& place, Language language) {
  return Format(LangText{"no Program.ini beside programcli to find the band of %s",
                         "programcli 旁没有 Program.ini，无法查到%s对应的频段"}(language),
                place);
}

std::string NoBandInProfileText(const std::string& place, Language language) {
  return Format(LangText{"Program.ini beside programcli has no band for %s",
                         "programcli 旁的 Program.ini 中没有%s对应的频段"}(language),
                place);
}

// The Chinese names the place before the band text.
std::string BadBandInProfileText(const std::string& place, const std::string& bandText, const std::string& reason,
                                 Language language) {
  if (language == Language::Chinese) return Format("Program.ini 中%s的频段“%s”%s", place, bandText, reason);
  return Format("the band '%s' in Program.ini for %s %s", bandText, place, reason);
}

const LangText kBandNotChecked = {"the channels were not checked against a band", "没有按频段检查信道"};

std::string ImportBandLine(const std::string& band, const std::string& source, Language language) {
  if (language == Language::Chinese) return "频段 " + band + "（" + source + "）\n";
  return "Band " + band + " (" + source + ")\n";
}

const LangText kWriteCancelled = {"cancelled; nothing was sent", "已取消，没有发送任何数据"};
const LangText kWrongServicePassword = {"the service password is wrong; nothing was sent",
                                        "维修密码错误，没有发送任何数据"};

std::string DataFileSizeText(const std::string& path, std::size_t size, bool longer, Language language) {
  const std::string bytes = std::to_string(size);
  if (language == Language::Chinese) return path + (longer ? "：文件长于 " : "：文件短于 ") + bytes + " 字节";
  return path + (longer ? ": the file is longer than " : ": the file is shorter than ") + bytes + " bytes";
}

std::string OutputIsInputText(const std::string& verb, const std::string& output, const std::string& input,
                              Language language) {
  if (language == Language::Chinese)
    return "programcli " + verb + ": 无法写入“" + output + "”：它与“" + input + "”是同一个文件，没有写入任何内容\n";
  return "programcli " + verb + ": cannot write '" + output + "': it is the same file as '" + input +
         "'; nothing was written\n";
}

const LangText kPortReadInto = {"read into ", "已读入 "};
const LangText kPortWritten = {"written", "已写入"};
const LangText kPortVerified = {"written and verified", "已写入并校验"};

const LangText kPortWaiting = {"waiting", "等待"};
const LangText kPortColumnTitle = {"Port", "端口"};
const LangText kOutcomeColumnTitle = {"Outcome", "结果"};
const LangText kTimeColumnTitle = {"Time", "用时"};
