#pragma once
// What the verbs share: their --help layout, data files with their one-line
// messages, and writing the output.
#include <string>
#include <vector>

#include "core/files/DataFile.h"
#include "core/lang/Language.h"
#include "core/radio/RadioImage.h"

// usage ("programcli VERB ..."), a description, the options, then the exit
// status table; to stdout, as WriteOutput writes. Each kLanguagesPlaceholder
// becomes the names --lang takes ("English|Chinese").
inline constexpr const char* kLanguagesPlaceholder = "{languages}";
int PrintVerbHelp(const char* usage, const char* description, const char* options);

// On failure, prints "programcli VERB: ..." to stderr (in Chinese when
// asked) and returns the exit status of that failure; kExitOk on success.
int LoadDataFileForVerb(const char* verb, const std::string& path, RadioImage& image,
                        Language language = Language::English);
int SaveDataFileForVerb(const char* verb, const std::string& path, const RadioImage& image,
                        Language language = Language::English);
// The same message without printing it: the text after "programcli VERB: "
// (empty on success) and the exit status. `saving` says which way the file went.
int DataFileFailure(const std::string& path, const DataFileResult& result, bool saving, Language language,
                    std::string& text);

// Refuses to write `output` over one of the command's other files `inputs`
// (the same file once links are followed), before anything is written.
// kExitOk, or kExitFileError after printing why.
int RefuseOutputOverInput(const char* verb, const std::string& output, const std::vector<std::string>& inputs,
                          Language language = Language::English);

// Writes `text` to stdout; a failed write (a full disk, a closed pipe) is a
// file error, not a silent success. `who` starts the message: "programcli"
// or "programcli VERB".
int WriteToStdout(const std::string& who, const std::string& text);
int WriteOutput(const char* verb, const std::string& text);
