// The OS services on Windows: shell folders, COM and shell links, opening documents.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shellapi.h>

#include <vector>

#include "os/win32_os_services.h"

std::string Win32OsServices::shellFolderPath(ShellFolder folder) {
  int csidl = folder == ShellFolder::Programs  ? CSIDL_PROGRAMS
              : folder == ShellFolder::Desktop ? CSIDL_DESKTOPDIRECTORY
                                               : CSIDL_STARTUP;
  LPITEMIDLIST items = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &items))) return {};
  char path[MAX_PATH] = "";
  BOOL found = SHGetPathFromIDListA(items, path);
  CoTaskMemFree(items);
  return found ? std::string(path) : std::string();
}

bool Win32OsServices::initComForThread() { return SUCCEEDED(CoInitialize(nullptr)); }
void Win32OsServices::endComForThread() { CoUninitialize(); }

long Win32OsServices::createShellLink(const std::string& linkFile, const ShellLink& link) {
  IShellLinkA* shellLink = nullptr;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IShellLinkA, reinterpret_cast<void**>(&shellLink));
  if (FAILED(result)) return result;
  shellLink->SetDescription(link.description.c_str());
  shellLink->SetPath(link.target.c_str());
  shellLink->SetWorkingDirectory(link.workingFolder.c_str());
  shellLink->SetArguments(link.arguments.c_str());
  IPersistFile* file = nullptr;
  result = shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (SUCCEEDED(result)) {
    // The whole name is converted; a long path is not cut at 260 characters.
    int length = MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, linkFile.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(length > 0 ? length : 1, L'\0');
    if (length > 0)
      MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, linkFile.c_str(), -1, wide.data(), length);
    result = length > 0 ? file->Save(wide.data(), TRUE) : E_INVALIDARG;
    file->Release();
  }
  shellLink->Release();
  return result;
}

bool Win32OsServices::openDocument(const std::string& path, void* window) {
  HINSTANCE result = ShellExecuteA(static_cast<HWND>(window), "open", path.c_str(), nullptr,
                                   nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}
