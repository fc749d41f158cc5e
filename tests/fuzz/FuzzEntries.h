#pragma once
// The fuzz targets' bodies. libFuzzer calls them through
// LLVMFuzzerTestOneInput; the corpus replay test calls them directly, so the
// normal test run keeps every seed and past finding passing.
#include <cstddef>
#include <cstdint>

int FuzzDataFileInput(const std::uint8_t* data, std::size_t size);
int FuzzProfileInput(const std::uint8_t* data, std::size_t size);
int FuzzCsvInput(const std::uint8_t* data, std::size_t size);
int FuzzCloneLinkInput(const std::uint8_t* data, std::size_t size);
