#pragma once
// A random seed given as text (PROGRAM_TEST_SEED, bench_soak --seed): a whole
// number from 0 to 4294967295 written plainly, or no seed at all. Free of
// GoogleTest, so that the benchmarks read a seed by the same rule.
#include <string>

inline bool ParseSeedText(const std::string& text, unsigned& seed) {
  if (text.empty() || text.size() > 10) return false;
  unsigned long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  if (value > 0xFFFFFFFFull) return false;
  seed = static_cast<unsigned>(value);
  return true;
}

constexpr char kSeedRange[] = "give a whole number from 0 to 4294967295";
