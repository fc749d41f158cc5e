// Writes the resource texts the core owns as a translation source for one
// language, which the build merges into that language's module: the texts
// programcli prints and the window shows then come from one place.
#include <cstdio>
#include <string>

#include "core/shell/ResourceTable.h"

namespace {

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
  const std::string language = argc == 3 ? argv[1] : "";
  if (language != "English" && language != "Chinese") {
    std::fprintf(stderr, "usage: coretexts_ts English|Chinese OUT.ts\n");
    return 2;
  }
  const Language texts = language == "Chinese" ? Language::Chinese : Language::English;
  std::string ts = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n";
  ts += std::string("<TS version=\"2.1\" language=\"") + (texts == Language::Chinese ? "zh_CN" : "en_US") + "\">\n";
  ts += "<context>\n    <name>Resources</name>\n";
  for (const CoreResource& core : CoreResources()) {
    ts += "    <message>\n        <source>" + Escaped(core.key) + "</source>\n";
    ts += "        <translation>" + Escaped(core.text(texts)) + "</translation>\n    </message>\n";
  }
  ts += "</context>\n</TS>\n";
  std::FILE* out = std::fopen(argv[2], "wb");
  const bool written = out && std::fwrite(ts.data(), 1, ts.size(), out) == ts.size();
  if (!out || std::fclose(out) != 0 || !written) {
    std::fprintf(stderr, "coretexts_ts: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
