// Arbitrary text as a profile file: parse it, look things up with names taken
// from the input, change it, and check that what Save would write parses back
// to the very same text.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/profile/ProfileFile.h"
#include "fuzz/FuzzEntries.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "FuzzProfile: %s\n", what);
  std::abort();
}

void CheckSavedTextReloads(const CProfileFile& profile) {
  const std::string saved = profile.SerializedText();
  CProfileFile reloaded;
  reloaded.ParseText(saved);
  if (reloaded.SerializedText() != saved) Fail("saved text does not load back to itself");
}

}  // namespace

int FuzzProfileInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = size ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
  CProfileFile profile;
  profile.ParseText(text);
  CheckSavedTextReloads(profile);

  // The first line, as the name of a section and of a key.
  std::string name = text.substr(0, text.find('\n')).substr(0, 64);
  const int section = profile.FindSection(name);
  if (section >= profile.SectionCount()) Fail("section index out of range");
  const int key = profile.FindKey(section < 0 ? 0 : section, name);
  if (key < -1) Fail("key index out of range");
  profile.GetString(name, name, name);
  profile.GetString("", name, "");
  profile.GetString("Setup", "Language", "");

  profile.SetString(name, "Language", "Chinese");
  if (profile.GetString(name, "Language", "") != "Chinese") Fail("SetString not read back");
  profile.SetString("Setup", "Language", "English // remark");
  if (profile.GetString("Setup", "Language", "") != "English ") Fail("comment not cut");
  CheckSavedTextReloads(profile);
  return 0;
}

#ifdef PROGRAM_LIBFUZZER
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzProfileInput(data, size);
}
#endif
