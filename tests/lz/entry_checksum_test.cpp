// The entry checksum: its fixed values and piecewise updates.
#include <gtest/gtest.h>

#include "codec/codec_api.h"
#include "tests/lz/codec_test_data.h"

namespace {

TEST(EntryChecksum, FixedValues) {
  const Bytes abc = bytesOf("abc");
  EXPECT_EQ(entryChecksum(abc.data(), abc.size()), 0x5AFA2A22u);  // not CRC-32's 0x352441C2
  EXPECT_EQ(entryChecksum(nullptr, 0), 0u);
  const std::uint8_t ff = 0xFF, zero = 0;
  // With a register of all ones, byte 0xFF indexes T[0] = R(1) and byte 0 indexes T[255] = 1.
  EXPECT_EQ(entryChecksum(&ff, 1), 0xFFFFFFFFu ^ 0x77073096u ^ 0x00FFFFFFu);
  EXPECT_EQ(entryChecksum(&zero, 1), 0xFFFFFFFFu ^ 1u ^ 0x00FFFFFFu);
}

TEST(EntryChecksum, PiecewiseEqualsWhole) {
  const Bytes data = wordText(10000, 3);
  const std::uint32_t whole = entryChecksum(data.data(), data.size());
  for (std::size_t split : {0u, 1u, 4999u, 10000u}) {
    const std::uint32_t first = entryChecksumUpdate(0, data.data(), split);
    EXPECT_EQ(entryChecksumUpdate(first, data.data() + split, data.size() - split), whole);
  }
}

}  // namespace
