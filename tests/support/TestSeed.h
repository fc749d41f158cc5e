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

inline unsigned TestSeed() {
  unsigned seed = 0;
  if (const char* text = std::getenv("PROGRAM_TEST_SEED")) {
    const std::string s = text;
    unsigned long long value = 0;
    bool valid = !s.empty() && s.size() <= 10;
    for (char c : s) {
      valid = valid && c >= '0' && c <= '9';
      value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (!valid || value > 0xFFFFFFFFull) {
      ADD_FAILURE() << "PROGRAM_TEST_SEED='" << s << "' is no seed: give a whole number from 0 to 4294967295";
      return 0;
    }
    seed = static_cast<unsigned>(value);
  } else {
    seed = std::random_device{}();
  }
  std::printf("random seed %u (PROGRAM_TEST_SEED=%u replays this run)\n", seed, seed);
  std::fflush(stdout);
  return seed;
}
