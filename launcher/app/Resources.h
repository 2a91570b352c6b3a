// The launcher's compiled-in content: raw resource bytes and pictures.
#pragma once

#include "common/win32/Handles.h"

#include <string_view>

namespace launcher {

// The bytes of an RCDATA resource (empty when missing); they live as long as the module.
std::string_view resourceBytes(HINSTANCE instance, int id);

// A JPEG (or any picture OLE can read) from an RCDATA resource as a bitmap of
// our own; empty when it cannot be read.
win32::UniqueBitmap loadPictureResource(HINSTANCE instance, int id);

// Stretches a bitmap over a rectangle of a DC.
void drawBitmapStretched(HDC dc, HBITMAP bitmap, const RECT& target);

}  // namespace launcher
