// Every seed and every saved finding of the fuzz targets, run through the
// same entry points in the normal (sanitized) test run, with no clang needed.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fuzz/FuzzEntries.h"

namespace fs = std::filesystem;

namespace {

struct Target {
  const char* corpus;
  int (*entry)(const std::uint8_t*, std::size_t);
};

const Target kTargets[] = {
    {"datafile", FuzzDataFileInput},
    {"profile", FuzzProfileInput},
    {"csv", FuzzCsvInput},
    {"clonelink", FuzzCloneLinkInput},
};

std::vector<std::uint8_t> Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FuzzCorpus, EverySeedRunsClean) {
  for (const Target& t : kTargets) {
    const fs::path dir = fs::path(PROGRAM_FUZZ_CORPUS_DIR) / t.corpus;
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
      if (!entry.is_regular_file()) continue;
      const std::vector<std::uint8_t> bytes = Bytes(entry.path());
      SCOPED_TRACE(entry.path().string());
      // A broken property aborts inside the entry, which fails this test.
      EXPECT_EQ(t.entry(bytes.data(), bytes.size()), 0);
      ++files;
    }
    EXPECT_GE(files, 3) << "the seed corpus of " << t.corpus << " is missing";
  }
}

TEST(FuzzCorpus, EmptyInput) {
  for (const Target& t : kTargets) EXPECT_EQ(t.entry(nullptr, 0), 0) << t.corpus;
}

}  // namespace
