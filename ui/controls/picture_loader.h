// Turns a picture file held in memory into a bitmap through the platform's OLE picture loader
// (the one OLEPRO32.DLL exports under ordinal 251; OleLoadPicture of OLEAUT32.DLL where that
// export is missing).
#pragma once

#include <windows.h>

#include <objidl.h>

#include <cstddef>

namespace ui {

// The picture loader's signature: stream, byte count, run mode, interface id, result.
using PictureLoader = HRESULT(WINAPI*)(IStream*, LONG, BOOL, REFIID, void**);

// The loader in use, or null when neither library offers one; `fromOlepro32` tells which.
PictureLoader findPictureLoader(bool* fromOlepro32 = nullptr);

// A device-independent bitmap of its own made from `count` bytes at `bytes`, or null when the
// bytes are not a picture the loader accepts. The caller owns the bitmap.
HBITMAP loadPictureBitmap(const void* bytes, size_t count);

}  // namespace ui
