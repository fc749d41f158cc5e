#pragma once
// What the programcli tests against the simulated radio share: running the
// tool, files, and programs in the background that a test can signal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/RunProgram.h"
#include "core/files/DataFile.h"
#include "support/TempDir.h"

extern char** environ;

using Clock = std::chrono::steady_clock;

inline bool Exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

inline std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline RadioImage Load(const std::string& path) {
  RadioImage image;
  EXPECT_TRUE(LoadDataFile(path, image).ok()) << path;
  return image;
}

// A program started in the background, its stdout and stderr in files (or
// stdout on a pipe), so that a test can signal it.
class CBackground {
 public:
  CBackground(const std::string& program, const std::vector<std::string>& args, const TempDir& dir,
              bool stdoutPipe = false) {
    m_errPath = dir.file(std::to_string(::getpid()) + "-" + std::to_string(++s_count) + ".err");
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    int pipeFds[2] = {-1, -1};
    if (stdoutPipe && ::pipe(pipeFds) == 0) {
      posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
      posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
      posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    } else {
      posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, 2, m_errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (::posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    if (pipeFds[1] >= 0) ::close(pipeFds[1]);
    m_out = pipeFds[0];
  }
  ~CBackground() {
    if (m_pid > 0) {
      ::kill(m_pid, SIGKILL);
      Wait();
    }
    if (m_out >= 0) ::close(m_out);
  }
  bool started() const { return m_pid > 0; }
  void Signal(int sig) const { ::kill(m_pid, sig); }
  // The exit status; -1 when it did not exit normally.
  int Wait() {
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string ReadLine() const {
    std::string line;
    char c = 0;
    while (::read(m_out, &c, 1) == 1 && c != '\n') line += c;
    return line;
  }
  std::string err() const { return Slurp(m_errPath); }

 private:
  static inline int s_count = 0;
  pid_t m_pid = -1;
  int m_out = -1;
  std::string m_errPath;
};

inline ProgramRun Cli(const std::vector<std::string>& args) { return RunProgram(BuiltProgram("programcli"), args); }
