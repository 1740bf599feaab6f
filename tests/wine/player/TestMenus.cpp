#include "tests/wine/player/TestMenus.h"

#include <cstring>
#include <memory>

#include "forms/portable/Stream.h"
#include "shared/MenuBody.h"
#include "shared/win32/mdlfilebin_win32.h"

namespace qvtest {

namespace {

void PutInt32(std::vector<uint8_t>& out, int32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
}

void PutInt32At(std::vector<uint8_t>& out, size_t at, int32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
}

}  // namespace

forms::Bitmap Solid(int w, int h, uint32_t pixel) { return forms::Bitmap(w, h, pixel); }

TAQMenu NewMenu(const std::string& title, int w, int h, uint32_t background) {
    TAQMenu menu;
    menu.MenuTitle = title;
    menu.Buttons[0].Pics[Up][0] = std::make_shared<forms::Bitmap>(Solid(w, h, background));
    menu.SoundsOn = 1;
    menu.TimeVisible = false;
    menu.DateVisible = false;
    // The accessory text box sits in the bottom-right corner, clear of the objects.
    menu.AccTextLeft = w - 60;
    menu.AccTextTop = h - 20;
    menu.AccTextWidth = 50;
    menu.AccTextHeight = 15;
    return menu;
}

int AddObject(TAQMenu& menu, int kind, int left, int top, int w, int h) {
    const int n = ++menu.BtnCount;
    TAQButton& b = menu.Buttons[n];
    b.ObjectKind = kind;
    b.Left = left;
    b.Top = top;
    b.ObjWidth = w;
    b.ObjHeight = h;
    b.ShortcutKey = "none";
    b.Caption = "Button " + std::to_string(n);
    return n;
}

void SetFrames(TAQMenu& menu, int n, int state, const std::vector<uint32_t>& colours) {
    TAQButton& b = menu.Buttons[n];
    for (size_t f = 0; f < colours.size(); ++f)
        b.Pics[state][f] = std::make_shared<forms::Bitmap>(Solid(b.ObjWidth, b.ObjHeight, colours[f]));
}

int AddGraphicalButton(TAQMenu& menu, int left, int top, int w, int h, uint32_t up, uint32_t active, uint32_t down,
                       const std::string& command) {
    const int n = AddObject(menu, GraphicalButton, left, top, w, h);
    SetFrames(menu, n, Up, {up});
    SetFrames(menu, n, Active, {active});
    SetFrames(menu, n, Down, {down});
    menu.Buttons[n].ButtonCommand = command;
    return n;
}

int AddPlacedImage(TAQMenu& menu, int left, int top, int w, int h, uint32_t colour) {
    const int n = AddObject(menu, PlcImage, left, top, w, h);
    TAQButton& b = menu.Buttons[n];
    b.Pics[Up][0] = std::make_shared<forms::Bitmap>(Solid(w * 2, h * 2, colour));
    b.Pics[Up][1] = std::make_shared<forms::Bitmap>(Solid(w, h, colour));
    return n;
}

std::vector<uint8_t> MenuBytes(const TAQMenu& menu) {
    DialogMenuFileHost host;
    TMenuFile file(host);
    file.SetMnuStream(std::make_unique<forms::MemoryStream>());
    WriteMenuFile(file, menu, MenuWriteOptions());
    std::vector<uint8_t> bytes = static_cast<forms::MemoryStream*>(file.MnuStream())->Bytes();
    file.CloseMnuFile();
    return bytes;
}

std::vector<uint8_t> MenuBytesWithMajor(const TAQMenu& menu, uint8_t major) {
    std::vector<uint8_t> bytes = MenuBytes(menu);
    if (bytes.size() > 5) bytes[5] = major;
    return bytes;
}

std::vector<uint8_t> MenuBytesWithBadPicture(const TAQMenu& menu, int object, int state, int frame) {
    std::vector<uint8_t> bytes = MenuBytes(menu);
    const PicRef& pic = menu.Buttons[object].Pics[state][frame];
    if (!pic) return {};
    // A bitmap block: type, flag, object, state, frame, width, height, the
    // compressed length, the raw length, then the zlib stream.
    auto le32 = [&bytes](size_t at) {
        return static_cast<int32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                    static_cast<uint32_t>(bytes[at + 3]) << 24);
    };
    for (size_t i = 0; i + 26 < bytes.size(); ++i) {
        if (bytes[i] != mftBitmap || bytes[i + 2] != object || bytes[i + 3] != state || le32(i + 4) != frame ||
            le32(i + 8) != pic->Width() || le32(i + 12) != pic->Height())
            continue;
        bytes[i + 24] = 0xFF;  // the zlib header
        bytes[i + 25] = 0xFF;
        return bytes;
    }
    return {};
}

std::vector<uint8_t> MenuBytesWithBadPng(const TAQMenu& menu, int index) {
    std::vector<uint8_t> bytes = MenuBytes(menu);
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (size_t i = 0; i + 24 <= bytes.size(); ++i) {
        if (std::memcmp(bytes.data() + i, kSignature, 8) != 0 || index-- > 0) continue;
        for (size_t k = i + 8; k < i + 24; ++k) bytes[k] = 0xA5;  // the header chunk
        return bytes;
    }
    return {};
}

std::vector<uint8_t> PackedExe(const std::vector<uint8_t>& image, const std::vector<PackFile>& files) {
    std::vector<uint8_t> out = image;
    const size_t p = out.size();
    const uint8_t head[] = {'F', 'P', 'A', 'K', 2, 0, 0, 5, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0};
    out.insert(out.end(), head, head + sizeof head);
    out.push_back(static_cast<uint8_t>(files.size()));
    std::vector<size_t> offsetAt;
    for (const PackFile& f : files) {
        std::string name = f.name;
        name.resize(256, ' ');
        out.insert(out.end(), name.begin(), name.end());
        offsetAt.push_back(out.size());
        PutInt32(out, 99999);
    }
    for (size_t k = 0; k < files.size(); ++k) {
        PutInt32At(out, offsetAt[k], static_cast<int32_t>(out.size() + 1));
        out.insert(out.end(), files[k].bytes.begin(), files[k].bytes.end());
    }
    PutInt32(out, static_cast<int32_t>(p + 1));
    return out;
}

void SetPackedOffset(std::vector<uint8_t>& exe, size_t imageSize, int index, int32_t stored) {
    // "FPAK" and its fields take 18 bytes, the count one; each entry is a
    // 256-byte name and the position.
    PutInt32At(exe, imageSize + 19 + 260 * static_cast<size_t>(index) + 256, stored);
}

bool ReadBytes(const std::string& path, std::vector<uint8_t>& bytes) { return forms::ReadWholeFile(path, bytes); }

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    return forms::WriteWholeFile(path, bytes.data(), bytes.size());
}

}  // namespace qvtest
