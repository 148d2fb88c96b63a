// Where the install run takes the product's files from: the install archive, with its disk
// fallback. A seam of its own, so the run can be driven by other sources in tests.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

// Damaged: the entry is in the archive but could not be decoded or failed its checksum.
enum class EntryStatus { Ok, Missing, Damaged };

struct EntryData {
  EntryStatus status = EntryStatus::Missing;
  // The entry's bytes, [data, data + size); null unless status is Ok.
  std::unique_ptr<char, void (*)(char*)> data{nullptr, [](char*) {}};
  std::size_t size = 0;
};

class EntrySource {
 public:
  virtual ~EntrySource() = default;
  // Reads and verifies the entry `name`. The run holds one entry's data at a time.
  virtual EntryData read(const std::string& name) = 0;
};
