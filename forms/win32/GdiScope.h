// Scoped GDI helpers: every DC taken, object selected or created is given
// back by a destructor, never by a hand-paired call, so an early return or an
// exception cannot leak a DC or leave a font selected.
//
//   ScopedGetDC screen(nullptr);                 // GetDC / ReleaseDC
//   ScopedSelectObject font(screen, hfont);      // SelectObject / restore
//   MemoryDC measure;                            // CreateCompatibleDC / DeleteDC
//   ScopedGdiObject brush(CreateSolidBrush(c));  // DeleteObject on exit
#pragma once
#include <windows.h>

namespace forms {

// A window's DC (nullptr: the screen), released on exit.
class ScopedGetDC {
public:
    explicit ScopedGetDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~ScopedGetDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    HDC get() const { return dc_; }
    operator HDC() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// A memory DC compatible with the screen (or with `like`), deleted on exit.
class MemoryDC {
public:
    explicit MemoryDC(HDC like = nullptr) : dc_(CreateCompatibleDC(like)) {}
    ~MemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const { return dc_; }
    operator HDC() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a DC and selects the previous one back on exit.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelectObject() {
        if (old_) SelectObject(dc_, old_);
    }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Owns a created GDI object (pen, brush, region, bitmap): DeleteObject on
// exit. Select it through a ScopedSelectObject declared after it, so that it
// is deselected before it is deleted.
class ScopedGdiObject {
public:
    explicit ScopedGdiObject(HGDIOBJ object) : object_(object) {}
    ~ScopedGdiObject() {
        if (object_) DeleteObject(object_);
    }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
    HGDIOBJ get() const { return object_; }

private:
    HGDIOBJ object_;
};

}  // namespace forms
