// Typed owners for Win32 handles. A handle type whose empty value is NULL and
// one whose empty value is INVALID_HANDLE_VALUE are different types, so a
// CreateFile result can never be tested against the wrong sentinel.
#pragma once

#include <windows.h>

#include <utility>

namespace win32 {

template <typename Traits>
class UniqueHandle {
public:
    using pointer = typename Traits::pointer;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(pointer value) noexcept : value_(value) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    pointer get() const noexcept { return value_; }
    explicit operator bool() const noexcept { return value_ != Traits::empty(); }

    pointer release() noexcept { return std::exchange(value_, Traits::empty()); }
    void reset(pointer value = Traits::empty()) noexcept {
        pointer old = std::exchange(value_, value);
        if (old != Traits::empty()) Traits::close(old);
    }
    // For out-parameters of functions that create the handle.
    pointer* put() noexcept {
        reset();
        return &value_;
    }

private:
    pointer value_ = Traits::empty();
};

struct KernelHandleTraits {  // processes, threads, events, mutexes: NULL when empty
    using pointer = HANDLE;
    static pointer empty() noexcept { return nullptr; }
    static void close(pointer h) noexcept { ::CloseHandle(h); }
};
struct FileHandleTraits {  // CreateFile, CreateToolhelp32Snapshot: INVALID_HANDLE_VALUE when empty
    using pointer = HANDLE;
    static pointer empty() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(pointer h) noexcept { ::CloseHandle(h); }
};
struct FindHandleTraits {
    using pointer = HANDLE;
    static pointer empty() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(pointer h) noexcept { ::FindClose(h); }
};
struct RegKeyTraits {
    using pointer = HKEY;
    static pointer empty() noexcept { return nullptr; }
    static void close(pointer h) noexcept { ::RegCloseKey(h); }
};
struct ModuleTraits {
    using pointer = HMODULE;
    static pointer empty() noexcept { return nullptr; }
    static void close(pointer h) noexcept { ::FreeLibrary(h); }
};
template <typename T>
struct GdiObjectTraits {
    using pointer = T;
    static pointer empty() noexcept { return nullptr; }
    static void close(pointer h) noexcept { ::DeleteObject(h); }
};
struct MemoryDcTraits {  // CreateCompatibleDC
    using pointer = HDC;
    static pointer empty() noexcept { return nullptr; }
    static void close(pointer h) noexcept { ::DeleteDC(h); }
};
struct IconTraits {
    using pointer = HICON;
    static pointer empty() noexcept { return nullptr; }
    static void close(pointer h) noexcept { ::DestroyIcon(h); }
};
struct MenuTraits {  // only for menus not attached to a window
    using pointer = HMENU;
    static pointer empty() noexcept { return nullptr; }
    static void close(pointer h) noexcept { ::DestroyMenu(h); }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFileHandle = UniqueHandle<FileHandleTraits>;
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;
using UniqueRegKey = UniqueHandle<RegKeyTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniquePen = UniqueHandle<GdiObjectTraits<HPEN>>;
using UniqueRegion = UniqueHandle<GdiObjectTraits<HRGN>>;

// A DC from GetDC, released to its window.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintScope {
public:
    explicit PaintScope(HWND window) noexcept : window_(window) { dc_ = ::BeginPaint(window, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { ::EndPaint(window_, &paint_); }
    HDC dc() const noexcept { return dc_; }
    const RECT& area() const noexcept { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects a GDI object into a DC and puts the previous one back.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;
    ~SelectScope() {
        if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace win32
