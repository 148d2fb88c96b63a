// The codec entry points that the archive calls. Each codec keeps its working state in
// process-wide storage: one encode or decode runs at a time in the process.
//
// Encoders read `source` from its current position to its end and write one self-delimiting
// stream to `destination`. Decoders read one stream from `source` and write at most
// `capacity` bytes to `output` from its start; a corrupt stream never writes past `capacity`
// and never reads past the end of `source`.
#pragma once

#include <cstddef>
#include <cstdint>

#include "foundation/byte_stream.h"

// Called by the codecs only, never with arguments; null means no callback.
using ProgressProc = void (*)();

// Block-sorting codec ("Res" streams). Failures are fatal reports of module "compress".
void compressStream(ByteInput& source, ByteOutput& destination, ProgressProc progress);
void uncompressStream(ByteInput& source, std::uint8_t* output, std::size_t capacity,
                      ProgressProc progress);
// The number of bytes the latest uncompressStream wrote to its output (0 for a stream whose
// header it did not recognise).
std::size_t uncompressedSize();

// LZ77 codec. lzEncode returns the number of bytes written, or -1 if a write failed.
// lzDecode returns the number of bytes written to output (less than the expected size when
// the stream ended early; the caller never takes a short result as complete data).
int lzEncode(ByteInput& source, ByteOutput& destination, ProgressProc progress);
std::size_t lzDecode(ByteInput& source, std::uint8_t* output, std::size_t capacity,
                     ProgressProc progress);

// The entry checksum of the archive's records (not the standard CRC-32), over a whole buffer
// or one piece at a time: entryChecksumUpdate(state, ...) continues from an earlier result,
// starting from 0 for no bytes.
std::uint32_t entryChecksum(const std::uint8_t* bytes, std::size_t length);
std::uint32_t entryChecksumUpdate(std::uint32_t state, const std::uint8_t* bytes,
                                  std::size_t length);
