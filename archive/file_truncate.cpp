// Ending a file at a given length: the C runtime's call on Windows, POSIX's elsewhere.
#include "archive/file_stream.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

bool truncateFile(std::FILE* file, std::int64_t length) {
  if (!file || length < 0 || length > FileStream::kMaxSize) return false;
#ifdef _WIN32
  return _chsize(_fileno(file), long(length)) == 0;
#else
  return ftruncate(fileno(file), off_t(length)) == 0;
#endif
}
