// The seed of the random tests and of bench_soak: a whole number or refused.
#include <gtest/gtest.h>

#include "support/SeedText.h"

namespace {

TEST(SeedText, AWholeNumberFromZeroTo2To32LessOneAndNothingElse) {
  const struct {
    const char* text;
    bool ok;
    unsigned seed;
  } cases[] = {{"0", true, 0},           {"17", true, 17},          {"4294967295", true, 4294967295u},
               {"0042", true, 42},       {"abc", false, 0},         {"", false, 0},
               {"12a", false, 0},        {"-1", false, 0},          {" 1", false, 0},
               {"4294967296", false, 0}, {"99999999999", false, 0}, {"1e3", false, 0}};
  for (const auto& c : cases) {
    unsigned seed = 12345;
    EXPECT_EQ(ParseSeedText(c.text, seed), c.ok) << c.text;
    EXPECT_EQ(seed, c.ok ? c.seed : 12345u) << c.text << ": a refused text leaves the seed alone";
  }
}

}  // namespace
