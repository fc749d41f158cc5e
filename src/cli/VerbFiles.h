#pragma once
// What the verbs share: their --help layout, data files with their one-line
// messages, and writing the output.
#include <string>

#include "radio/DataFile.h"
#include "radio/RadioImage.h"

// usage, a description, the options, then the exit status table; to stdout.
int PrintVerbHelp(const char* usage, const char* description, const char* options);

// On failure, prints "programcli VERB: ..." to stderr and returns the exit
// status of that failure; returns kExitOk on success.
int LoadDataFileForVerb(const char* verb, const std::string& path, RadioImage& image);
int SaveDataFileForVerb(const char* verb, const std::string& path, const RadioImage& image);
// The same message without printing it: the text after "programcli VERB: "
// (empty on success) and the exit status.
int DataFileFailure(const std::string& path, const DataFileResult& result, std::string& text);

// Writes `text` to stdout; a failed write (a full disk, a closed pipe) is a
// file error, not a silent success.
int WriteOutput(const char* verb, const std::string& text);
