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

std::string BadBandInProfileText(const std::string& place, const std::string& bandText, const std::string& reason,
                                 Language language) {
  return FillNumbered(LangText{"the band '%2' in Program.ini for %1 %3", "Program.ini 中%1的频段“%2”%3"}(language),
                      {place, bandText, reason});
}

const LangText kBandNotChecked = {"the channels were not checked against a band", "没有按频段检查信道"};

std::string ImportBandLine(const std::string& band, const std::string& source, Language language) {
  return Format(LangText{"Band %s (%s)\n", "频段 %s（%s）\n"}(language), band, source);
}

const LangText kWriteCancelled = {"cancelled; nothing was sent", "已取消，没有发送任何数据"};
const LangText kWrongServicePassword = {"the service password is wrong; nothing was sent",
                                        "维修密码错误，没有发送任何数据"};

std::string DataFileSizeText(const std::string& path, std::size_t size, bool longer, Language language) {
  static constexpr LangText kLonger{"%s: the file is longer than %s bytes", "%s：文件长于 %s 字节"};
  static constexpr LangText kShorter{"%s: the file is shorter than %s bytes", "%s：文件短于 %s 字节"};
  return Format((longer ? kLonger : kShorter)(language), path, std::to_string(size));
}

std::string OutputIsInputText(const std::string& verb, const std::string& output, const std::string& input,
                              Language language) {
  return "programcli " + verb + ": " +
         Format(LangText{"cannot write '%s': it is the same file as '%s'; nothing was written\n",
                         "无法写入“%s”：它与“%s”是同一个文件，没有写入任何内容\n"}(language),
                output, input);
}

const LangText kPortReadInto = {"read into ", "已读入 "};
const LangText kPortWritten = {"written", "已写入"};
const LangText kPortVerified = {"written and verified", "已写入并校验"};

const LangText kPortWaiting = {"waiting", "等待"};
const LangText kPortColumnTitle = {"Port", "端口"};
const LangText kOutcomeColumnTitle = {"Outcome", "结果"};
const LangText kTimeColumnTitle = {"Time", "用时"};

const LangText kPrintNotBuilt = {
    "print is not in this build of programcli: drawing the report needs the window's library; nothing was written",
    "此版本的 programcli 不含 print：绘制报表需要窗口程序的库，没有写入任何内容"};
