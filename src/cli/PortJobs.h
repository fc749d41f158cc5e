#pragma once
// What read and write do on one port, wherever it runs: the transfer session
// (see core/link/TransferSession.h) with the trace, the read-back and the
// backup asked for, and for a read the output file before the backup.
#include <string>
#include <vector>

#include "cli/PortRuns.h"
#include "core/lang/Language.h"
#include "core/radio/RadioImage.h"

struct ReadJob {
  RadioImage base;     // the bytes a read does not fill
  std::string output;  // the data file; a folder ending in '/' for one file per port
  std::string backupFolder;
  Language language = Language::English;
  LinkSettings settings = MainLinkSettings();
};
PortReport RunReadJob(const ReadJob& job, const PortTask& task, const PortProgress& progress);

struct WriteJob {
  RadioImage image;
  bool serviceMode = false;
  bool verify = false;
  Language language = Language::English;
  LinkSettings settings = MainLinkSettings();
};
PortReport RunWriteJob(const WriteJob& job, const PortTask& task, const PortProgress& progress);

// Opens the trace of every task that asks for one, before any port is
// opened: a trace that cannot be created fails the command with nothing sent.
// kExitOk, or kExitFileError after printing why.
int OpenPortTraces(const char* verb, std::vector<PortTask>& tasks, Language language);

// The file a read on `port` writes: `output` itself, or for a folder (ending
// in '/') the port's safe name with ".dat" in it.
std::string ReadOutputPath(const std::string& output, const std::string& port);
