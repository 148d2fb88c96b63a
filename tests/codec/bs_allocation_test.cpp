// The codec allocates its buffers once per call with malloc and nothing through operator
// new, so no block of a long stream allocates. Counts operator new in this test program.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/codec/codec_helpers.h"

namespace {

std::atomic<long> newCalls{0};

// A sink that writes into a fixed area, so the test's own output allocates nothing.
class FixedOutput : public ByteOutput {
 public:
  explicit FixedOutput(Bytes& area) : area_(area) {}
  bool put(std::uint8_t byte) override { return write(&byte, 1); }
  bool write(const std::uint8_t* bytes, std::size_t length) override {
    if (length > area_.size() - used_) return false;
    std::copy(bytes, bytes + length, area_.begin() + std::ptrdiff_t(used_));
    used_ += length;
    return true;
  }
  bool flush() override { return true; }
  bool failed() const override { return false; }
  void clearError() override {}
  std::size_t used() const { return used_; }

 private:
  Bytes& area_;
  std::size_t used_ = 0;
};

}  // namespace

void* operator new(std::size_t size) {
  ++newCalls;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

TEST(BlockSortingAllocation, SeveralBlocksAllocateNothingThroughNew) {
  Bytes source = wordText(2000000, 6);  // three blocks
  Bytes area(source.size());
  Bytes decoded(source.size());
  FixedOutput output(area);
  MemoryInput input(source.data(), source.size());
  long before = newCalls;
  compressStream(input, output, nullptr);
  MemoryInput packed(area.data(), output.used());
  uncompressStream(packed, decoded.data(), decoded.size(), nullptr);
  EXPECT_EQ(newCalls - before, 0);
  EXPECT_TRUE(decoded == source);
}
