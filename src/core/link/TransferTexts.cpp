#include "core/link/TransferTexts.h"

#include <cstdio>

#include "core/lang/Language.h"
#include "core/link/TransferResult.h"

namespace {

constexpr LangText kReadData = {"Read Data", "读数据"};
constexpr LangText kWriteData = {"Write Data", "写数据"};
constexpr LangText kVerify = {"Verify", "校验"};
constexpr LangText kPortOpenFailed = {
    "Could not Open the Port,Please check whether the Port are occupied or the device are ok",
    "无法打开串口，请检查串口是否被占用或设备是否正常"};
constexpr LangText kCommunicationError = {"Communication Error", "通信出错"};
constexpr LangText kCancelled = {"cancelled", "已取消"};
constexpr LangText kReadComplete = {"Read complete", "读取完成"};
constexpr LangText kWriteComplete = {"Write complete", "写入完成"};
constexpr LangText kServicePortOpenFailed = {"Open the serial port fails", "打开串口失败"};
constexpr LangText kReadSuccessfully = {"Read Successfully", "读数据成功"};
constexpr LangText kWriteSuccessfully = {"Write Successfully", "写数据成功"};
constexpr LangText kServiceWriteError = {"Communication Error", "通讯出错"};

constexpr LangText kNoReply = {"the radio did not answer; check that it is switched on and the cable is plugged in",
                               "电台没有应答，请检查电台是否已开机、数据线是否已连接"};
constexpr LangText kShortIdent = {"the radio's identification came incomplete", "电台的识别信息不完整"};
constexpr LangText kNotConfirmed = {"the radio did not confirm the start of the transfer", "电台没有确认开始传输"};
// Block number, block count.
constexpr LangText kShortBlock = {"block %d of %d came incomplete from the radio",
                                  "从电台收到的第 %d 块（共 %d 块）数据不完整"};
constexpr LangText kBlockNotAcked = {"the radio did not acknowledge block %d of %d",
                                     "电台没有确认第 %d 块（共 %d 块）"};
// Blocks confirmed, block count.
constexpr LangText kPartlyWritten = {
    "the radio now holds a partly written memory (%d of %d blocks confirmed): write the whole file again",
    "电台中的数据只写入了一部分（已确认 %d 块，共 %d 块），请重新写入整个文件"};
// The same in the window, where the user writes the table, not a file.
constexpr LangText kPartlyWrittenWindow = {
    "the radio now holds a partly written memory (%d of %d blocks confirmed): Write again to send the whole memory",
    "电台中的数据只写入了一部分（已确认 %d 块，共 %d 块），请再次写入以发送全部数据"};

std::string Format(const char* format, int a, int b) {
  char text[256];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

}  // namespace

const char* TransferCaption(Direction direction, Language language) {
  return direction == Direction::Read ? kReadData(language) : kWriteData(language);
}

const char* VerifyCaption(Language language) { return kVerify(language); }

const char* PortOpenFailedMessage(Language language) { return kPortOpenFailed(language); }
const char* CommunicationErrorMessage(Language language) { return kCommunicationError(language); }
const char* CancelledMessage(Language language) { return kCancelled(language); }
const char* TransferCompleteText(Direction direction, Language language) {
  return direction == Direction::Read ? kReadComplete(language) : kWriteComplete(language);
}
const char* ServicePortOpenFailedMessage(Language language) { return kServicePortOpenFailed(language); }
const char* ServiceSuccessMessage(Direction direction, Language language) {
  return direction == Direction::Read ? kReadSuccessfully(language) : kWriteSuccessfully(language);
}
const char* ServiceCommunicationErrorMessage(Direction direction, Language language) {
  return direction == Direction::Read ? kCommunicationError(language) : kServiceWriteError(language);
}

std::vector<std::string> TransferFailureDetails(const TransferResult& result, Language language) {
  std::vector<std::string> lines;
  const int failedBlock = result.blocksDone + 1;
  switch (result.status) {
    case LinkStatus::Ok:
    case LinkStatus::PortOpenFailed: return lines;
    case LinkStatus::Cancelled: break;
    case LinkStatus::NoHandshakeReply: lines.push_back(kNoReply(language)); break;
    case LinkStatus::IdentTooShort: lines.push_back(kShortIdent(language)); break;
    case LinkStatus::ConfirmNotAcked: lines.push_back(kNotConfirmed(language)); break;
    case LinkStatus::ShortBlock: lines.push_back(Format(kShortBlock(language), failedBlock, result.blocksTotal)); break;
    case LinkStatus::BlockNotAcked:
      lines.push_back(Format(kBlockNotAcked(language), failedBlock, result.blocksTotal));
      break;
  }
  if (std::string partly = PartlyWrittenLine(result, language); !partly.empty()) lines.push_back(std::move(partly));
  return lines;
}

namespace {
std::string PartlyWritten(const TransferResult& result, const char* text) {
  if (result.direction != Direction::Write || result.status == LinkStatus::Ok ||
      result.status == LinkStatus::PortOpenFailed)
    return {};
  // A block the radio did not acknowledge may still have been stored.
  const bool blocksSent =
      result.blocksDone > 0 || result.status == LinkStatus::ShortBlock || result.status == LinkStatus::BlockNotAcked;
  return blocksSent ? Format(text, result.blocksDone, result.blocksTotal) : std::string();
}
}  // namespace

std::string PartlyWrittenLine(const TransferResult& result, Language language) {
  return PartlyWritten(result, kPartlyWritten(language));
}

std::string PartlyWrittenWindowLine(const TransferResult& result, Language language) {
  return PartlyWritten(result, kPartlyWrittenWindow(language));
}
