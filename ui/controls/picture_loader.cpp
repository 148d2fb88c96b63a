// Loading a picture from memory: global memory block, stream over it, OLE picture loader.
#include "ui/controls/picture_loader.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>

namespace ui {

namespace {

// {7BF80980-BF32-101A-8BBB-00AA00300CAB}: the picture interface.
const IID kPictureInterface = {
    0x7BF80980, 0xBF32, 0x101A, {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

PictureLoader resolve(const char* library, const char* name) {
  HMODULE module = LoadLibraryA(library);  // kept loaded: the loader is used for the program's life
  return module ? reinterpret_cast<PictureLoader>(
                      reinterpret_cast<void*>(GetProcAddress(module, name)))
                : nullptr;
}

// A stream over a movable global copy of the bytes; releasing the stream frees the copy.
IStream* streamOver(const void* bytes, size_t count) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, count ? count : 1);
  if (!block) return nullptr;
  void* target = GlobalLock(block);
  if (!target) {
    GlobalFree(block);
    return nullptr;
  }
  if (count) std::memcpy(target, bytes, count);
  GlobalUnlock(block);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
    GlobalFree(block);
    return nullptr;
  }
  return stream;
}

}  // namespace

PictureLoader findPictureLoader(bool* fromOlepro32) {
  static const PictureLoader olepro32 = resolve("OLEPRO32.DLL", MAKEINTRESOURCEA(251));
  static const PictureLoader oleaut32 = olepro32 ? nullptr : resolve("OLEAUT32.DLL", "OleLoadPicture");
  if (fromOlepro32) *fromOlepro32 = olepro32 != nullptr;
  return olepro32 ? olepro32 : oleaut32;
}

HBITMAP loadPictureBitmap(const void* bytes, size_t count) {
  PictureLoader loader = findPictureLoader();
  if (!loader || (count && !bytes) || count > size_t(0x7FFFFFFF)) return nullptr;
  IStream* stream = streamOver(bytes, count);
  if (!stream) return nullptr;
  IPicture* picture = nullptr;
  HRESULT loaded = loader(stream, LONG(count), FALSE, kPictureInterface,
                          reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(loaded) || !picture) return nullptr;

  // The picture owns its bitmap and deletes it when released, so we keep a copy of our own.
  HBITMAP copy = nullptr;
  OLE_HANDLE handle = 0;
  SHORT type = PICTYPE_NONE;
  if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP &&
      SUCCEEDED(picture->get_Handle(&handle)) && handle)
    copy = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  picture->Release();
  return copy;
}

}  // namespace ui
