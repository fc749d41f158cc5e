#include "SimCommandLine.h"

namespace {

bool ParseBaud(const std::string& text, int& baud) {
  if (text.empty() || text.size() > 7) return false;
  int v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (v != 0 && v < 50) return false;
  baud = v;
  return true;
}

}  // namespace

bool ParseSimCommandLine(const std::vector<std::string>& args, SimCommandLine& out, std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::string value;
    bool hasValue = false;
    const auto eq = name.find('=');
    if (name.compare(0, 2, "--") == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.resize(eq);
      hasValue = true;
    }
    auto take = [&]() {
      if (hasValue) return true;
      if (i + 1 >= args.size()) {
        error = "option '" + name + "' needs a value";
        return false;
      }
      value = args[++i];
      return true;
    };
    if (name == "--help" || name == "-h") {
      out.help = true;
    } else if (name == "--version") {
      out.version = true;
    } else if (name == "--trace") {
      out.trace = true;
    } else if (name == "--memory") {
      if (!take()) return false;
      out.memoryFile = value;
    } else if (name == "--save") {
      if (!take()) return false;
      out.options.saveFile = value;
    } else if (name == "--save-when") {
      if (!take()) return false;
      if (value == "write") {
        out.options.saveWhen = SaveWhen::EachWrite;
      } else if (value == "exit") {
        out.options.saveWhen = SaveWhen::OnExit;
      } else {
        error = "--save-when takes 'write' or 'exit'";
        return false;
      }
    } else if (name == "--link") {
      if (!take()) return false;
      out.options.linkPath = value;
    } else if (name == "--baud") {
      if (!take()) return false;
      if (!ParseBaud(value, out.options.baud)) {
        error = "--baud takes 0 or a rate of at least 50";
        return false;
      }
    } else if (name == "--fault") {
      if (!take()) return false;
      if (!ApplyFault(value, out.options.faults, error)) return false;
    } else {
      error = "unknown option '" + args[i] + "'";
      return false;
    }
  }
  return true;
}

const char* SimHelpText() {
  return "usage: radiosim [OPTIONS]\n"
         "\n"
         "A simulated radio on a pseudo-terminal. Prints the device path on the\n"
         "first line of standard output, then answers the PC's handshake,\n"
         "identification, confirmation and block commands, one transfer after\n"
         "another, until SIGINT or SIGTERM. The PC closing the port between\n"
         "transfers does not end it.\n"
         "\n"
         "options:\n"
         "  --memory FILE.dat   start with this data file's image (default: the\n"
         "                      built-in defaults)\n"
         "  --save FILE.dat     save the memory to this data file\n"
         "  --save-when WHEN    write: after every transfer that wrote blocks, and\n"
         "                      on exit (default); exit: on exit only\n"
         "  --link PATH         also make PATH a symbolic link to the device (kept\n"
         "                      pointing at the current device, removed on exit)\n"
         "  --baud N            pace the wire at N baud, 10 bits a byte, in both\n"
         "                      directions (default 9600; 0: as fast as possible)\n"
         "  --trace             print every byte on the wire to standard error\n"
         "  --fault FAULT       misbehave; may be given more than once:\n"
         "      silent            never acknowledge the handshake\n"
         "      noise[:N]         send N bytes (1-8, default 3) before the handshake\n"
         "                        acknowledgement\n"
         "      short-ident       a 7-byte identification\n"
         "      long-ident        a 9-byte identification\n"
         "      no-confirm        no answer to the confirmation\n"
         "      short-block:K     the reply to read block K lacks its last byte\n"
         "      refuse-block:K    answer block K with 0x15 (a write is not stored)\n"
         "      hangup:K          drop the line when block K is asked for; a new\n"
         "                        device replaces it (see --link)\n"
         "      drop-block:K      acknowledge written block K without storing it\n"
         "                      K counts the block commands of one transfer from 1.\n"
         "  --version           print the version and exit\n"
         "  --help              this text\n"
         "\n"
         "exit status: 0 after a stop by signal, 2 on a usage error, 1 when the\n"
         "pseudo-terminal or the memory file cannot be had.\n";
}
