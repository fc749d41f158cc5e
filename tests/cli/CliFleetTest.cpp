// programcli for dealers against simulated radios: verify after write,
// backups of every read, serial traces, diff, and many radios at once.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <memory>
#include <sstream>

#include "cli/CliLinkSupport.h"
#include "cli/ExitStatus.h"
#include "cli/PortJobs.h"
#include "core/files/Backups.h"
#include "core/files/NewDocumentImage.h"
#include "core/link/SimHarness.h"
#include "core/radio/ChannelTable.h"
#include "support/ScopedEnv.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

std::vector<std::string> SubFolders(const std::string& path) {
  std::vector<std::string> names;
  if (DIR* dir = ::opendir(path.c_str())) {
    while (const dirent* e = ::readdir(dir))
      if (e->d_name[0] != '.') names.push_back(e->d_name);
    ::closedir(dir);
  }
  return names;
}

TEST(CliFleet, VerifyPassesOnAGoodRadioAndNamesTheAddressOnADroppingOne) {
  const std::pair<const char*, int> cases[] = {{"", kExitOk}, {"drop-block:5", kExitVerifyFailed}};
  for (const auto& [fault, status] : cases) {
    SimOptions options = CSimHarness::Fast();
    std::string error;
    if (*fault) ASSERT_TRUE(ApplyFault(fault, options.faults, error)) << error;
    CSimHarness h(PatternImage(1), options);
    ASSERT_TRUE(SaveDataFile(h.dir().file("in.dat"), PatternImage(2)).ok());
    const ProgramRun run = Cli({"write", "--port", h.device(), h.dir().file("in.dat"), "--verify"});
    EXPECT_EQ(run.status, status) << fault << run.err;
    EXPECT_EQ(h.sim().Stats().sessions, 2) << "a write, then a read-back";
    const bool failed = status != kExitOk;
    EXPECT_EQ(run.err.find("programcli write: Verify failed: at 0x040 the radio holds") != std::string::npos, failed)
        << run.err;
  }
}

TEST(CliFleet, EveryCompleteReadLeavesABackupAndAFailedBackupIsOnlyTold) {
  CSimHarness h(PatternImage(1), CSimHarness::Fast());
  const TempDir& dir = h.dir();
  {
    CScopedEnv data("XDG_DATA_HOME", dir.file("xdg").c_str());
    for (const char* out : {"a.dat", "b.dat"})
      ASSERT_EQ(Cli({"read", "--port", h.device(), "-o", dir.file(out)}).status, kExitOk);
    h.sim().SetFaults([] {
      SimFaults f;
      f.shortBlockAt = 9;
      return f;
    }());
    EXPECT_EQ(Cli({"read", "--port", h.device(), "-o", dir.file("c.dat")}).status, kExitCommunication);
    const std::vector<std::string> folders = SubFolders(dir.file("xdg"));
    ASSERT_EQ(folders.size(), 1u) << "one folder, named after the application";
    const std::string folder = dir.file("xdg/" + folders[0] + "/");
    const std::vector<std::string> backups = ListBackups(folder);
    ASSERT_EQ(backups.size(), 2u) << "a failed read leaves none";
    for (const std::string& name : backups) {
      EXPECT_NE(name.find(" " + PortFileStem(h.device()) + ".dat"), std::string::npos) << name;
      EXPECT_EQ(Load(folder + name), Load(dir.file("a.dat")));
    }
  }
  h.sim().SetFaults(SimFaults{});
  dir.Write("not-a-folder", "x");
  CScopedEnv data("XDG_DATA_HOME", dir.file("not-a-folder").c_str());
  // One radio, or two at once sharing the one backup folder: told once.
  CSimHarness other(PatternImage(1), CSimHarness::Fast());
  const std::vector<std::string> reads[] = {
      {"read", "--port", h.device(), "-o", dir.file("d.dat")},
      {"read", "--port", h.device(), "--port", other.device(), "-o", dir.file("many") + "/"}};
  for (const std::vector<std::string>& args : reads) {
    const ProgramRun run = Cli(args);
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(Count(run.err, "No backup was saved"), 1u) << run.err;
  }
  EXPECT_EQ(Load(dir.file("d.dat")), Load(dir.file("a.dat")));
}

// The bytes of the trace's lines in one direction, in order.
std::vector<std::uint8_t> TracedBytes(const std::vector<std::string>& lines, const std::string& direction) {
  std::vector<std::uint8_t> bytes;
  for (const std::string& line : lines) {
    std::istringstream in(line);
    std::string time, dir, word;
    in >> time >> dir;
    if (dir != direction) continue;
    while (in >> word && word[0] != '|') bytes.push_back(static_cast<std::uint8_t>(std::stoi(word, nullptr, 16)));
  }
  return bytes;
}

TEST(CliFleet, ATraceHoldsTheHandshakeAndEveryBlockInOrder) {
  CSimHarness h(PatternImage(1), CSimHarness::Fast());
  const std::string trace = h.dir().file("trace.txt");
  const ProgramRun run = Cli({"read", "--port", h.device(), "-o", h.dir().file("a.dat"), "--trace", trace});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const std::vector<std::string> lines = Lines(Slurp(trace));
  ASSERT_GT(lines.size(), 130u);
  EXPECT_EQ(lines[0], "# Read Data " + h.device());
  std::size_t firstSend = 1;
  while (firstSend < lines.size() && lines[firstSend].find("  send  ") == std::string::npos) ++firstSend;
  ASSERT_LT(firstSend, lines.size());
  EXPECT_NE(lines[firstSend].find("send  02 50 52 4F 47 52 41 4E"), std::string::npos) << lines[firstSend];
  EXPECT_EQ(TracedBytes(lines, "send"), h.FromPc());
  EXPECT_EQ(TracedBytes(lines, "recv"), h.FromRadio());
  EXPECT_GT(Count(Slurp(trace), "  purge\n"), 64u);
  struct stat st {};
  ASSERT_EQ(::stat(trace.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u) << "a trace holds the radio's memory";
}

// A trace that fails midway (here the file size limit) is told beside the
// result of the transfer, which stands.
TEST(CliFleet, ATraceThatFailsMidwayIsOnlyAWarning) {
  CSimHarness h(PatternImage(1), CSimHarness::Fast());
  ASSERT_TRUE(SaveDataFile(h.dir().file("in.dat"), PatternImage(2)).ok());
  const std::string trace = h.dir().file("trace.txt");
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 2048;  // far less than a Write's trace, more than programcli's stderr
  auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  const ProgramRun run = Cli({"write", "--port", h.device(), h.dir().file("in.dat"), "--trace", trace});
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(run.status, kExitOk) << run.err;
  EXPECT_NE(run.err.find("programcli write: Serial trace '" + trace + "' was not saved: File too large."),
            std::string::npos)
      << run.err;
  EXPECT_NE(::access(trace.c_str(), F_OK), 0) << "no half a trace in its place";
}

TEST(CliFleet, DiffNamesTheChannelTheOptionAndTheUnnamedByte) {
  TempDir dir;
  RadioImage a = BuiltInDefaults();
  ChannelRow row{"", "446.00625", "446.00625", "None", "None", "Wide", "Yes", "Off", "High"};
  EncodeChannelRow(row, 3, a);
  RadioImage b = a;
  row[kColRxFrequency] = "446.10000";
  EncodeChannelRow(row, 3, b);
  b[ImageMap::kSquelchLevel] = 3;
  b[0x3FB] = 0x00;
  const std::string pa = dir.file("a.dat"), pb = dir.file("b.dat");
  ASSERT_TRUE(SaveDataFile(pa, a).ok());
  ASSERT_TRUE(SaveDataFile(pb, b).ok());

  const ProgramRun run = Cli({"diff", pa, pb});
  EXPECT_EQ(run.status, kExitDiffer) << run.err;
  const std::string titles = "\tRx Frequency\tTx Frequency\tQT/DQT Dec\tQT/DQT Enc\tW/N\tScan\tBusy Lock\tPower";
  EXPECT_EQ(run.out, "Channels (" + pa + " | " + pb + ")\n" + "CH" + titles + "\t|" + titles + "\n" +
                         " 3\t446.00625\t446.00625\tNone\tNone\tWide\tYes\tOff\tHigh\t|\t"
                         "446.10000\t446.00625\tNone\tNone\tWide\tYes\tOff\tHigh\n"
                         "\n"
                         "Options (" +
                         pa + " | " + pb + ")\n" +
                         "squelch\t5\t|\t3\n"
                         "\n"
                         "Other bytes (" +
                         pa + " | " + pb + ")\n" + "0x3FB\tFF\t|\t00\n");

  const ProgramRun same = Cli({"diff", pa, pa, "--lang", "Chinese"});
  EXPECT_EQ(same.status, kExitOk);
  EXPECT_EQ(same.out, "两个文件的数据相同。\n");
  EXPECT_EQ(Cli({"diff", pa}).status, kExitUsage);
  EXPECT_EQ(Cli({"diff", pa, dir.file("none.dat")}).status, kExitFileError);
}

TEST(CliFleet, AFleetWriteWithASilentRadioEndsInThreeSuccessesAndAFailure) {
  std::vector<std::unique_ptr<CSimHarness>> radios;
  for (int i = 0; i < 4; ++i) {
    SimOptions options = CSimHarness::Fast();
    options.faults.silent = i == 2;
    radios.push_back(std::make_unique<CSimHarness>(PatternImage(i + 1), options));
  }
  std::vector<PortTask> tasks;
  for (const auto& r : radios) tasks.push_back(PortTask{r->device(), r->device(), ""});
  WriteJob job;
  job.image = PatternImage(9);
  job.verify = true;
  job.settings = FastLinkSettings();
  ::testing::internal::CaptureStdout();
  const int status =
      RunOnPorts("write", tasks, Language::English,
                 [&](const PortTask& task, const PortProgress& progress) { return RunWriteJob(job, task, progress); });
  const std::vector<std::string> table = Lines(::testing::internal::GetCapturedStdout());
  EXPECT_EQ(status, kExitCommunication);
  ASSERT_EQ(table.size(), 5u);
  EXPECT_EQ(table[0].rfind("Port", 0), 0u) << table[0];
  for (std::size_t i = 0; i < 4; ++i) {
    const std::string& line = table[i + 1];
    EXPECT_EQ(line.rfind(radios[i]->device() + "  ", 0), 0u) << line;
    EXPECT_NE(line.find(i == 2 ? "Communication Error; the radio did not answer" : "written and verified"),
              std::string::npos)
        << line;
    EXPECT_EQ(line.back(), 's') << "the time closes the line";
    const RadioImage memory = radios[i]->sim().Memory();
    EXPECT_EQ(memory[0x100], i == 2 ? PatternImage(3)[0x100] : job.image[0x100]);
  }
}

TEST(CliFleet, AFleetReadWritesOneFilePerPortIntoTheFolder) {
  CSimHarness first(PatternImage(1), CSimHarness::Fast());
  CSimHarness second(PatternImage(2), CSimHarness::Fast());
  CScopedEnv data("XDG_DATA_HOME", first.dir().file("xdg").c_str());
  const std::string out = first.dir().file("out") + "/";
  const ProgramRun run = Cli({"read", "--port", first.device(), "--port", second.device(), "-o", out});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const std::vector<std::string> table = Lines(run.out);
  ASSERT_EQ(table.size(), 3u) << run.out;
  for (CSimHarness* h : {&first, &second}) {
    const std::string file = out + PortFileStem(h->device()) + ".dat";
    const RadioImage read = Load(file);
    const RadioImage memory = h->sim().Memory();
    for (std::size_t a = 0; a < 0x3FB; ++a) ASSERT_EQ(read[a], memory[a]) << std::hex << a;
    EXPECT_EQ(Count(run.out, "read into " + file), 1u) << run.out;
  }
  EXPECT_EQ(ListBackups(first.dir().file("xdg/" + SubFolders(first.dir().file("xdg")).at(0))).size(), 2u);
}

}  // namespace
