#include <gtest/gtest.h>

#include "core/link/TransferDriver.h"
#include "core/link/TransferRanges.h"

namespace {

struct BlockCase {
  std::size_t offset, end, expected;
};

TEST(BlockRule, NeverCrossesASixteenByteBoundaryNorTheEnd) {
  const BlockCase cases[] = {
      {0x000, 0x3FB, 16}, {0x3F0, 0x3FB, 11}, {0x3E0, 0x3FB, 16}, {0x005, 0x100, 11}, {0x00F, 0x100, 1},
      {0x010, 0x013, 3},  {0x300, 0x320, 16}, {0x3FA, 0x3FB, 1},  {0x3FB, 0x3FB, 0},  {0x400, 0x3FB, 0},
  };
  for (const BlockCase& c : cases)
    EXPECT_EQ(BlockLength(c.offset, c.end), c.expected) << std::hex << c.offset << " to " << c.end;
}

struct RangeCase {
  const char* name;
  Ranges ranges;
  std::vector<std::pair<int, int>> expected;
  std::size_t blocks;
};

std::vector<std::pair<int, int>> Pairs(const Ranges& ranges) {
  std::vector<std::pair<int, int>> out;
  for (const AddressRange& r : ranges) out.emplace_back(r.start, r.end);
  return out;
}

TEST(TransferRanges, ByDirectionModeAndArea) {
  const RangeCase cases[] = {
      {"read", MainTransferRanges(Direction::Read, false), {{0x000, 0x3FB}}, 64},
      {"read in service mode", MainTransferRanges(Direction::Read, true), {{0x000, 0x3FB}}, 64},
      {"normal write", MainTransferRanges(Direction::Write, false), {{0x000, 0x300}, {0x320, 0x3E0}}, 60},
      {"service-mode write", MainTransferRanges(Direction::Write, true), {{0x000, 0x3FB}}, 64},
      {"power table", ServiceTransferRanges(ServiceArea::PowerTable), {{0x3E0, 0x3FB}}, 2},
      {"parameter area", ServiceTransferRanges(ServiceArea::ParamArea), {{0x300, 0x320}}, 2},
  };
  for (const RangeCase& c : cases) {
    EXPECT_EQ(Pairs(c.ranges), c.expected) << c.name;
    EXPECT_EQ(CountBlocks(c.ranges), c.blocks) << c.name;
  }
}

TEST(TransferRanges, NormalWriteLeavesOutTheServiceAreasAndFileOnlyBytes) {
  const Ranges ranges = MainTransferRanges(Direction::Write, false);
  for (int a = 0; a < 0x400; ++a) {
    bool sent = false;
    for (const AddressRange& r : ranges) sent = sent || (a >= r.start && a < r.end);
    const bool serviceOrFileOnly = (a >= 0x300 && a < 0x320) || a >= 0x3E0;
    EXPECT_EQ(sent, !serviceOrFileOnly) << std::hex << a;
  }
}

struct PercentCase {
  int done, total;
  const char* text;
};

TEST(PercentText, IntegerDivisionReachingHundredOnlyAtTheEnd) {
  const PercentCase cases[] = {
      {0, 64, "0%"}, {1, 64, "1%"},   {32, 64, "50%"},  {63, 64, "98%"}, {64, 64, "100%"},
      {1, 60, "1%"}, {59, 60, "98%"}, {60, 60, "100%"}, {1, 2, "50%"},   {0, 0, "0%"},
  };
  for (const PercentCase& c : cases) EXPECT_EQ(PercentText(c.done, c.total), c.text) << c.done << "/" << c.total;
}

struct MessageCase {
  const char* english;
  const char* chinese;
  const char* (*text)(Language);
};

const char* MainPortFailed(Language c) { return PortOpenFailedMessage(c); }
const char* MainCommError(Language c) { return CommunicationErrorMessage(c); }
const char* ServicePortFailed(Language c) { return ServicePortOpenFailedMessage(c); }
const char* ServiceReadOk(Language c) { return ServiceSuccessMessage(Direction::Read, c); }
const char* ServiceWriteOk(Language c) { return ServiceSuccessMessage(Direction::Write, c); }
const char* ServiceReadError(Language c) { return ServiceCommunicationErrorMessage(Direction::Read, c); }
const char* ServiceWriteError(Language c) { return ServiceCommunicationErrorMessage(Direction::Write, c); }

TEST(TransferMessages, EnglishAndChineseTexts) {
  const MessageCase cases[] = {
      {"Could not Open the Port,Please check whether the Port are occupied or the device are ok",
       "无法打开串口，请检查串口是否被占用或设备是否正常", MainPortFailed},
      {"Communication Error", "通信出错", MainCommError},
      {"Open the serial port fails", "打开串口失败", ServicePortFailed},
      {"Read Successfully", "读数据成功", ServiceReadOk},
      {"Write Successfully", "写数据成功", ServiceWriteOk},
      {"Communication Error", "通信出错", ServiceReadError},
      {"Communication Error", "通讯出错", ServiceWriteError},
  };
  for (const MessageCase& c : cases) {
    EXPECT_STREQ(c.text(Language::English), c.english);
    EXPECT_STREQ(c.text(Language::Chinese), c.chinese);
  }
}

TEST(TransferMessages, FailureDetailsInPlainWords) {
  const struct {
    LinkStatus status;
    Direction direction;
    int done;
    std::vector<std::string> english;
  } cases[] = {
      {LinkStatus::Ok, Direction::Write, 60, {}},
      {LinkStatus::PortOpenFailed, Direction::Write, 0, {}},
      {LinkStatus::NoHandshakeReply,
       Direction::Read,
       0,
       {"the radio did not answer; check that it is switched on and the cable is plugged in"}},
      {LinkStatus::NoHandshakeReply,
       Direction::Write,
       0,
       {"the radio did not answer; check that it is switched on and the cable is plugged in"}},
      {LinkStatus::IdentTooShort, Direction::Read, 0, {"the radio's identification came incomplete"}},
      {LinkStatus::ConfirmNotAcked, Direction::Write, 0, {"the radio did not confirm the start of the transfer"}},
      {LinkStatus::ShortBlock, Direction::Read, 9, {"block 10 of 60 came incomplete from the radio"}},
      {LinkStatus::BlockNotAcked,
       Direction::Write,
       0,
       {"the radio did not acknowledge block 1 of 60",
        "the radio now holds a partly written memory (0 of 60 blocks confirmed): write the whole file again"}},
      {LinkStatus::Cancelled, Direction::Read, 12, {}},
      {LinkStatus::Cancelled, Direction::Write, 0, {}},
      {LinkStatus::Cancelled,
       Direction::Write,
       12,
       {"the radio now holds a partly written memory (12 of 60 blocks confirmed): write the whole file again"}},
  };
  for (const auto& c : cases) {
    TransferResult r;
    r.status = c.status;
    r.direction = c.direction;
    r.blocksDone = c.done;
    r.blocksTotal = 60;
    EXPECT_EQ(TransferFailureDetails(r, Language::English), c.english) << LinkStatusName(c.status) << " " << c.done;
    const std::vector<std::string> chinese = TransferFailureDetails(r, Language::Chinese);
    ASSERT_EQ(chinese.size(), c.english.size());
    for (std::size_t i = 0; i < chinese.size(); ++i) EXPECT_NE(chinese[i], c.english[i]);
  }
  TransferResult partly;
  partly.status = LinkStatus::BlockNotAcked;
  partly.direction = Direction::Write;
  partly.blocksDone = 4;
  partly.blocksTotal = 60;
  EXPECT_EQ(TransferFailureDetails(partly, Language::Chinese),
            (std::vector<std::string>{"电台没有确认第 5 块（共 60 块）",
                                      "电台中的数据只写入了一部分（已确认 4 块，共 60 块），请重新写入整个文件"}));
}

TEST(LinkSettings, MainAndServiceRecords) {
  const LinkSettings main = MainLinkSettings();
  const LinkSettings read = ServiceLinkSettings(false);
  const LinkSettings write = ServiceLinkSettings(true);
  EXPECT_EQ(main.port.baudRate, 9600);
  EXPECT_EQ(main.port.receiveQueue, 1024);
  EXPECT_EQ(main.port.transmitQueue, 512);
  EXPECT_EQ(main.port.readIntervalMs, 100);
  EXPECT_EQ(main.port.readTotalPerByteMs, 300);
  EXPECT_EQ(main.port.readTotalConstantMs, 100);
  EXPECT_EQ(main.port.writeTotalPerByteMs, 50);
  EXPECT_EQ(main.port.writeTotalConstantMs, 50);
  EXPECT_TRUE(main.port.raiseModemLines);
  EXPECT_EQ(main.handshakeAttempts, 4);
  EXPECT_EQ(main.replyWait, ReplyWait::Stopwatch);
  EXPECT_EQ(main.replyWaitMs, 1000);
  EXPECT_EQ(main.purge, PurgePolicy::BeforeEachAttempt);
  EXPECT_EQ(main.pauseBeforeReplyMs, 0);

  for (const LinkSettings* s : {&read, &write}) {
    EXPECT_EQ(s->port.baudRate, 9600);
    EXPECT_EQ(s->port.readIntervalMs, 100);
    EXPECT_EQ(s->port.readTotalPerByteMs, 50);
    EXPECT_EQ(s->port.readTotalConstantMs, 100);
    EXPECT_EQ(s->port.writeTotalPerByteMs, 50);
    EXPECT_EQ(s->port.writeTotalConstantMs, 50);
    EXPECT_FALSE(s->port.raiseModemLines);
    EXPECT_EQ(s->handshakeAttempts, 4);
    EXPECT_EQ(s->replyWait, ReplyWait::SingleRead);
    EXPECT_EQ(s->purge, PurgePolicy::OnceBeforeFirstAttempt);
  }
  EXPECT_EQ(read.pauseBeforeReplyMs, 0);
  EXPECT_EQ(write.pauseBeforeReplyMs, 2);
}

}  // namespace
