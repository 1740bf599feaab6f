// qvprobe: prints the state of a top-level window as one JSON object, for the
// end-to-end tests that drive the programs under Wine. Usage:
//   qvprobe.exe TITLE [TIMEOUT_MS]   window whose caption is exactly TITLE
//   qvprobe.exe --list               every visible top-level window
//   qvprobe.exe --grab FILE.bmp      the whole screen as Wine painted it, as a
//                                    24-bit BMP (X screenshots show a window
//                                    over another of its program black)
//   qvprobe.exe --close TITLE        asks the window titled TITLE to close
//                                    (WM_CLOSE, as its frame's close box does)
// The object holds the window's rectangle, visibility, its region's rectangles
// (in window coordinates) and each child control's class, text, visibility
// and rectangle (a combo box's text is its box's). Exit code 0 when found, 1
// when not.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string JsonText(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

// The caption, else (a combo box keeps its text itself) the text it gives.
std::string WindowText(HWND h) {
    char buf[1024];
    DWORD_PTR n = static_cast<DWORD_PTR>(std::max(GetWindowTextA(h, buf, sizeof buf), 0));
    if (!n) SendMessageTimeoutA(h, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 500, &n);
    return std::string(buf, n);
}

std::string ClassOf(HWND h) {
    char buf[256];
    int n = GetClassNameA(h, buf, sizeof buf);
    return std::string(buf, n > 0 ? n : 0);
}

std::string RectJson(const RECT& r) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "[%ld,%ld,%ld,%ld]", r.left, r.top, r.right, r.bottom);
    return buf;
}

std::string RegionJson(HWND h) {
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    int kind = GetWindowRgn(h, rgn);
    std::string out = "{\"kind\":" + std::to_string(kind) + ",\"rects\":[";
    if (kind != ERROR) {
        DWORD size = GetRegionData(rgn, 0, nullptr);
        std::vector<char> data(size);
        if (size && GetRegionData(rgn, size, reinterpret_cast<RGNDATA*>(data.data()))) {
            auto* rd = reinterpret_cast<RGNDATA*>(data.data());
            auto* rects = reinterpret_cast<RECT*>(rd->Buffer);
            for (DWORD i = 0; i < rd->rdh.nCount; ++i) out += (i ? "," : "") + RectJson(rects[i]);
        }
    }
    DeleteObject(rgn);
    return out + "]}";
}

BOOL CALLBACK CollectChild(HWND h, LPARAM lp) {
    auto* out = reinterpret_cast<std::string*>(lp);
    RECT r;
    GetWindowRect(h, &r);
    HWND parent = GetAncestor(h, GA_ROOT);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    if (out->back() != '[') *out += ",";
    *out += "{\"class\":" + JsonText(ClassOf(h)) + ",\"text\":" + JsonText(WindowText(h)) +
            ",\"visible\":" + (IsWindowVisible(h) ? "true" : "false") +
            ",\"enabled\":" + (IsWindowEnabled(h) ? "true" : "false") + ",\"rect\":" + RectJson(r) + "}";
    return TRUE;
}

std::string Describe(HWND h) {
    RECT wr, cr;
    GetWindowRect(h, &wr);
    GetClientRect(h, &cr);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    std::string out = "{\"title\":" + JsonText(WindowText(h)) + ",\"class\":" + JsonText(ClassOf(h)) +
                      ",\"pid\":" + std::to_string(pid) +
                      ",\"visible\":" + (IsWindowVisible(h) ? "true" : "false") +
                      ",\"iconic\":" + (IsIconic(h) ? "true" : "false") + ",\"rect\":" + RectJson(wr) +
                      ",\"client\":" + RectJson(cr) + ",\"region\":" + RegionJson(h) + ",\"children\":[";
    EnumChildWindows(h, CollectChild, reinterpret_cast<LPARAM>(&out));
    return out + "]}";
}

struct Search {
    std::string title;
    HWND found = nullptr;
};

BOOL CALLBACK FindTop(HWND h, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    if (WindowText(h) == s->title) {
        s->found = h;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK ListTop(HWND h, LPARAM lp) {
    auto* out = reinterpret_cast<std::string*>(lp);
    if (!IsWindowVisible(h)) return TRUE;
    if (out->back() != '[') *out += ",";
    *out += Describe(h);
    return TRUE;
}

// Copies the screen DC into a 24-bit bottom-up DIB and writes it as a BMP.
int GrabScreen(const char* path) {
    HDC screen = GetDC(nullptr);
    int w = GetDeviceCaps(screen, HORZRES), h = GetDeviceCaps(screen, VERTRES);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    GdiFlush();
    DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u, size = stride * static_cast<DWORD>(h);
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + size;
    bool ok = false;
    if (FILE* f = std::fopen(path, "wb")) {
        ok = std::fwrite(&fh, sizeof fh, 1, f) == 1 && std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f) == 1 &&
             std::fwrite(bits, 1, size, f) == size;
        ok = std::fclose(f) == 0 && ok;
    }
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(dib);
    ReleaseDC(nullptr, screen);
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: qvprobe TITLE [TIMEOUT_MS] | --list | --grab FILE.bmp | --close TITLE\n");
        return 2;
    }
    if (std::string(argv[1]) == "--list") {
        std::string out = "[";
        EnumWindows(ListTop, reinterpret_cast<LPARAM>(&out));
        std::printf("%s]\n", out.c_str());
        return 0;
    }
    if (std::string(argv[1]) == "--grab") return argc > 2 ? GrabScreen(argv[2]) : 2;
    if (std::string(argv[1]) == "--close") {
        if (argc < 3) return 2;
        Search target;
        target.title = argv[2];
        EnumWindows(FindTop, reinterpret_cast<LPARAM>(&target));
        return target.found && PostMessageA(target.found, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    Search s;
    s.title = argv[1];
    int timeout = argc > 2 ? std::atoi(argv[2]) : 0;
    DWORD start = GetTickCount();
    for (;;) {
        EnumWindows(FindTop, reinterpret_cast<LPARAM>(&s));
        if (s.found || static_cast<int>(GetTickCount() - start) >= timeout) break;
        Sleep(50);
    }
    if (!s.found) {
        std::printf("null\n");
        return 1;
    }
    std::printf("%s\n", Describe(s.found).c_str());
    return 0;
}
