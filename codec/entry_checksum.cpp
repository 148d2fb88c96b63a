// The entry checksum stamped on every archive record. It is a CRC-style register over a
// table whose entry i is the reflected CRC-32 step applied to i + 1, so it deliberately
// differs from the standard CRC-32: archives in the field were stamped this way.
#include "codec/codec_api.h"

#include <array>

namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320u;

constexpr std::array<std::uint32_t, 256> makeTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t x = i + 1;  // the +1 is what makes this table our own
    for (int step = 0; step < 8; ++step) x = (x & 1) ? (x >> 1) ^ kPolynomial : x >> 1;
    table[i] = x;
  }
  return table;
}

constexpr std::array<std::uint32_t, 256> kTable = makeTable();

}  // namespace

std::uint32_t entryChecksumUpdate(std::uint32_t state, const std::uint8_t* bytes,
                                  std::size_t length) {
  std::uint32_t crc = state ^ 0xFFFFFFFFu;
  for (std::size_t i = 0; i < length; ++i) crc = kTable[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::uint32_t entryChecksum(const std::uint8_t* bytes, std::size_t length) {
  return entryChecksumUpdate(0, bytes, length);
}
