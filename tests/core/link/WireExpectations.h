#pragma once
// The bytes a transfer must put on the wire, built block by block from the
// ranges, for comparing with what the simulated radio saw.
#include <array>
#include <cstdint>
#include <vector>

#include "core/link/CloneLink.h"
#include "core/link/TransferRanges.h"
#include "core/radio/RadioImage.h"

inline const std::vector<std::uint8_t> kSimIdent = {'S', 'I', 'M', 'R', 'A', 'D', 'I', 'O'};

inline std::vector<std::uint8_t> ExpectedFromPc(Direction direction, const Ranges& ranges, const RadioImage& image) {
  std::vector<std::uint8_t> out(std::begin(CloneWire::kHandshake), std::end(CloneWire::kHandshake));
  out.push_back(0x02);
  out.push_back(0x06);
  for (const AddressRange& r : ranges) {
    for (std::size_t a = r.start; a < r.end; a += BlockLength(a, r.end)) {
      const std::size_t n = BlockLength(a, r.end);
      out.push_back(direction == Direction::Read ? 0x52 : 0x57);
      out.push_back(static_cast<std::uint8_t>(a >> 8));
      out.push_back(static_cast<std::uint8_t>(a & 0xFF));
      out.push_back(static_cast<std::uint8_t>(n));
      if (direction == Direction::Read)
        out.push_back(0x06);
      else
        for (std::size_t i = 0; i < n; ++i) out.push_back(image[a + i]);
    }
  }
  return out;
}

inline std::vector<std::uint8_t> ExpectedFromRadio(Direction direction, const Ranges& ranges,
                                                   const RadioImage& memory) {
  std::vector<std::uint8_t> out = {0x06};
  out.insert(out.end(), kSimIdent.begin(), kSimIdent.end());
  out.push_back(0x06);
  for (const AddressRange& r : ranges) {
    for (std::size_t a = r.start; a < r.end; a += BlockLength(a, r.end)) {
      const std::size_t n = BlockLength(a, r.end);
      if (direction == Direction::Read) {
        // The simulator's header echoes the command.
        out.insert(out.end(), {0x52, static_cast<std::uint8_t>(a >> 8), static_cast<std::uint8_t>(a & 0xFF),
                               static_cast<std::uint8_t>(n)});
        for (std::size_t i = 0; i < n; ++i) out.push_back(memory[a + i]);
      }
      out.push_back(0x06);
    }
  }
  return out;
}

using Command = std::array<std::uint8_t, 4>;

// The block commands in what the PC sent, after the 10 bytes of handshake,
// identification request and confirmation.
inline std::vector<Command> BlockCommands(const std::vector<std::uint8_t>& fromPc) {
  std::vector<Command> out;
  std::size_t i = 10;
  while (i + 4 <= fromPc.size()) {
    const Command c = {fromPc[i], fromPc[i + 1], fromPc[i + 2], fromPc[i + 3]};
    out.push_back(c);
    i += 4 + (c[0] == 0x52 ? 1 : c[3]);
  }
  return out;
}
