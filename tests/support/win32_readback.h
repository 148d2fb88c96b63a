// Reading back what the Win32 OS services did, for the tests under Wine: registry values and
// key classes below HKEY_LOCAL_MACHINE, shell links, whole files.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace readback {

// A REG_SZ value; `found` tells whether it exists with that type and a terminating NUL.
inline std::string registryString(const std::string& key, const std::string& name,
                                  bool* found = nullptr) {
  if (found) *found = false;
  HKEY handle;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
    return {};
  DWORD type = 0, size = 0;
  std::string text;
  if (RegQueryValueExA(handle, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      type == REG_SZ && size > 0) {
    std::vector<char> data(size);
    if (RegQueryValueExA(handle, name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) == ERROR_SUCCESS &&
        data[size - 1] == '\0') {
      text.assign(data.data(), size - 1);
      if (found) *found = true;
    }
  }
  RegCloseKey(handle);
  return text;
}

inline bool registryKeyExists(const std::string& key) {
  HKEY handle;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
    return false;
  RegCloseKey(handle);
  return true;
}

// The names of a key's values, in the registry's order.
inline std::vector<std::string> registryValueNames(const std::string& key) {
  std::vector<std::string> names;
  HKEY handle;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
    return names;
  char name[512];
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof name;
    if (RegEnumValueA(handle, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    names.emplace_back(name, length);
  }
  RegCloseKey(handle);
  return names;
}

inline std::string registryKeyClass(const std::string& key) {
  HKEY handle;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
    return "(no key)";
  char keyClass[256] = "";
  DWORD length = sizeof keyClass;
  RegQueryInfoKeyA(handle, keyClass, &length, nullptr, nullptr, nullptr, nullptr, nullptr,
                   nullptr, nullptr, nullptr, nullptr);
  RegCloseKey(handle);
  return std::string(keyClass, length);
}

inline void deleteRegistryTree(const std::string& key) {
  SHDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());
}

struct LinkContents {
  std::string target, arguments, workingFolder, description;
};

// Loads a .lnk file through IShellLinkA; false when it cannot be loaded. COM must be initialised.
inline bool loadLink(const std::string& path, LinkContents& link) {
  IShellLinkA* shellLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&shellLink))))
    return false;
  IPersistFile* file = nullptr;
  bool loaded = false;
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    std::wstring wide(path.size() + 1, L'\0');
    int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], int(wide.size()));
    loaded = length > 0 && SUCCEEDED(file->Load(wide.c_str(), STGM_READ));
    file->Release();
  }
  if (loaded) {
    char text[1024];
    if (SUCCEEDED(shellLink->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH))) link.target = text;
    if (SUCCEEDED(shellLink->GetArguments(text, sizeof text))) link.arguments = text;
    if (SUCCEEDED(shellLink->GetWorkingDirectory(text, sizeof text))) link.workingFolder = text;
    if (SUCCEEDED(shellLink->GetDescription(text, sizeof text))) link.description = text;
  }
  shellLink->Release();
  return loaded;
}

// The whole file, or "(missing)" when it cannot be opened.
inline std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "(missing)";
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

inline bool isFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace readback
