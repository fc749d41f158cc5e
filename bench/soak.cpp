// A dealer's day: many transfers in a row against radiosim (full speed, a new
// radio for each transfer) with a fault chosen at random for each, some
// through programcli and most through the link code in this process. After
// every transfer the outcome must be the one the fault calls for and the
// memory that moved must be exact; at the end this process must hold no more
// descriptors and no more memory than after the first 50 transfers.
//
//   bench_soak [--bin DIR] [--transfers N] [--seed S]
// DIR holds radiosim and programcli (default: the build's program folder).
// Exits 1 when any check failed.
#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/files/DataFile.h"
#include "core/link/TransferDriver.h"
#include "core/link/TransferRanges.h"
#include "core/radio/ChannelTable.h"
#include "support/SeedText.h"

extern char** environ;

namespace {

// The faults radiosim knows, and what each must do to a transfer.
enum class Fault { None, Noise, LongIdent, Silent, ShortIdent, NoConfirm, ShortBlock, RefuseBlock, HangUp };
const char* const kFaultNames[] = {"none",       "noise",       "long-ident",   "silent", "short-ident",
                                   "no-confirm", "short-block", "refuse-block", "hangup"};
constexpr int kFaultKinds = 9;

struct Plan {
  Fault fault = Fault::None;
  int arg = 0;  // noise count or block number
  Direction direction = Direction::Read;
  bool serviceMode = false;
  bool viaCli = false;
};

struct Expected {
  LinkStatus status = LinkStatus::Ok;
  int blocksDone = 0;  // blocks acknowledged (or stored by the radio) before the failure
};

std::string FaultArgument(const Plan& p) {
  std::string text = kFaultNames[static_cast<int>(p.fault)];
  if (p.fault == Fault::Noise || p.fault >= Fault::ShortBlock) text += ":" + std::to_string(p.arg);
  return text;
}

Expected ExpectedFor(const Plan& p, int blocks) {
  const bool read = p.direction == Direction::Read;
  const bool inRange = p.arg <= blocks;
  switch (p.fault) {
    case Fault::Silent: return {LinkStatus::NoHandshakeReply, 0};
    case Fault::ShortIdent: return {LinkStatus::IdentTooShort, 0};
    case Fault::NoConfirm: return {LinkStatus::ConfirmNotAcked, 0};
    case Fault::ShortBlock:
      if (read && inRange) return {LinkStatus::ShortBlock, p.arg - 1};
      break;
    case Fault::RefuseBlock:
      if (inRange) return {LinkStatus::BlockNotAcked, p.arg - 1};
      break;
    case Fault::HangUp:
      if (inRange) return {read ? LinkStatus::ShortBlock : LinkStatus::BlockNotAcked, p.arg - 1};
      break;
    default: break;
  }
  return {LinkStatus::Ok, blocks};
}

RadioImage RandomImage(std::mt19937& random) {
  RadioImage image;
  for (std::uint8_t& b : image.bytes) b = static_cast<std::uint8_t>(random());
  return image;
}

// An image the channel table leaves as it is, so that programcli write,
// which stores the table first, sends the very bytes the check expects. Two
// passes: on random bytes the first one settles the fields, the second the
// flags that depend on them. Its radio type is none Program.ini lists, so
// write has no band to refuse the random channels by.
RadioImage TableStable(RadioImage image) {
  for (int pass = 0; pass < 2; ++pass) StoreImageThroughTable(image);
  image[ImageMap::kProductType] = 0xFF;
  return image;
}

int CountDescriptors() {
  int n = 0;
  if (DIR* dir = ::opendir("/proc/self/fd")) {
    while (const dirent* e = ::readdir(dir))
      if (e->d_name[0] != '.') ++n;
    ::closedir(dir);
  }
  return n - 1;  // the listing's own
}

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.compare(0, 6, "VmRSS:") == 0) return std::atol(line.c_str() + 6);
  return -1;
}

struct Usage {
  int descriptors;
  long residentKb;
  std::size_t heapBytes;  // handed out by malloc and not yet freed
};

Usage Measure() {
  ::malloc_trim(0);
  return {CountDescriptors(), ResidentKb(), ::mallinfo2().uordblks};
}

// A child with stdin from /dev/null, stderr to `errPath`, stdout to a pipe
// (when `out` is given) or /dev/null.
pid_t Spawn(const std::vector<std::string>& argv, const std::string& errPath, int* out) {
  int pipeFds[2] = {-1, -1};
  if (out && ::pipe2(pipeFds, O_CLOEXEC) != 0) return -1;
  posix_spawn_file_actions_t actions;
  ::posix_spawn_file_actions_init(&actions);
  ::posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (out)
    ::posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
  else
    ::posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  ::posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = -1;
  if (::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) pid = -1;
  ::posix_spawn_file_actions_destroy(&actions);
  if (out) {
    ::close(pipeFds[1]);
    *out = pipeFds[0];
  }
  return pid;
}

int WaitExit(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// One radiosim for one transfer: its memory, its fault, the memory it holds
// when it ends.
class CSimProcess {
 public:
  CSimProcess(const std::string& bin, const std::string& dir, const RadioImage& memory, const std::string& fault)
      : m_strDir(dir) {
    SaveDataFile(dir + "/memory.dat", memory);
    ::unlink((dir + "/after.dat").c_str());
    std::vector<std::string> argv = {
        bin + "/radiosim", "--baud",          "0", "--link", link(), "--memory", dir + "/memory.dat",
        "--save",          dir + "/after.dat"};
    if (fault != "none") {
      argv.push_back("--fault");
      argv.push_back(fault);
    }
    m_pid = Spawn(argv, dir + "/radiosim.err", &m_out);
    // It prints its device once the link exists.
    pollfd p{m_out, POLLIN, 0};
    char c = 0;
    m_bReady = m_pid > 0 && ::poll(&p, 1, 5000) == 1 && ::read(m_out, &c, 1) == 1;
  }
  ~CSimProcess() {
    if (m_pid > 0) Stop();
    if (m_out >= 0) ::close(m_out);
  }
  bool ready() const { return m_bReady; }
  std::string link() const { return m_strDir + "/radio"; }
  // Ends it (it saves on the way out) and returns the memory it held.
  bool Stop(RadioImage* memory = nullptr) {
    ::kill(m_pid, SIGTERM);
    const int status = WaitExit(m_pid);
    m_pid = -1;
    return status == 0 && (!memory || LoadDataFile(m_strDir + "/after.dat", *memory).ok());
  }

 private:
  std::string m_strDir;
  pid_t m_pid = -1;
  int m_out = -1;
  bool m_bReady = false;
};

// The radio's memory after a write: the blocks it stored from the image,
// its own bytes everywhere else.
RadioImage AfterWrite(const RadioImage& radio, const RadioImage& sent, const Ranges& ranges, int blocksStored) {
  RadioImage after = radio;
  int block = 0;
  for (const AddressRange& r : ranges)
    for (std::size_t a = r.start; a < r.end && block < blocksStored; a += BlockLength(a, r.end), ++block)
      for (std::size_t i = 0; i < BlockLength(a, r.end); ++i) after[a + i] = sent[a + i];
  return after;
}

// The program's own settings, except for a silent radio: waiting it out
// takes five seconds, and with nothing ever coming shorter time-outs cannot
// change the outcome. Anywhere else they could: on a busy machine the radio's
// process may not run for a tenth of a second.
LinkSettings SoakLinkSettings(Fault fault) {
  LinkSettings s = MainLinkSettings();
  if (fault == Fault::Silent) {
    s.port.readTotalPerByteMs = 10;
    s.port.readTotalConstantMs = 40;
    s.replyWaitMs = 60;
  }
  return s;
}

struct Soak {
  std::string bin;
  std::string dir;
  std::mt19937 random;
  std::map<std::string, int> faults;  // by kind
  std::map<std::string, int> ways;    // by path, direction and expected outcome
  int failures = 0;

  void Fail(int n, const Plan& p, const std::string& what) {
    ++failures;
    std::fprintf(stderr, "transfer %d (%s %s %s): %s\n", n, p.viaCli ? "programcli" : "in-process",
                 p.direction == Direction::Read ? "read" : "write", FaultArgument(p).c_str(), what.c_str());
  }

  Plan Choose() {
    Plan p;
    p.fault = static_cast<Fault>(random() % kFaultKinds);
    p.arg = p.fault == Fault::Noise ? 1 + static_cast<int>(random() % 8) : 1 + static_cast<int>(random() % 64);
    p.direction = random() % 2 ? Direction::Write : Direction::Read;
    p.viaCli = random() % 4 == 0;
    p.serviceMode = !p.viaCli && p.direction == Direction::Write && random() % 2;
    return p;
  }

  void Run(int n) {
    const Plan p = Choose();
    ++faults[kFaultNames[static_cast<int>(p.fault)]];
    const Ranges ranges = MainTransferRanges(p.direction, p.serviceMode);
    const Expected want = ExpectedFor(p, static_cast<int>(CountBlocks(ranges)));
    ++ways[std::string(p.viaCli ? "programcli " : "in-process ") +
           (p.direction == Direction::Read ? "read " : "write ") +
           (want.status == LinkStatus::Ok ? "succeeds" : "fails")];
    const RadioImage radio = RandomImage(random);
    const RadioImage image = TableStable(RandomImage(random));

    CSimProcess sim(bin, dir, radio, FaultArgument(p));
    if (!sim.ready()) return Fail(n, p, "radiosim did not start");
    RadioImage got = image;
    bool transferOk = false;
    if (p.viaCli) {
      transferOk = RunCli(n, p, want, sim.link(), image, got);
    } else {
      MainTransferRequest request;
      request.device = sim.link();
      request.direction = p.direction;
      request.serviceMode = p.serviceMode;
      request.settings = SoakLinkSettings(p.fault);
      int done = 0;
      request.onProgress = [&](const TransferProgress& progress) { done = progress.done; };
      const auto start = std::chrono::steady_clock::now();
      const TransferResult r = RunMainTransfer(request, got);
      const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
      transferOk = r.ok();
      if (r.status != want.status || done != want.blocksDone)
        Fail(n, p,
             std::string("ended in ") + LinkStatusName(r.status) + " after " + std::to_string(done) + " blocks, not " +
                 LinkStatusName(want.status) + " after " + std::to_string(want.blocksDone) + " (" +
                 std::to_string(ms.count()) + " ms)");
      if (p.direction == Direction::Write && got != image) Fail(n, p, "a write changed the image");
    }

    RadioImage after;
    if (!sim.Stop(&after)) return Fail(n, p, "radiosim did not end cleanly or saved no memory");
    if (p.direction == Direction::Read) {
      RadioImage expected = image;
      if (transferOk)
        for (std::size_t a = 0; a < 0x3FB; ++a) expected[a] = radio[a];
      if (got != expected)
        Fail(n, p, transferOk ? "the memory read is not the radio's" : "a failed read changed the image");
      if (after != radio) Fail(n, p, "a read changed the radio");
    } else if (after != AfterWrite(radio, image, ranges, want.blocksDone)) {
      Fail(n, p, "the radio does not hold what was written");
    }
  }

  // Through programcli: only its exit status and its files can tell.
  bool RunCli(int n, const Plan& p, const Expected& want, const std::string& link, const RadioImage& image,
              RadioImage& got) {
    const std::string file = dir + "/cli.dat";
    ::unlink(file.c_str());
    std::vector<std::string> argv = {bin + "/programcli"};
    if (p.direction == Direction::Read) {
      argv.insert(argv.end(), {"read", "--port", link, "-o", file, "--base", dir + "/base.dat"});
      SaveDataFile(dir + "/base.dat", image);
    } else {
      argv.insert(argv.end(), {"write", "--port", link, file});
      SaveDataFile(file, image);
    }
    const int status = WaitExit(Spawn(argv, dir + "/programcli.err", nullptr));
    const int wantStatus = want.status == LinkStatus::Ok ? 0 : 7;
    if (status != wantStatus)
      Fail(n, p, "programcli exited " + std::to_string(status) + ", not " + std::to_string(wantStatus));
    if (p.direction == Direction::Read) {
      const DataFileResult r = LoadDataFile(file, got);
      if (r.ok() != (status == 0)) Fail(n, p, "programcli read left a file after failing, or none after success");
    }
    return status == 0;
  }
};

}  // namespace

int main(int argc, char** argv) {
  Soak soak;
  soak.bin = PROGRAM_BIN_DIR;
  int transfers = 1000;
  unsigned seed = std::random_device{}();
  // An option without its value, or one not known, is a usage error rather
  // than a soak run on settings nobody asked for.
  bool usage = argc % 2 == 0;
  for (int i = 1; !usage && i + 1 < argc; i += 2) {
    unsigned n = 0;
    if (std::strcmp(argv[i], "--bin") == 0) {
      soak.bin = argv[i + 1];
    } else if (std::strcmp(argv[i], "--transfers") == 0) {
      transfers = ParseSeedText(argv[i + 1], n) && n <= 1000000 ? static_cast<int>(n) : 0;
    } else if (std::strcmp(argv[i], "--seed") == 0) {
      if (!ParseSeedText(argv[i + 1], seed)) {
        std::fprintf(stderr, "bench_soak: --seed '%s' is no seed: %s\n", argv[i + 1], kSeedRange);
        return 2;
      }
    } else {
      usage = true;
    }
  }
  if (usage || transfers < 50) {
    std::fprintf(stderr, "usage: bench_soak [--bin DIR] [--transfers N>=50] [--seed S]\n");
    return 2;
  }
  std::printf("seed %u, %d transfers\n", seed, transfers);
  std::fflush(stdout);
  soak.random.seed(seed);
  char dir[] = "/tmp/bench-soak.XXXXXX";
  if (!::mkdtemp(dir)) return 1;
  soak.dir = dir;
  std::signal(SIGPIPE, SIG_IGN);

  Usage at50{};
  for (int n = 1; n <= transfers; ++n) {
    soak.Run(n);
    if (n == 50) at50 = Measure();
    if (n % 100 == 0) {
      std::printf("%d transfers, %d failed checks\n", n, soak.failures);
      std::fflush(stdout);
    }
  }
  const Usage end = Measure();
  std::string cleanup = std::string("rm -rf ") + dir;
  (void)!std::system(cleanup.c_str());

  std::printf("faults:");
  for (const auto& [kind, count] : soak.faults) std::printf(" %s %d", kind.c_str(), count);
  std::printf("\ntransfers:");
  for (const auto& [way, count] : soak.ways) std::printf(" %s %d;", way.c_str(), count);
  std::printf("\n%-14s %12s %14s %14s\n", "after", "descriptors", "resident (kB)", "heap (bytes)");
  std::printf("%-14s %12d %14ld %14zu\n", "50 transfers", at50.descriptors, at50.residentKb, at50.heapBytes);
  std::printf("%-14s %12d %14ld %14zu\n", (std::to_string(transfers) + " transfers").c_str(), end.descriptors,
              end.residentKb, end.heapBytes);
  // The heap may move by a few allocator blocks; a leak of one buffer per
  // transfer would be hundreds of kilobytes.
  const bool grew = end.descriptors > at50.descriptors || end.heapBytes > at50.heapBytes + 16 * 1024 ||
                    end.residentKb > at50.residentKb + 1024;
  std::printf("failed checks: %d; descriptors and memory %s\n", soak.failures, grew ? "GREW" : "held");
  return soak.failures == 0 && !grew ? 0 : 1;
}
