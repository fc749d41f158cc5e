#pragma once
// Exit statuses of programcli, listed in its --help.
enum ExitStatus {
  kExitOk = 0,
  kExitFailure = 1,          // anything not listed below
  kExitDiffer = 1,           // diff: the two images differ
  kExitUsage = 2,            // unknown verb or option, missing argument
  kExitFileError = 3,        // a file cannot be opened, read or written
  kExitDataFormat = 4,       // "Data Format Error": wrong signature
  kExitShortFile = 5,        // a data file shorter or longer than 1040 bytes
  kExitPortNotOpened = 6,    // the serial port could not be opened
  kExitCommunication = 7,    // "Communication Error"
  kExitCancelled = 8,        // Ctrl+C between blocks
  kExitPasswordRefused = 9,  // wrong service password: nothing was sent
  kExitVerifyFailed = 10,    // write --verify: the radio does not hold what was sent
  kExitLinesRefused = 11,    // import-csv: lines refused, the rest written
  kExitOutsideBand = 12,     // write: channels outside the radio's band, nothing sent
};

// The lines of the exit status table, for every --help.
const char* ExitStatusHelp();
