#pragma once
// The seed of a test that draws random numbers. PROGRAM_TEST_SEED gives it
// (./test.sh always sets one, so that its runs repeat); without it each run
// draws a new one. It is printed either way, so a failure can be replayed:
//   PROGRAM_TEST_SEED=N ctest -R NAME --output-on-failure
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "support/SeedText.h"

inline unsigned TestSeed() {
  unsigned seed = 0;
  if (const char* text = std::getenv("PROGRAM_TEST_SEED")) {
    if (!ParseSeedText(text, seed)) {
      ADD_FAILURE() << "PROGRAM_TEST_SEED='" << text << "' is no seed: " << kSeedRange;
      return 0;
    }
  } else {
    seed = std::random_device{}();
  }
  std::printf("random seed %u (PROGRAM_TEST_SEED=%u replays this run)\n", seed, seed);
  std::fflush(stdout);
  return seed;
}
