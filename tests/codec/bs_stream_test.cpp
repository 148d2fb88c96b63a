// The block-sorting stream format: exact bytes, headers, and the fatal reports of corrupt
// or short streams.
#include <gtest/gtest.h>

#include "tests/codec/codec_helpers.h"
#include "tests/support/recording_os.h"
#include "tests/support/scratch_folder.h"

namespace {

// The 32 coded bits after the first coded bit carry the first block's header value
// unchanged, since "bogus" divides the starting range exactly.
Bytes withFirstBlockHeader(Bytes stream, std::uint32_t value) {
  for (int i = 0; i < 32; ++i) {
    int bit = 4 * 8 + 1 + i;
    std::uint8_t mask = std::uint8_t(0x80 >> (bit % 8));
    if ((value >> (31 - i)) & 1)
      stream[bit / 8] |= mask;
    else
      stream[bit / 8] &= std::uint8_t(~mask);
  }
  return stream;
}

}  // namespace

TEST(BlockSortingStream, EncodesTheKnownVectorsExactly) {
  struct Vector {
    Bytes source;
    Bytes stream;
  };
  const Vector vectors[] = {
      {{}, {0x52, 0x65, 0x73, 0x4A, 0x7F, 0xFF, 0xFF, 0xFF, 0xD5, 0x6C, 0x95, 0xBA, 0x00}},
      {bytesOf("abc"),
       {0x52, 0x65, 0x73, 0x4A, 0x7F, 0xFF, 0xFF, 0xFF, 0x63, 0x90, 0xEA, 0xFF, 0x0B, 0x20, 0x77,
        0x00}},
      {Bytes(10, 'a'),
       {0x52, 0x65, 0x73, 0x4A, 0x7F, 0xFF, 0xFF, 0xFD, 0x63, 0x29, 0xD3, 0x57, 0x92, 0xC4, 0xEA,
        0x00}},
  };
  for (const Vector& v : vectors) {
    EXPECT_EQ(encodeBytes(v.source), v.stream);
    EXPECT_EQ(decodeBytes(v.stream, v.source.size()), v.source);
  }
}

TEST(BlockSortingStream, ReadsTheAlternativeHeaderWithItsDigitLevel) {
  Bytes source = wordText(3000, 1);
  Bytes stream = encodeBytes(source);
  for (char digit = '1'; digit <= '9'; digit += 4) {
    stream[0] = 'B';
    stream[1] = 'Z';
    stream[2] = '0';
    stream[3] = std::uint8_t(digit);
    EXPECT_EQ(decodeBytes(stream, source.size()), source) << digit;
  }
}

TEST(BlockSortingStream, UnknownHeaderConsumesFourBytesAndWritesNothing) {
  const char* const headers[] = {"ResA", "ResK", "BZ00", "BZ0:", "ABCD", "resJ"};
  Bytes stream = encodeBytes(bytesOf("payload"));
  for (const char* header : headers) {
    SCOPED_TRACE(header);
    std::copy(header, header + 4, stream.begin());
    std::size_t consumed = 0;
    Bytes output = decodeBytes(stream, 7, nullptr, &consumed);
    EXPECT_EQ(output, Bytes(7, 0xEE));
    EXPECT_EQ(consumed, 4u);
  }
}

TEST(BlockSortingStream, CorruptStreamsEndInTheirFatalReport) {
  Bytes text = wordText(150000, 3);
  Bytes stream = encodeBytes(text);
  Bytes level1 = stream;
  level1[3] = 'B';  // blocks of at most 100,000 entries: this one holds 150,000
  struct FailureCase {
    const char* name;
    Bytes stream;
    std::size_t capacity;
    const char* report;
  };
  const FailureCase cases[] = {
      {"truncated", Bytes(stream.begin(), stream.begin() + stream.size() / 2), text.size(),
       "Compressed stream EOF"},
      {"capacity too small", stream, text.size() - 1, "Output overrun during decompression"},
      {"block longer than its level", level1, text.size(), "Block overrun during decompression"},
      {"origin past the block", withFirstBlockHeader(encodeBytes(bytesOf("abc")), ~100u), 3,
       "Origin pointer out of range"},
  };
  ScratchFolder folder;
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EXIT(
        {
          RecordingOs os;
          decodeBytes(c.stream, c.capacity);
        },
        ::testing::ExitedWithCode(1), std::string("File compress, line .*:") + NL + c.report);
  }
}

TEST(BlockSortingStream, RefusedWriteIsReported) {
  ScratchFolder folder;
  Bytes source = wordText(20000, 4);
  EXPECT_EXIT(
      {
        RecordingOs os;
        MemoryInput input(source.data(), source.size());
        MemoryOutput output(100);
        compressStream(input, output, nullptr);
      },
      ::testing::ExitedWithCode(1), std::string("File compress, line .*:") + NL + "EOF!");
}
