#include "RadioSim.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/files/DataFile.h"
#include "core/files/DataFileMessage.h"
namespace {

timespec ToTimeout(std::chrono::nanoseconds ns) {
  if (ns.count() < 0) ns = std::chrono::nanoseconds(0);
  timespec ts{};
  ts.tv_sec = static_cast<time_t>(ns.count() / 1000000000);
  ts.tv_nsec = static_cast<long>(ns.count() % 1000000000);
  return ts;
}

// Points `link` at `target` in one step; refuses to replace anything that is
// not a symbolic link.
bool UpdateLink(const std::string& link, const std::string& target, std::string& error) {
  struct stat st {};
  if (::lstat(link.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
    error = link + " exists and is not a symbolic link";
    return false;
  }
  const std::string tmp = link + ".radiosim-tmp";
  ::unlink(tmp.c_str());
  if (::symlink(target.c_str(), tmp.c_str()) != 0 || ::rename(tmp.c_str(), link.c_str()) != 0) {
    error = "cannot make the link " + link + ": " + std::strerror(errno);
    ::unlink(tmp.c_str());
    return false;
  }
  return true;
}

}  // namespace

CRadioSim::CRadioSim(const RadioImage& memory, const SimOptions& options) : m_options(options), m_side(memory) {
  m_side.SetFaults(options.faults);
}

CRadioSim::~CRadioSim() {
  Stop();
  CloseLine();
  if (!m_options.linkPath.empty()) {
    char target[4096];
    const ssize_t n = ::readlink(m_options.linkPath.c_str(), target, sizeof target - 1);
    if (n > 0 && std::string(target, static_cast<std::size_t>(n)) == m_strDevice) ::unlink(m_options.linkPath.c_str());
  }
  for (int fd : m_wake)
    if (fd >= 0) ::close(fd);
}

bool CRadioSim::Open(std::string& error) {
  if (m_wake[0] < 0 && ::pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0) {
    error = std::string("pipe: ") + std::strerror(errno);
    return false;
  }
  return OpenLine(error);
}

bool CRadioSim::OpenLine(std::string& error) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
    error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    if (master >= 0) ::close(master);
    return false;
  }
  char name[256];
  if (::ptsname_r(master, name, sizeof name) != 0) {
    error = std::string("ptsname: ") + std::strerror(errno);
    ::close(master);
    return false;
  }
  // Termios calls on the master act on the slave: raw from the start, so
  // nothing is echoed back before the PC sets up its side.
  termios tio{};
  if (::tcgetattr(master, &tio) == 0) {
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    ::tcsetattr(master, TCSANOW, &tio);
  }
  ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_master = master;
    m_strDevice = name;
  }
  if (!m_options.linkPath.empty() && !UpdateLink(m_options.linkPath, name, error)) {
    CloseLine();
    return false;
  }
  return true;
}

void CRadioSim::CloseLine() {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (m_master >= 0) ::close(m_master);
  m_master = -1;
}

std::string CRadioSim::DevicePath() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_strDevice;
}

void CRadioSim::Notice(const std::string& text) {
  if (m_notice) m_notice(text);
}

// Both run on the simulator's thread with m_mutex held.
void CRadioSim::SetNotice(std::function<void(const std::string&)> notice) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_notice = std::move(notice);
}
void CRadioSim::SetTraceSink(std::function<void(const TraceEntry&)> sink) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_traceSink = std::move(sink);
}

CRadioSim::Clock::duration CRadioSim::ByteTime() const {
  if (m_options.baud <= 0) return Clock::duration::zero();
  // Start bit, 8 data bits, stop bit.
  return std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(10000000000LL / m_options.baud));
}

void CRadioSim::Record(bool fromPc, const std::uint8_t* bytes, std::size_t n, Clock::time_point at) {
  const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(at - m_start).count();
  for (std::size_t i = 0; i < n; ++i) {
    const TraceEntry entry{micros, fromPc, bytes[i]};
    if (m_options.traceLimit > 0) {
      if (m_trace.size() >= m_options.traceLimit) m_trace.pop_front();
      m_trace.push_back(entry);
    }
    if (m_traceSink) m_traceSink(entry);
  }
}

void CRadioSim::Schedule(const RadioReply& reply, Clock::time_point from) {
  const Clock::duration byteTime = ByteTime();
  Clock::time_point end = from > m_lastOutEnd ? from : m_lastOutEnd;
  const std::size_t first = m_out.size();
  for (std::uint8_t b : reply.bytes) {
    end += byteTime;
    m_out.push_back(Pending{b, end});
  }
  if (reply.burst)
    for (std::size_t i = first; i < m_out.size(); ++i) m_out[i].due = end;
  m_lastOutEnd = end;
}

// Called with m_mutex held.
void CRadioSim::ProcessDue(Clock::time_point now) {
  std::size_t used = 0;
  while (used < m_in.size() && m_in[used].due <= now) {
    RadioReply reply;
    const Pending p = m_in[used++];
    if (m_side.OnByte(p.byte, reply) == RadioAction::HangUp) {
      m_in.clear();
      m_out.clear();
      DropLine();
      ++m_stats.hangups;  // counted once the new device and its link exist
      return;
    }
    if (!reply.bytes.empty()) Schedule(reply, p.due);
  }
  m_in.erase(m_in.begin(), m_in.begin() + static_cast<std::ptrdiff_t>(used));

  std::vector<std::uint8_t> bytes;
  std::size_t due = 0;
  while (due < m_out.size() && m_out[due].due <= now) bytes.push_back(m_out[due++].byte);
  if (!bytes.empty()) {
    const ssize_t k = ::write(m_master, bytes.data(), bytes.size());
    const std::size_t written = k > 0 ? static_cast<std::size_t>(k) : 0;
    Record(false, bytes.data(), written, now);
    m_out.erase(m_out.begin(), m_out.begin() + static_cast<std::ptrdiff_t>(written));
  }
}

// Called with m_mutex held: the radio pulls its plug. The PC's open device
// is hung up; a new one takes its place (and the link follows it).
void CRadioSim::DropLine() {
  if (m_master >= 0) ::close(m_master);
  m_master = -1;
  m_mutex.unlock();
  std::string error;
  const bool reopened = OpenLine(error);
  m_mutex.lock();
  Notice(reopened ? "line dropped; new device " + m_strDevice : "line dropped; " + error);
  if (!reopened) m_bStop = true;
}

// Called with m_mutex held.
void CRadioSim::OnPcGone() {
  m_in.clear();
  m_out.clear();
  m_side.EndSession();
  SaveIfDue(false);
}

// Called with m_mutex held.
void CRadioSim::SaveIfDue(bool exiting) {
  m_stats.sessions = m_side.Sessions();
  m_stats.blocksRead = m_side.BlocksRead();
  m_stats.blocksWritten = m_side.BlocksWritten();
  m_stats.writeSessionsEnded = m_side.WriteSessionsEnded();
  const bool wrote = m_side.WriteSessionsEnded() != m_nSavedAt;
  const bool due = exiting || (wrote && m_options.saveWhen == SaveWhen::EachWrite);
  if (!m_options.saveFile.empty() && due) {
    const DataFileResult r = SaveDataFile(m_options.saveFile, m_side.Memory());
    if (r.ok()) {
      ++m_stats.saves;
      m_nSavedAt = m_side.WriteSessionsEnded();
    } else {
      Notice(DataFileFailureMessage(r, m_options.saveFile, true, Language::English));
    }
  }
  m_changed.notify_all();
}

void CRadioSim::Run() {
  // Replies are timed to the wire: a coarse timer would add its slack to
  // every exchange.
  ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  bool pcAbsent = false;
  std::uint8_t buffer[4096];
  while (!m_bStop) {
    Clock::time_point next = Clock::time_point::max();
    int master;
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      ProcessDue(Clock::now());
      SaveIfDue(false);
      if (!m_in.empty()) next = m_in.front().due;
      if (!m_out.empty() && m_out.front().due < next) next = m_out.front().due;
      master = m_master;
    }
    if (m_bStop || master < 0) break;

    pollfd fds[2] = {{m_wake[0], POLLIN, 0}, {master, POLLIN, 0}};
    timespec ts{};
    const timespec* timeout = nullptr;
    if (pcAbsent) {
      // With nobody on the other side the master reports a hang-up without
      // end; look again every few milliseconds instead of spinning.
      ts = ToTimeout(std::chrono::milliseconds(5));
      timeout = &ts;
    } else if (next != Clock::time_point::max()) {
      ts = ToTimeout(next - Clock::now());
      timeout = &ts;
    }
    const int r = ::ppoll(fds, pcAbsent ? 1 : 2, timeout, nullptr);
    if (r < 0 && errno != EINTR) break;
    if (fds[0].revents & POLLIN) {
      char drain[64];
      while (::read(m_wake[0], drain, sizeof drain) > 0) {
      }
    }
    if (m_bStop) break;
    if (pcAbsent) {
      pollfd probe{master, POLLIN, 0};
      if (::poll(&probe, 1, 0) >= 0 && !(probe.revents & POLLHUP)) pcAbsent = false;
      continue;
    }
    if (!(fds[1].revents & (POLLIN | POLLHUP | POLLERR))) continue;
    const ssize_t k = ::read(master, buffer, sizeof buffer);
    const Clock::time_point now = Clock::now();
    std::lock_guard<std::mutex> lock(m_mutex);
    if (master != m_master) continue;
    if (k > 0) {
      Record(true, buffer, static_cast<std::size_t>(k), now);
      // A byte counts as received once its ten bits have crossed the wire.
      const Clock::duration byteTime = ByteTime();
      for (ssize_t i = 0; i < k; ++i) {
        m_lastInEnd = (now > m_lastInEnd ? now : m_lastInEnd) + byteTime;
        m_in.push_back(Pending{buffer[i], m_lastInEnd});
      }
    } else if (k < 0 && (errno == EAGAIN || errno == EINTR)) {
      continue;
    } else {
      // EIO: the PC closed the device. That ends a transfer, not the radio.
      OnPcGone();
      pcAbsent = true;
    }
  }
  std::lock_guard<std::mutex> lock(m_mutex);
  m_side.EndSession();
  SaveIfDue(true);
}

void CRadioSim::Start() {
  m_bStop = false;
  m_thread = std::thread([this] { Run(); });
}

void CRadioSim::RequestStop() {
  m_bStop = true;
  if (m_wake[1] >= 0) {
    const char b = 1;
    (void)!::write(m_wake[1], &b, 1);
  }
}

void CRadioSim::Stop() {
  RequestStop();
  if (m_thread.joinable()) m_thread.join();
}

RadioImage CRadioSim::Memory() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_side.Memory();
}

void CRadioSim::SetMemory(const RadioImage& memory) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_side.SetMemory(memory);
}

void CRadioSim::SetFaults(const SimFaults& faults) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_side.SetFaults(faults);
}

void CRadioSim::SetReadHeader(std::optional<std::array<std::uint8_t, 4>> header) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_side.SetReadHeader(header);
}

std::vector<TraceEntry> CRadioSim::Trace() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return std::vector<TraceEntry>(m_trace.begin(), m_trace.end());
}

SimStats CRadioSim::Stats() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_stats;
}

bool CRadioSim::WaitFor(const std::function<bool(const SimStats&)>& done, int timeoutMs) const {
  std::unique_lock<std::mutex> lock(m_mutex);
  return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return done(m_stats); });
}
