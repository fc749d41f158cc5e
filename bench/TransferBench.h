#pragma once
// The frame of the transfer benchmarks: a simulated radio paced at 9600 baud,
// a number of timed Reads and normal Writes, and their median set against
// the least time the bytes need on the wire.
#include <functional>
#include <string>

#include "core/link/TransferRanges.h"

namespace bench {

constexpr double kTargetRatio = 1.05;

// Bytes both ways of a main transfer over `ranges`.
long WireBytes(Direction direction, const Ranges& ranges);
// Their time at 9600 baud, plus the pauses the handshake itself makes.
double WireSeconds(long bytes);

// Seconds one transfer took on `device`; `ok` false when it failed.
using TimeOne = std::function<double(const std::string& device, Direction direction, bool& ok)>;

// Parses "[--runs N]", starts the radio, times each direction `runs` times,
// prints `title`, the table and the verdict. The exit status of the benchmark.
int RunTransferBench(int argc, char** argv, const char* program, const char* title, const TimeOne& timeOne);

}  // namespace bench
