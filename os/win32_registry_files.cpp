// The OS services on Windows: registry below HKEY_LOCAL_MACHINE, folders and files.
#include <windows.h>

#include "os/win32_os_services.h"

OsKey Win32OsServices::openKey(const std::string& subKey) {
  static char keyClass[] = "binary data";
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, keyClass, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return nullptr;
  return key;
}

bool Win32OsServices::setStringValue(OsKey key, const std::string& name, const std::string& text) {
  if (!key) return false;
  return RegSetValueExA(static_cast<HKEY>(key), name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(text.c_str()), DWORD(text.size() + 1)) ==
         ERROR_SUCCESS;
}

void Win32OsServices::closeKey(OsKey key) {
  if (key) RegCloseKey(static_cast<HKEY>(key));
}

FolderOutcome Win32OsServices::createFolder(const std::string& path) {
  if (CreateDirectoryA(path.c_str(), nullptr)) return FolderOutcome::Created;
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return FolderOutcome::Existed;
  return FolderOutcome::Failed;
}

namespace {
// A folder path from one of the Get...DirectoryA calls, which report the length they need
// when the buffer is too small.
template <typename Getter>
std::string folderFrom(Getter get) {
  char buffer[MAX_PATH];
  UINT length = get(buffer, MAX_PATH);
  if (length == 0) return {};
  if (length < MAX_PATH) return std::string(buffer, length);
  std::string large(length, '\0');
  length = get(&large[0], length);
  large.resize(length);
  return large;
}
}  // namespace

std::string Win32OsServices::windowsFolder() { return folderFrom(GetWindowsDirectoryA); }
std::string Win32OsServices::systemFolder() { return folderFrom(GetSystemDirectoryA); }

bool Win32OsServices::writeWholeFile(const std::string& path, const void* data, std::size_t size) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  // WriteFile takes a 32-bit count; larger files go in slices.
  const char* next = static_cast<const char*>(data);
  bool ok = true;
  while (ok && size > 0) {
    DWORD slice = size > 0x40000000 ? 0x40000000 : DWORD(size);
    DWORD written = 0;
    ok = WriteFile(file, next, slice, &written, nullptr) && written == slice;
    next += slice;
    size -= slice;
  }
  return CloseHandle(file) && ok;
}

bool Win32OsServices::setNormalAttributes(const std::string& path) {
  return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL) != 0;
}
