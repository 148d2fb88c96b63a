// Keeps C++ exceptions from crossing a Win32 callback: the window and dialog procedures run
// their handlers through guardCallback, which turns an escaping exception into the program's
// fatal report instead of unwinding through the system's frames.
#pragma once

#include <exception>

namespace win {

// Reports an exception that reached a window or dialog procedure and ends the program.
[[noreturn]] void reportCallbackException(const char* what);

template <typename Result, typename Handler>
Result guardCallback(Handler&& handler) {
  try {
    return handler();
  } catch (const std::exception& e) {
    reportCallbackException(e.what());
  } catch (...) {
    reportCallbackException("unknown exception");
  }
}

}  // namespace win
