// The LZ77 encoder written the plain way, position by position along single-byte chains, as
// an oracle: the real encoder uses faster lookups and must produce exactly these bytes.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

inline std::vector<std::uint8_t> referenceLzEncode(const std::vector<std::uint8_t>& input) {
  const int kBuffer = 0x4500;
  std::vector<std::uint8_t> out;
  std::vector<std::uint8_t> buf(kBuffer, 0);
  std::vector<int> chain(kBuffer, -1);
  int head[256];
  std::size_t consumed = 0;
  auto fill = [&](int from) {
    int n = 0;
    while (from + n < kBuffer && consumed < input.size()) buf[from + n++] = input[consumed++];
    return n;
  };
  unsigned word = 0;
  int bits = 0;
  std::vector<std::uint8_t> pending;
  auto send = [&] {
    out.push_back(std::uint8_t(word));
    out.push_back(std::uint8_t(word >> 8));
    out.insert(out.end(), pending.begin(), pending.end());
    word = 0, bits = 0, pending.clear();
  };
  auto bit = [&](unsigned b) {
    word |= b << bits;
    if (++bits == 16) send();
  };
  auto data = [&](int b) { pending.push_back(std::uint8_t(b)); };

  int len = fill(0);
  std::fill(head, head + 256, -1);
  chain[0] = -1;
  head[buf[0]] = 0;
  bit(1);
  data(buf[0]);
  for (int i = 1; i < len; ++i) {
    chain[i] = head[buf[i]];
    head[buf[i]] = i;
    const int maxLen = std::min(len - i, 256);
    const int start = i > 8192 ? i - 8192 : 0;
    int best = 0, offset = 0;
    for (int p = chain[i]; p >= start; p = chain[p]) {
      int m = 1;
      while (m < maxLen && buf[p + m] == buf[i + m]) ++m;
      if (m > best) {
        best = m;
        offset = p - i;
        if (m == maxLen) break;
      }
    }
    if (best >= 3 || (best == 2 && offset >= -255)) {
      bit(0);
      for (int k = 1; k < best; ++k) {
        chain[i + k] = head[buf[i + k]];
        head[buf[i + k]] = i + k;
      }
      i += best - 1;
      if (best <= 5 && offset >= -255) {
        bit(0), bit(((best - 2) >> 1) & 1), bit((best - 2) & 1), data(offset & 0xFF);
      } else {
        bit(1), data(offset & 0xFF);
        if (best <= 9) {
          data(((offset >> 5) & 0xF8) | (best - 2));
        } else {
          data((offset >> 5) & 0xF8), data(best - 1);
        }
      }
    } else {
      bit(1), data(buf[i]);
    }
    if (i > 0x4000) {
      for (int& h : head) h = h < 8192 ? -1 : h - 8192;
      for (int k = 8192; k < len; ++k) {
        buf[k - 8192] = buf[k];
        chain[k - 8192] = chain[k] < 8192 ? -1 : chain[k] - 8192;
      }
      len -= 8192;
      len += fill(len);
      i -= 8192;
    }
  }
  bit(0), bit(1), data(1), data(0), data(0);
  send();
  return out;
}
