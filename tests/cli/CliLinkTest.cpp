// programcli read, write and ports against the simulated radio, as a user
// runs them: exit statuses, messages, files, Ctrl+C.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

#include "cli/CliLinkSupport.h"
#include "cli/ExitStatus.h"
#include "core/files/Backups.h"
#include "core/files/DataFile.h"
#include "core/files/NewDocumentImage.h"
#include "core/link/SerialPort.h"
#include "core/link/SimHarness.h"
#include "core/radio/ChannelCodecs.h"
#include "core/radio/ChannelTable.h"
#include "support/LineAsFound.h"

namespace {

// The percentage lines a read or write printed on a stderr that is no terminal.
std::vector<std::string> PercentLines(const std::string& err) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < err.size()) {
    const std::size_t end = err.find('\n', start);
    const std::string line = err.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '%') out.push_back(line);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return out;
}

void ExpectPercentagesRiseTo100(const std::string& err) {
  const std::vector<std::string> lines = PercentLines(err);
  ASSERT_FALSE(lines.empty()) << err;
  int last = -1;
  for (const std::string& l : lines) {
    const int v = std::stoi(l);
    EXPECT_GT(v, last) << l;
    last = v;
  }
  EXPECT_EQ(lines.back(), "100%");
}

TEST(CliLink, ReadEditWriteAndTheRadioHoldsExactlyWhatWasSent) {
  const RadioImage radio = PatternImage(1);
  CSimHarness h(radio, CSimHarness::Fast());
  const TempDir& dir = h.dir();

  ProgramRun run = Cli({"read", "--port", h.device(), "-o", dir.file("read.dat")});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  ExpectPercentagesRiseTo100(run.err);
  const RadioImage read = Load(dir.file("read.dat"));
  for (std::size_t a = 0; a < read.size(); ++a) ASSERT_EQ(read[a], a < 0x3FB ? radio[a] : 0xFF) << std::hex << a;

  const RadioImage base = PatternImage(7);
  ASSERT_TRUE(SaveDataFile(dir.file("base.dat"), base).ok());
  run = Cli({"read", "--port", h.device(), "-o", dir.file("based.dat"), "--base", dir.file("base.dat")});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const RadioImage based = Load(dir.file("based.dat"));
  for (std::size_t a = 0; a < based.size(); ++a) ASSERT_EQ(based[a], a < 0x3FB ? radio[a] : base[a]) << std::hex << a;

  // Edit a channel, an option, the parameter area and the power table.
  RadioImage edited = read;
  for (std::size_t a : {0x010u, 0x011u, 0x012u, 0x013u, 0x134u, 0x305u, 0x3E4u, 0x3FAu})
    edited[a] = static_cast<std::uint8_t>(read[a] ^ 0x5A);
  ASSERT_TRUE(SaveDataFile(dir.file("edited.dat"), edited).ok());
  RadioImage sent = edited;  // as the channel window would send it
  StoreImageThroughTable(sent);
  ASSERT_NE(sent, edited) << "the pattern's channels must be ones the table changes";
  run = Cli({"write", "--port", h.device(), dir.file("edited.dat")});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  ExpectPercentagesRiseTo100(run.err);
  RadioImage memory = h.sim().Memory();
  for (std::size_t a = 0; a < memory.size(); ++a) {
    const bool normal = a < 0x300 || (a >= 0x320 && a < 0x3E0);
    ASSERT_EQ(memory[a], normal ? sent[a] : radio[a]) << std::hex << a;
  }

  // The service password adds the service areas; --raw leaves out the table.
  const struct {
    std::vector<std::string> extra;
    const RadioImage& expected;
  } cases[] = {{{"--service", "731904"}, sent}, {{"--service", "731904", "--raw"}, edited}};
  for (const auto& c : cases) {
    std::vector<std::string> args = {"write", "--port", h.device(), dir.file("edited.dat")};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    run = Cli(args);
    ASSERT_EQ(run.status, kExitOk) << run.err;
    memory = h.sim().Memory();
    for (std::size_t a = 0; a < memory.size(); ++a)
      ASSERT_EQ(memory[a], a < 0x3FB ? c.expected[a] : radio[a]) << std::hex << a << " " << args.back();
  }
}

// "--service -" takes the password from the first line of stdin, so that it
// never shows in the process list.
TEST(CliLink, ServicePasswordFromStandardInput) {
  const RadioImage file = PatternImage(2);
  const struct {
    const char* input;
    int status;
  } cases[] = {{"731904\n", kExitOk},
               {"731904\r\nmore\n", kExitOk},
               {"731904", kExitOk},
               {"731905\n", kExitPasswordRefused},
               {"\n731904\n", kExitPasswordRefused},
               {"", kExitPasswordRefused}};
  for (const auto& c : cases) {
    CSimHarness h(PatternImage(1), CSimHarness::Fast());
    ASSERT_TRUE(SaveDataFile(h.dir().file("a.dat"), file).ok());
    h.dir().Write("password", c.input);
    const ProgramRun run = RunProgram(BuiltProgram("programcli"),
                                      {"write", "--port", h.device(), h.dir().file("a.dat"), "--service", "-", "--raw"},
                                      "", h.dir().file("password"));
    EXPECT_EQ(run.status, c.status) << c.input << run.err;
    // With the password the service areas reach the radio too; without it nothing.
    const RadioImage memory = h.sim().Memory();
    if (c.status != kExitOk) EXPECT_EQ(memory, PatternImage(1)) << c.input;
    for (std::size_t a = 0; c.status == kExitOk && a < 0x3FB; ++a) ASSERT_EQ(memory[a], file[a]) << std::hex << a;
  }
}

// A device path relative to the working folder is a port like an absolute one.
TEST(CliLink, ARelativeDevicePathIsAPort) {
  CSimHarness h(PatternImage(1), CSimHarness::Fast());
  const std::string relative = std::filesystem::relative(h.device()).string();
  ASSERT_NE(relative.find('/'), std::string::npos) << relative;
  const ProgramRun run = Cli({"read", "--port", relative, "-o", h.dir().file("read.dat")});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(Load(h.dir().file("read.dat"))[0x100], PatternImage(1)[0x100]);
}

TEST(CliLink, AWrongServicePasswordSendsNothing) {
  CSimHarness h(PatternImage(1), CSimHarness::Fast());
  ASSERT_TRUE(SaveDataFile(h.dir().file("a.dat"), PatternImage(2)).ok());
  for (const char* password : {"", "731905", "731904 ", "7319", "7319040"}) {
    const ProgramRun run = Cli({"write", "--port", h.device(), h.dir().file("a.dat"), "--service", password});
    EXPECT_EQ(run.status, kExitPasswordRefused) << password;
    EXPECT_NE(run.err.find("nothing was sent"), std::string::npos) << run.err;
  }
  EXPECT_TRUE(h.FromPc().empty());
  EXPECT_EQ(h.sim().Memory(), PatternImage(1));
}

TEST(CliLink, WriteRefusesChannelsOutsideTheBand) {
  const struct {
    const char* name;
    std::uint8_t type;  // radio type: 0 is QR-160, 136-174MHz, in the build's Program.ini; 0x30 has none
    bool outside;       // channels 3 and 5 outside that band
    bool raw;
    int status;
    const char* says;  // on stderr; "" for nothing about the band
  } cases[] = {
      {"in the band", 0, false, false, kExitOk, ""},
      {"outside", 0, true, false, kExitOutsideBand,
       "programcli write: channels outside the band 136-174MHz: 3, 5; nothing was sent"},
      {"outside, raw", 0, true, true, kExitOk, ""},
      {"no band to check against", 0x30, true, false, kExitOk,
       "radio type 48, band 0 (bytes 0x32E, 0x32F); the channels were not checked against a band"},
  };
  for (const auto& c : cases) {
    CSimHarness h(PatternImage(1), CSimHarness::Fast());
    RadioImage image = BuiltInDefaults();
    image[ImageMap::kProductType] = c.type;
    image[ImageMap::kProductBand] = 0;
    for (int n = 1; n <= 5; n += 2) {
      ChannelRecord record = image.Channel(n);
      const auto rx = EncodeFrequency(c.outside && n == 3 ? "446" : "150");
      const auto tx = EncodeFrequency(c.outside && n == 5 ? "200" : "150");
      std::copy(rx.begin(), rx.end(), record.rxFrequency());
      std::copy(tx.begin(), tx.end(), record.txFrequency());
      image.SetChannel(n, record);
    }
    ASSERT_TRUE(SaveDataFile(h.dir().file("in.dat"), image).ok());
    std::vector<std::string> args = {"write", "--port", h.device(), h.dir().file("in.dat")};
    if (c.raw) args.push_back("--raw");
    const ProgramRun run = Cli(args);
    EXPECT_EQ(run.status, c.status) << c.name << ": " << run.err;
    if (*c.says)
      EXPECT_NE(run.err.find(c.says), std::string::npos) << c.name << ": " << run.err;
    else
      EXPECT_EQ(run.err.find("band"), std::string::npos) << c.name << ": " << run.err;
    EXPECT_EQ(h.sim().Stats().blocksWritten, c.status == kExitOk ? 60 : 0) << c.name;
  }
}

struct CliFailureCase {
  const char* name;
  const char* fault;              // for the simulated radio; "" for none
  std::vector<std::string> args;  // "{port}", "{dir}" are replaced
  int status;
  const char* errorText;
};

void PrintTo(const CliFailureCase& c, std::ostream* os) { *os << c.name; }

class CliLinkFailure : public ::testing::TestWithParam<CliFailureCase> {};

TEST_P(CliLinkFailure, ExitStatusMessageAndNoOutput) {
  const CliFailureCase& c = GetParam();
  SimOptions options = CSimHarness::Fast();
  std::string error;
  if (*c.fault) ASSERT_TRUE(ApplyFault(c.fault, options.faults, error)) << error;
  CSimHarness h(PatternImage(1), options);
  const TempDir& dir = h.dir();
  ASSERT_TRUE(SaveDataFile(dir.file("in.dat"), PatternImage(2)).ok());
  dir.Write("bad.dat", std::string(1040, 'x'));
  // A FIFO someone reads: a trace written into it would never show as a file.
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  const int reader = ::open(dir.file("fifo").c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ASSERT_EQ(::mkfifo(dir.file("fifo.dat").c_str(), 0600), 0);
  std::filesystem::create_symlink(h.device(), dir.file("link"));
  // Where a read of several ports would put this port's file, a folder.
  std::filesystem::create_directories(dir.file("radios/" + PortFileStem(h.device()) + ".dat"));
  std::vector<std::string> args;
  for (std::string a : c.args) {
    for (const auto& [key, value] :
         {std::pair<std::string, std::string>{"{port}", h.device()}, {"{dir}", dir.path()}}) {
      const auto at = a.find(key);
      if (at != std::string::npos) a.replace(at, key.size(), value);
    }
    args.push_back(a);
  }
  const ProgramRun run = Cli(args);
  EXPECT_EQ(run.status, c.status) << run.err;
  EXPECT_NE(run.err.find(c.errorText), std::string::npos) << run.err;
  for (const char* internal : {"NoHandshakeReply", "IdentTooShort", "ConfirmNotAcked", "ShortBlock", "BlockNotAcked"})
    EXPECT_EQ(run.err.find(internal), std::string::npos) << "a user needs plain words: " << run.err;
  EXPECT_FALSE(Exists(dir.file("out.dat")));
  EXPECT_EQ(h.sim().Memory(), PatternImage(1)) << "a failed or refused write must not have reached the radio";
  if (c.status == kExitUsage || c.status == kExitFileError)
    EXPECT_EQ(h.sim().Stats().sessions, 0) << "a refused command must send nothing";
  char byte = 0;
  EXPECT_LE(::read(reader, &byte, 1), 0) << "something was written into the FIFO";
  ::close(reader);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliLinkFailure,
    ::testing::Values(
        CliFailureCase{"missing_port",
                       "",
                       {"read", "--port", "{dir}/none", "-o", "{dir}/out.dat"},
                       kExitPortNotOpened,
                       "Could not Open the Port,Please check whether the Port are occupied or the device are ok"},
        CliFailureCase{"missing_port_says_why",
                       "",
                       {"read", "--port", "{dir}/none", "-o", "{dir}/out.dat"},
                       kExitPortNotOpened,
                       "missing: no such device"},
        CliFailureCase{"not_a_port", "", {"read", "--port", "LPT1", "-o", "{dir}/out.dat"}, kExitUsage, "is no port"},
        CliFailureCase{"no_port", "", {"read", "-o", "{dir}/out.dat"}, kExitUsage, "--port is required"},
        CliFailureCase{"no_output", "", {"read", "--port", "{port}"}, kExitUsage, "-o FILE.dat is required"},
        CliFailureCase{"short_block",
                       "short-block:3",
                       {"read", "--port", "{port}", "-o", "{dir}/out.dat"},
                       kExitCommunication,
                       "Communication Error"},
        CliFailureCase{"chinese_message",
                       "short-block:3",
                       {"read", "--port", "{port}", "-o", "{dir}/out.dat", "--lang", "Chinese"},
                       kExitCommunication,
                       "通信出错"},
        CliFailureCase{"short_block_in_plain_words",
                       "short-block:3",
                       {"read", "--port", "{port}", "-o", "{dir}/out.dat"},
                       kExitCommunication,
                       "block 3 of 64 came incomplete from the radio"},
        CliFailureCase{"refused_write_block",
                       "refuse-block:1",
                       {"write", "--port", "{port}", "{dir}/in.dat"},
                       kExitCommunication,
                       "the radio did not acknowledge block 1 of 60"},
        CliFailureCase{"refused_write_block_partly_written",
                       "refuse-block:1",
                       {"write", "--port", "{port}", "{dir}/in.dat"},
                       kExitCommunication,
                       "the radio now holds a partly written memory"},
        CliFailureCase{"chinese_write_partly_written",
                       "refuse-block:1",
                       {"write", "--port", "{port}", "{dir}/in.dat", "--lang", "Chinese"},
                       kExitCommunication,
                       "电台中的数据只写入了一部分"},
        CliFailureCase{"chinese_port_message",
                       "",
                       {"read", "--port", "{dir}/none", "-o", "{dir}/out.dat", "--lang", "Chinese"},
                       kExitPortNotOpened,
                       "无法打开串口"},
        CliFailureCase{"chinese_port_reason",
                       "",
                       {"read", "--port", "{dir}/none", "-o", "{dir}/out.dat", "--lang", "Chinese"},
                       kExitPortNotOpened,
                       "不存在：没有这个设备"},
        CliFailureCase{"chinese_bad_input",
                       "",
                       {"write", "--port", "{port}", "{dir}/bad.dat", "--lang", "Chinese"},
                       kExitDataFormat,
                       "数据格式不正确"},
        CliFailureCase{"bad_base",
                       "",
                       {"read", "--port", "{port}", "-o", "{dir}/out.dat", "--base", "{dir}/bad.dat"},
                       kExitDataFormat,
                       "Data Format Error"},
        CliFailureCase{
            "missing_input", "", {"write", "--port", "{port}", "{dir}/none.dat"}, kExitFileError, "cannot open"},
        CliFailureCase{
            "bad_input", "", {"write", "--port", "{port}", "{dir}/bad.dat"}, kExitDataFormat, "Data Format Error"},
        CliFailureCase{
            "two_inputs", "", {"write", "--port", "{port}", "{dir}/in.dat", "{dir}/in.dat"}, kExitUsage, "exactly one"},
        CliFailureCase{
            "bad_lang", "", {"write", "--port", "{port}", "{dir}/in.dat", "--lang", "French"}, kExitUsage, "--lang"},
        CliFailureCase{"same_port_twice",
                       "",
                       {"write", "--port", "{port}", "--port", "{port}", "{dir}/in.dat"},
                       kExitUsage,
                       "given before"},
        CliFailureCase{"a_link_and_its_device",
                       "",
                       {"write", "--port", "{dir}/link", "--port", "{port}", "{dir}/in.dat"},
                       kExitUsage,
                       "is the same device as '"},
        CliFailureCase{"fifo_input",
                       "",
                       {"write", "--port", "{port}", "{dir}/fifo.dat"},
                       kExitFileError,
                       "fifo.dat': not a regular file"},
        CliFailureCase{"device_input",
                       "",
                       {"write", "--port", "{port}", "/dev/zero"},
                       kExitFileError,
                       "cannot open '/dev/zero': not a regular file"},
        CliFailureCase{"several_ports_into_one_file",
                       "",
                       {"read", "--port", "{port}", "--port", "{dir}/other", "-o", "{dir}/out.dat"},
                       kExitUsage,
                       "-o names a folder"},
        CliFailureCase{"trace_not_writable",
                       "",
                       {"write", "--port", "{port}", "{dir}/in.dat", "--trace", "{dir}/none/trace.txt"},
                       kExitFileError,
                       "trace.txt' cannot be written: No such file or directory. Nothing was sent."},
        CliFailureCase{"trace_empty",
                       "",
                       {"write", "--port", "{port}", "{dir}/in.dat", "--trace", ""},
                       kExitUsage,
                       "option '--trace' needs a value"},
        CliFailureCase{"read_trace_empty",
                       "",
                       {"read", "--port", "{port}", "-o", "{dir}/out.dat", "--trace="},
                       kExitUsage,
                       "option '--trace' needs a value"},
        CliFailureCase{"trace_onto_a_fifo",
                       "",
                       {"write", "--port", "{port}", "{dir}/in.dat", "--trace", "{dir}/fifo"},
                       kExitFileError,
                       "fifo' cannot be written: not a regular file. Nothing was sent."},
        CliFailureCase{"trace_over_the_data_file",
                       "",
                       {"write", "--port", "{port}", "{dir}/in.dat", "--trace", "{dir}/in.dat"},
                       kExitFileError,
                       "in.dat': it is the same file as '"},
        CliFailureCase{"read_into_a_fifo",
                       "",
                       {"read", "--port", "{port}", "-o", "{dir}/fifo.dat"},
                       kExitFileError,
                       "fifo.dat': not a regular file"},
        CliFailureCase{"read_into_a_device",
                       "",
                       {"read", "--port", "{port}", "-o", "/dev/null"},
                       kExitFileError,
                       "cannot write '/dev/null': not a regular file"},
        CliFailureCase{"read_into_a_folder_of_ports",
                       "",
                       {"read", "--port", "{dir}/none", "--port", "{port}", "-o", "{dir}/radios/"},
                       kExitFileError,
                       "_radio.dat': not a regular file"},
        CliFailureCase{"trace_over_the_read_output",
                       "",
                       {"read", "--port", "{port}", "-o", "{dir}/out.dat", "--trace", "{dir}/out.dat"},
                       kExitFileError,
                       "out.dat': it is the same file as '"}),
    [](const ::testing::TestParamInfo<CliFailureCase>& i) { return std::string(i.param.name); });

// Ctrl+C, a kill (SIGTERM) and a terminal gone (SIGHUP) alike: the transfer
// stops between blocks, says what the radio holds, and gives the port back
// with its line settings as found.
TEST(CliLinkCancel, CtrlCBetweenBlocksWritesNoFileAndFreesThePort) {
  constexpr const char* kPartly = "the radio now holds a partly written memory";
  const struct {
    const char* verb;
    int signal;
    const char* says;
  } cases[] = {{"read", SIGINT, "cancelled"},
               {"write", SIGINT, kPartly},
               {"write", SIGTERM, kPartly},
               {"write", SIGHUP, kPartly}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.verb) + " " + ::strsignal(c.signal));
    SimOptions options;
    options.baud = 1200;  // a transfer of about 14 s: plenty of blocks to interrupt
    CSimHarness h(PatternImage(1), options);
    const CLineAsFound line(h.device());
    const bool write = std::string(c.verb) == "write";
    ASSERT_TRUE(SaveDataFile(h.dir().file("in.dat"), PatternImage(2)).ok());
    const std::vector<std::string> args =
        write ? std::vector<std::string>{"write", "--port", h.device(), h.dir().file("in.dat")}
              : std::vector<std::string>{"read", "--port", h.device(), "-o", h.dir().file("out.dat")};
    CBackground cli(BuiltProgram("programcli"), args, h.dir());
    ASSERT_TRUE(cli.started());
    ASSERT_TRUE(h.sim().WaitFor([](const SimStats& s) { return s.blocksRead + s.blocksWritten >= 3; }, 10000));
    cli.Signal(c.signal);
    EXPECT_EQ(cli.Wait(), kExitCancelled) << cli.err();
    EXPECT_NE(cli.err().find(c.says), std::string::npos) << cli.err();
    EXPECT_FALSE(Exists(h.dir().file("out.dat")));
    const SimStats stats = h.sim().Stats();
    EXPECT_LT(write ? stats.blocksWritten : stats.blocksRead, write ? 60 : 64);
    EXPECT_TRUE(line.Unchanged()) << "the line settings were not given back";
    CSerialPort port;
    EXPECT_EQ(port.OpenExclusive(h.device()), 0);
  }
}

TEST(CliLinkCancel, CtrlCStopsEveryRadioOfAFleet) {
  SimOptions options;
  options.baud = 1200;
  CSimHarness first(PatternImage(1), options);
  CSimHarness second(PatternImage(2), options);
  CBackground cli(BuiltProgram("programcli"),
                  {"read", "--port", first.device(), "--port", second.device(), "-o", first.dir().path() + "/"},
                  first.dir());
  ASSERT_TRUE(cli.started());
  for (CSimHarness* h : {&first, &second})
    ASSERT_TRUE(h->sim().WaitFor([](const SimStats& s) { return s.blocksRead >= 2; }, 10000));
  cli.Signal(SIGINT);
  EXPECT_EQ(cli.Wait(), kExitCancelled) << cli.err();
  for (CSimHarness* h : {&first, &second}) {
    EXPECT_LT(h->sim().Stats().blocksRead, 64);
    CSerialPort port;
    EXPECT_EQ(port.OpenExclusive(h->device()), 0) << "every port is closed again";
    EXPECT_FALSE(Exists(first.dir().file(PortFileStem(h->device()) + ".dat")));
  }
}

TEST(CliLinkCancel, CtrlCEndsTheWaitForASilentRadio) {
  SimOptions options = CSimHarness::Fast();
  options.faults.silent = true;
  CSimHarness h(PatternImage(1), options);
  CBackground cli(BuiltProgram("programcli"), {"read", "--port", h.device(), "-o", h.dir().file("out.dat")}, h.dir());
  ASSERT_TRUE(cli.started());
  const auto start = Clock::now();
  while (h.FromPc().size() < 8 && Clock::now() - start < std::chrono::seconds(5))
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  cli.Signal(SIGINT);
  EXPECT_EQ(cli.Wait(), kExitCancelled) << cli.err();
  // Well before the four attempts (about 5 s) would have run out.
  EXPECT_LT(h.FromPc().size(), 32u);
  EXPECT_FALSE(Exists(h.dir().file("out.dat")));
}

// Under a file-size limit a write fails with "File too large" like any other
// failed write, instead of the limit's signal ending programcli without a word.
TEST(CliLinkLimits, AFileSizeLimitFailsTheWriteAndKillsNothing) {
  CSimHarness h(PatternImage(1), CSimHarness::Fast());
  const std::string out = h.dir().file("new.dat");
  const struct {
    const char* limit;  // ulimit -f, in blocks of 512 bytes
    std::vector<std::string> args;
    int status;
    const char* says;
  } cases[] = {
      {"1", {"new", "-o", out}, kExitFileError, "File too large"},
      // The trace is told beside the read's own result, which stands.
      {"4", {"read", "--port", h.device(), "-o", out, "--trace", out + ".t"}, kExitOk, "was not saved: File too large"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"-c", std::string("ulimit -f ") + c.limit + " && exec \"$0\" \"$@\"",
                                     BuiltProgram("programcli")};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const ProgramRun run = RunProgram("/bin/sh", args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    EXPECT_EQ(Exists(out), c.status == kExitOk) << c.args[0];
  }
}

TEST(CliLinkSimulator, TheRadiosimProgramServesTransfersAndSavesOnExit) {
  TempDir dir;
  const mode_t umask = ::umask(022);
  const RadioImage start = PatternImage(3);
  ASSERT_TRUE(SaveDataFile(dir.file("start.dat"), start).ok());
  CBackground sim(BuiltProgram("radiosim"),
                  {"--baud", "0", "--link", dir.file("radio"), "--memory", dir.file("start.dat"), "--save",
                   dir.file("saved.dat"), "--save-when", "exit"},
                  dir, true);
  ASSERT_TRUE(sim.started());
  const std::string device = sim.ReadLine();
  EXPECT_EQ(device.rfind("/dev/pts/", 0), 0u) << device;

  ProgramRun run = Cli({"read", "--port", dir.file("radio"), "-o", dir.file("read.dat")});
  ASSERT_EQ(run.status, kExitOk) << run.err << sim.err();
  RadioImage edited = Load(dir.file("read.dat"));
  for (std::size_t a = 0; a < 0x3FB; ++a) ASSERT_EQ(edited[a], start[a]);
  for (std::size_t a = 0x100; a < 0x110; ++a) edited[a] = 0xFF;  // clear channel 15
  edited[0x3E0] = 0x00;                                          // not sent by a normal write
  ASSERT_TRUE(SaveDataFile(dir.file("edited.dat"), edited).ok());
  // The same device path, a second transfer: closing the port in between
  // does not end the simulator.
  run = Cli({"write", "--port", device, dir.file("edited.dat")});
  ASSERT_EQ(run.status, kExitOk) << run.err << sim.err();
  EXPECT_FALSE(Exists(dir.file("saved.dat"))) << "--save-when exit";

  sim.Signal(SIGTERM);
  EXPECT_EQ(sim.Wait(), 0) << sim.err();
  StoreImageThroughTable(edited);
  const RadioImage saved = Load(dir.file("saved.dat"));
  for (std::size_t a = 0; a < saved.size(); ++a) {
    const bool normal = a < 0x300 || (a >= 0x320 && a < 0x3E0);
    ASSERT_EQ(saved[a], normal ? edited[a] : start[a]) << std::hex << a;
  }
  struct stat st {};
  EXPECT_NE(::lstat(dir.file("radio").c_str(), &st), 0) << "the link goes with the simulator";
  for (const char* made : {"read.dat", "saved.dat"}) {
    ASSERT_EQ(::stat(dir.file(made).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u) << made << " holds a radio's memory";
  }
  ::umask(umask);
}

// A memory it cannot load or will never save stops radiosim at once, with the reason.
TEST(CliLinkSimulator, TheRadiosimProgramRefusesAMemoryFileItCannotUse) {
  TempDir dir;
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  dir.Write("text.dat", std::string(1040, 'x'));
  const struct {
    std::vector<std::string> args;
    std::string says;
  } cases[] = {
      {{"--save", "/dev/null"}, "Cannot save the file /dev/null: not a regular file"},
      {{"--save", dir.file("fifo")}, "fifo: not a regular file"},
      {{"--save", dir.path()}, "Cannot save the file " + dir.path() + ": not a regular file"},
      {{"--memory", dir.file("fifo")}, "Cannot open the file " + dir.file("fifo") + ": not a regular file"},
      {{"--memory", dir.file("text.dat")}, "radiosim: " + dir.file("text.dat") + ": Data Format Error"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"--baud", "0", "--link", dir.file("radio")};
    args.insert(args.end(), c.args.begin(), c.args.end());
    CBackground sim(BuiltProgram("radiosim"), args, dir, true);
    ASSERT_TRUE(sim.started());
    // A started radio prints its device; this one must end without one.
    if (!sim.ReadLine().empty()) {
      ADD_FAILURE() << "a radio was started: " << c.says;
      continue;
    }
    EXPECT_EQ(sim.Wait(), 1) << c.says;
    EXPECT_NE(sim.err().find(c.says), std::string::npos) << sim.err();
  }
}

TEST(CliLinkPorts, ListsSixteenPortsWithADeviceAndAStateInTheLanguageAsked) {
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> states;
  } cases[] = {
      {{"ports"}, {"available", "missing", "busy", "permission denied", "not a serial device", "cannot open"}},
      {{"ports", "--lang", "Chinese"}, {"可用", "不存在", "被占用", "没有权限", "不是串口设备", "无法打开"}},
  };
  for (const auto& c : cases) {
    const ProgramRun run = Cli(c.args);
    ASSERT_EQ(run.status, kExitOk) << run.err;
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = run.out.find('\n', start)) != std::string::npos; start = end + 1)
      lines.push_back(run.out.substr(start, end - start));
    ASSERT_EQ(lines.size(), 16u) << run.out;
    for (int n = 1; n <= 16; ++n) {
      const std::string& line = lines[n - 1];
      EXPECT_EQ(line.rfind("COM" + std::to_string(n) + " ", 0), 0u) << line;
      bool known = false;
      for (const std::string& state : c.states) known = known || line.find(state) != std::string::npos;
      EXPECT_TRUE(known) << line;
    }
  }
}

TEST(CliLinkHelp, EveryVerbDocumentsItselfAndTheExitStatuses) {
  for (const char* verb : {"read", "write", "ports"}) {
    const ProgramRun run = Cli({verb, "--help"});
    EXPECT_EQ(run.status, kExitOk) << verb;
    EXPECT_NE(run.out.find(std::string("programcli ") + verb), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(ExitStatusHelp()), std::string::npos) << verb;
  }
  const ProgramRun top = Cli({"--help"});
  for (const char* verb : {"read", "write", "ports"})
    EXPECT_NE(top.out.find(std::string("  ") + verb + " "), std::string::npos) << top.out;
  const ProgramRun sim = RunProgram(BuiltProgram("radiosim"), {"--help"});
  EXPECT_EQ(sim.status, 0);
  for (const char* word : {"--baud", "--link", "--save", "--memory", "silent", "noise", "short-ident", "long-ident",
                           "no-confirm", "short-block", "refuse-block", "hangup", "drop-block"})
    EXPECT_NE(sim.out.find(word), std::string::npos) << word;
}

}  // namespace
