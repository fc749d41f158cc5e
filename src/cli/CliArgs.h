#pragma once
// Options of one verb: "--name value", "--name=value", "-x value", flags, and
// positional words. "--" ends the options.
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "cli/Verb.h"

// What one option of a verb is: its names and whether a value follows it.
struct OptionDefinition {
  const char* longName;  // without "--"
  char shortName;        // 0 when none
  bool takesValue;
  // An empty value is taken (a text that may be empty) rather than refused:
  // "--trace ''" names no file, and is no way to ask for none.
  bool emptyAllowed = false;
};

class CliArgs {
 public:
  // False on an unknown option or a missing or empty value; `error` then says which.
  bool Parse(const Args& args, std::initializer_list<OptionDefinition> options, std::string& error);

  bool Has(const std::string& longName) const { return m_values.count(longName) != 0; }
  // The last value given for the option.
  std::string Value(const std::string& longName, const std::string& fallback = "") const;
  // Every value given, in order, for an option that may repeat (--port).
  std::vector<std::string> Values(const std::string& longName) const;
  const std::vector<std::string>& Positionals() const { return m_positionals; }

 private:
  std::map<std::string, std::vector<std::string>> m_values;
  std::vector<std::string> m_positionals;
};

// Prints "programcli VERB: message" and a hint to stderr; returns kExitUsage.
int UsageError(const char* verb, const std::string& message);
