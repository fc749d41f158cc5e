#include "cli/CliArgs.h"

#include <cstdio>

#include "cli/ExitStatus.h"

bool CliArgs::Parse(const Args& args, std::initializer_list<OptionDefinition> options, std::string& error) {
  m_values.clear();
  m_positionals.clear();
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (optionsEnded || word.size() < 2 || word[0] != '-') {
      m_positionals.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    const OptionDefinition* option = nullptr;
    std::string inlineValue;
    bool hasInline = false;
    if (word.compare(0, 2, "--") == 0) {
      std::string name = word.substr(2);
      const auto eq = name.find('=');
      if (eq != std::string::npos) {
        inlineValue = name.substr(eq + 1);
        hasInline = true;
        name.resize(eq);
      }
      for (const OptionDefinition& d : options)
        if (name == d.longName) option = &d;
    } else if (word.size() == 2) {
      for (const OptionDefinition& d : options)
        if (d.shortName != 0 && word[1] == d.shortName) option = &d;
    }
    if (!option) {
      error = "unknown option '" + word + "'";
      return false;
    }
    if (!option->takesValue) {
      if (hasInline) {
        error = "option '--" + std::string(option->longName) + "' takes no value";
        return false;
      }
      m_values[option->longName].push_back("");
      continue;
    }
    if (!hasInline) {
      if (i + 1 >= args.size()) {
        error = "option '" + word + "' needs a value";
        return false;
      }
      inlineValue = args[++i];
    }
    if (inlineValue.empty() && !option->emptyAllowed) {
      error = "option '" + word.substr(0, word.find('=')) + "' needs a value";
      return false;
    }
    m_values[option->longName].push_back(inlineValue);
  }
  return true;
}

std::string CliArgs::Value(const std::string& longName, const std::string& fallback) const {
  const auto it = m_values.find(longName);
  return it == m_values.end() ? fallback : it->second.back();
}

std::vector<std::string> CliArgs::Values(const std::string& longName) const {
  const auto it = m_values.find(longName);
  return it == m_values.end() ? std::vector<std::string>() : it->second;
}

int UsageError(const char* verb, const std::string& message) {
  std::fprintf(stderr, "programcli %s: %s (try programcli %s --help)\n", verb, message.c_str(), verb);
  return kExitUsage;
}
