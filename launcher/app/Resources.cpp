#include "launcher/app/Resources.h"

#include "common/win32/ComPtr.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>

namespace launcher {

std::string_view resourceBytes(HINSTANCE instance, int id) {
    HRSRC info = ::FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!info) return {};
    HGLOBAL loaded = ::LoadResource(instance, info);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const char*>(data), ::SizeofResource(instance, info)};
}

win32::UniqueBitmap loadPictureResource(HINSTANCE instance, int id) {
    std::string_view bytes = resourceBytes(instance, id);
    if (bytes.empty()) return {};
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!copy) return {};
    if (void* p = ::GlobalLock(copy)) {
        std::memcpy(p, bytes.data(), bytes.size());
        ::GlobalUnlock(copy);
    }
    win32::ComPtr<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(copy, TRUE, stream.put()))) {
        ::GlobalFree(copy);
        return {};
    }
    win32::ComPtr<IPicture> picture;
    if (FAILED(::OleLoadPicture(stream.get(), static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                                picture.putVoid())))
        return {};
    OLE_HANDLE handle = 0;
    SHORT type = PICTYPE_UNINITIALIZED;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&handle)))
        return {};
    // The picture owns its bitmap; keep a copy that outlives it.
    HANDLE own = ::CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0,
                             LR_CREATEDIBSECTION);
    return win32::UniqueBitmap(static_cast<HBITMAP>(own));
}

void drawBitmapStretched(HDC dc, HBITMAP bitmap, const RECT& target) {
    BITMAP info{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof info, &info)) return;
    win32::UniqueMemoryDc memory(::CreateCompatibleDC(dc));
    if (!memory) return;
    win32::SelectScope select(memory.get(), bitmap);
    int width = target.right - target.left, height = target.bottom - target.top;
    if (width == info.bmWidth && height == info.bmHeight) {
        ::BitBlt(dc, target.left, target.top, width, height, memory.get(), 0, 0, SRCCOPY);
        return;
    }
    int oldMode = ::SetStretchBltMode(dc, HALFTONE);
    POINT oldOrigin{};
    ::SetBrushOrgEx(dc, 0, 0, &oldOrigin);
    ::StretchBlt(dc, target.left, target.top, width, height, memory.get(), 0, 0, info.bmWidth, info.bmHeight,
                 SRCCOPY);
    ::SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    ::SetStretchBltMode(dc, oldMode);
}

}  // namespace launcher
