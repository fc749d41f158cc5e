// Writes one language's module source (.ts) from the resource catalogue:
// every menu, dialog and string text of the window, in the language the
// program names in "Program.ini". The catalogue is the one place a text is
// written; the build turns this file into the language module.
#include <cstdio>
#include <string>

#include "core/lang/AnyLanguage.h"
#include "core/shell/ResourceTable.h"

namespace {

// The language code a translation file names.
constexpr PerLanguage<const char*> kTsLanguageCodes{"en_US", "zh_CN"};

std::string Escaped(const char* text) {
  std::string out;
  for (const char* p = text; *p; ++p) {
    switch (*p) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '\t': out += "&#x9;"; break;
      case '\n': out += "&#xa;"; break;
      default: out += *p; break;
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string name = argc == 3 ? argv[1] : "";
  const auto language = AnyLanguage([&](Language each) { return name == LanguageName(each); });
  if (!language) {
    std::fprintf(stderr, "usage: language_module_ts LANGUAGE OUT.ts (a language as Program.ini names it)\n");
    return 2;
  }
  std::string ts = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n";
  ts += std::string("<TS version=\"2.1\" language=\"") + kTsLanguageCodes.Form(*language) + "\">\n";
  ts += "<context>\n    <name>Resources</name>\n";
  for (const ResourceEntry& entry : ResourceCatalogue()) {
    ts += "    <message>\n        <source>" + Escaped(entry.key) + "</source>\n";
    ts += "        <translation>" + Escaped(entry.text.Form(*language)) + "</translation>\n    </message>\n";
  }
  ts += "</context>\n</TS>\n";
  std::FILE* out = std::fopen(argv[2], "wb");
  const bool written = out && std::fwrite(ts.data(), 1, ts.size(), out) == ts.size();
  if (!out || std::fclose(out) != 0 || !written) {
    std::fprintf(stderr, "language_module_ts: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
