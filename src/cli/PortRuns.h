#pragma once
// read and write on one port or on many at once. One port behaves as it
// always has: a progress bar, and the message of a failure on stderr. Many
// ports each run on a thread of their own with a progress line apiece; a
// table of port, outcome and time closes the run. Ctrl+C cancels every port
// between blocks, and a failure on one port never stops the others.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/link/TransferDriver.h"

class CWireTraceFile;

struct PortTask {
  std::string port;                           // as the user gave it
  std::string device;                         // what it resolved to
  std::string trace;                          // the trace file for this port; empty for none
  std::shared_ptr<CWireTraceFile> traceFile;  // opened before any port is
};

struct PortReport {
  int status = 0;                     // kExitOk or the exit status of the failure
  std::string outcome;                // for the closing table: what was done, or what failed
  std::string failure;                // printed after "programcli VERB: " when one port failed
  std::vector<std::string> warnings;  // told but no failure (a backup or a trace that could not be written)
};

// Progress of one port; the caption names the step ("Write Data", "Verify").
using PortProgress = std::function<void(const std::string& caption, const TransferProgress& progress)>;
using PortJob = std::function<PortReport(const PortTask& task, const PortProgress& progress)>;

// Resolves every --port (COMn or a device path). Prints a usage error and
// returns false when one names no device, when two name the same device, or
// when two would share a file name (see PortFileStem) and files are named
// after the ports: with a trace, or `filePerPort`.
bool CollectPortTasks(const char* verb, const std::vector<std::string>& ports, const std::string& trace,
                      bool filePerPort, std::vector<PortTask>& tasks);

// Runs `job` for every task; the exit status of the first task that failed,
// in the order given, or kExitOk.
int RunOnPorts(const char* verb, const std::vector<PortTask>& tasks, Language language, const PortJob& job);

// "trace.txt" for one port; "trace-COM1.txt", "trace-COM2.txt" for several.
std::string TracePathForPort(const std::string& trace, const std::string& port, bool severalPorts);
