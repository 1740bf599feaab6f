// Writes the starting corpora of the fuzz targets with the project's own
// writers: fuzz_seed_gen <seed folder>. Each target gets a subfolder named
// after it, and an empty working corpus folder beside it (<folder>/../corpus).
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "forms/portable/FileSystem.h"
#include "forms/portable/Stream.h"
#include "shared/MenuBody.h"
#include "shared/mdlfilebin.h"
#include "tests/support/FakeDialogs.h"

namespace {

using Bytes = std::vector<uint8_t>;

bool MakeDir(const std::string& path) { return mkdir(path.c_str(), 0755) == 0 || forms::DirectoryExists(path); }

bool Save(const std::string& path, const Bytes& bytes) {
    if (forms::WriteWholeFile(path, bytes.data(), bytes.size())) return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

// The menu file every seed is written through.
TMenuFile& Out() {
    static TMenuFile file(qvfake::Host());
    return file;
}

void BeginMemory() {
    Out().SetMnuStream(std::make_unique<forms::MemoryStream>());
    Out().ClearMnuError();
}

Bytes TakeMemory() {
    Bytes bytes = dynamic_cast<forms::MemoryStream*>(Out().MnuStream())->Bytes();
    Out().SetMnuStream(nullptr);
    return bytes;
}

PicRef Gradient(int w, int h, int seed) {
    auto pic = std::make_shared<forms::Bitmap>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pic->SetPixel(x, y, static_cast<uint32_t>((x * 255 / w) | (y * 255 / h) << 8 | (seed * 40 & 0xFF) << 16));
    return pic;
}

// A small menu with one object of every kind.
std::unique_ptr<TAQMenu> SampleMenu() {
    auto m = std::make_unique<TAQMenu>();
    m->MenuTitle = "Seed";
    m->TransColor = 15;
    auto back = Gradient(16, 8, 0);
    back->SetPixel(0, 0, 0x00FFFFFF);
    m->Buttons[0].Pics[Up][0] = back;
    for (int kind = GraphicalButton; kind <= PlcShape; ++kind) {
        TAQButton& b = m->Buttons[++m->BtnCount];
        b.ObjectKind = kind;
        b.Caption = "Button";
        b.ButtonCommand = "run.exe";
        b.AccPNG = forms::PngImage::CreateBlank(3, 2);
        b.LookPNG = forms::PngImage::CreateBlank(2, 3);
    }
    m->Buttons[1].Pics[Up][0] = Gradient(4, 3, 1);
    m->Buttons[1].Pics[Up][1] = Gradient(4, 3, 2);
    m->Buttons[1].Pics[Active][0] = Gradient(4, 3, 3);
    m->Buttons[4].Pics[Up][1] = Gradient(5, 2, 4);
    return m;
}

Bytes MenuFile(const TAQMenu& menu, bool quiet, bool skipImages) {
    BeginMemory();
    MenuWriteOptions options;
    options.Quiet = quiet;
    options.SkipImages = skipImages;
    WriteMenuFile(Out(), menu, options);
    return TakeMemory();
}

// A version 7 or 6 file: the older menu and object layouts, one text button.
Bytes OldMenuFile(int major) {
    BeginMemory();
    const uint8_t head[11] = {'M', 'E', 'N', 'U', 1, static_cast<uint8_t>(major), 0, 0, 1, 1, 0};
    Out().MnuStream()->Write(head, sizeof head);
    auto s = [](const char* t) { Out().WriteMnuField(mftString, 0, t); };
    auto i = [](int32_t v) { Out().WriteMnuField(mftInt, v, ""); };
    s("Old");
    i(0);
    s("accessory");
    s("Arial");
    Out().WriteMnuField(mftLong, 10, "");
    for (int k = 0; k < 11; ++k) i(k);  // styles, colour, box, alignment
    for (int k = 0; k < 15; ++k) i(k);  // labels .. scroll title
    s("NULL");
    for (int font = 0; font < 2; ++font) {
        s("Arial");
        Out().WriteMnuField(mftLong, 8, "");
        i(0);
        i(0);
        i(0);
    }
    for (int k = 0; k < 4; ++k) i(0);
    if (major >= 7)
        for (int k = 0; k < 4; ++k) s("");
    s("cmd");
    s("");
    s("plain");
    for (int k = 0; k < 5; ++k) i(0);
    s("A");
    i(0);
    i(0);
    i(TextButton);
    s("Caption");
    i(90);
    i(20);
    if (major == 7) {
        s("Arial");
        for (int k = 0; k < 6; ++k) i(0);
        i(0);
        s("");
        s("");
        i(0);
    }
    Out().WriteMnuBitmap(1, 0, Up, 0, *Gradient(3, 3, 5), "", major == 6);
    Out().WriteMnuEnd();
    return TakeMemory();
}

Bytes Prefixed(uint8_t first, const Bytes& rest) {
    Bytes out{first};
    out.insert(out.end(), rest.begin(), rest.end());
    return out;
}

// Header, then one field of every kind, with the selectors that read them.
Bytes FieldsSeed() {
    BeginMemory();
    Out().WriteMnuHeader(3, -1);
    Out().WriteMnuField(mftInt, -123456, "");
    Out().WriteMnuField(mftLong, 77, "");
    Out().WriteMnuField(mftString, 0, "text");
    Out().WriteMnuField(mftByte, 200, "");
    Out().WriteMnuField(mftBitmap, 0, "");
    Out().WriteMnuPNG(0, 0, 0, 0, forms::PngImage::CreateBlank(2, 2));
    Out().WriteMnuField(mftPNG, 0, "as text");
    const Bytes stream = TakeMemory();
    Bytes seed{7, 0, 1, 2, 3, 4, 5, 2};
    seed.insert(seed.end(), stream.begin(), stream.end());
    return seed;
}

Bytes BlocksSeed(bool raw) {
    BeginMemory();
    Out().WriteMnuHeader(1, 3);
    Out().WriteMnuBitmap(1, 1, Down, 2, *Gradient(6, 4, 7), "", raw);
    Out().WriteMnuPNG(0, 0, 0, 0, forms::PngImage::CreateBlank(3, 3));
    Out().WriteMnuBitmap(1, 0, Up, 0, forms::Bitmap(), "", raw);
    const Bytes stream = TakeMemory();
    // Readers in the order written: bitmap, PNG, bitmap.
    const uint8_t plan = raw ? (0 | 2 << 2 | 0 << 4) : (1 | 2 << 2 | 1 << 4);
    return Prefixed(plan, stream);
}

// An autorun executable holding two menus, made by the pack builder from a
// stand-in editor file placed beside this program.
bool PackSeed(const std::string& work, Bytes& out) {
    const std::string exe = forms::ExecutablePath();
    const std::string editor = exe.substr(0, exe.find_last_of('/') + 1) + kEditorExeName;
    Bytes editorFile = {'E', 'D', 'I', 'T'};
    const uint32_t marker = static_cast<uint32_t>(editorFile.size());
    for (char c : std::string("ApEXPLAYER IMAGE")) editorFile.push_back(static_cast<uint8_t>(c));
    for (int k = 0; k < 4; ++k) editorFile.push_back(static_cast<uint8_t>(marker >> (8 * k)));
    if (!Save(editor, editorFile)) return false;

    const auto menu = SampleMenu();
    const std::string first = work + "/Main.mnu";
    const std::string second = work + "/Sub Menu.mnu";
    if (!Save(first, MenuFile(*menu, false, false)) || !Save(second, MenuFile(*menu, false, true))) return false;
    PackFiles[1] = first;
    PackFiles[2] = second;
    PackFiles[3].clear();
    Out().ClearMnuError();
    const bool built = Out().BuildAutorunExe(work + "/", "Autorun.exe");
    Out().CloseMnuFile();
    forms::RemoveFile(editor);
    forms::RemoveFile(first);
    forms::RemoveFile(second);
    if (!built || Out().MnuError()) {
        std::fprintf(stderr, "the pack builder failed\n");
        return false;
    }
    const bool read = forms::ReadWholeFile(work + "/Autorun.exe", out);
    forms::RemoveFile(work + "/Autorun.exe");
    return read;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seed_gen <seed folder>\n");
        return 2;
    }
    const std::string root = argv[1];
    const std::string corpus = root + "/../corpus";
    bool ok = MakeDir(root) && MakeDir(corpus);
    for (const char* target : {"fuzz_fields", "fuzz_menu_body", "fuzz_editor_load", "fuzz_picture_blocks",
                               "fuzz_pack_directory", "fuzz_preset_rows"})
        ok = ok && MakeDir(root + "/" + target) && MakeDir(corpus + "/" + target);
    if (!ok) {
        std::fprintf(stderr, "cannot create the seed folders under %s\n", root.c_str());
        return 1;
    }

    const auto menu = SampleMenu();
    const std::string body = root + "/fuzz_menu_body/";
    ok = Save(body + "menu", Prefixed(0, MenuFile(*menu, false, false))) &&
         Save(body + "menu_editor", Prefixed(2, MenuFile(*menu, false, false))) &&
         Save(body + "menu_player", Prefixed(4, MenuFile(*menu, false, false))) &&
         Save(body + "snapshot", Prefixed(1, MenuFile(*menu, true, false))) &&
         Save(body + "snapshot_no_images", Prefixed(1, MenuFile(*menu, true, true))) &&
         Save(body + "version7", Prefixed(0, OldMenuFile(7))) &&
         Save(body + "version6", Prefixed(0, OldMenuFile(6)));
    const std::string load = root + "/fuzz_editor_load/";
    ok = ok && Save(load + "menu", Prefixed(0, MenuFile(*menu, false, false))) &&
         Save(load + "snapshot", Prefixed(1, MenuFile(*menu, true, false))) &&
         Save(load + "version7", Prefixed(0, OldMenuFile(7)));

    ok = ok && Save(root + "/fuzz_fields/fields", FieldsSeed());
    ok = ok && Save(root + "/fuzz_picture_blocks/raw", BlocksSeed(true)) &&
         Save(root + "/fuzz_picture_blocks/compressed", BlocksSeed(false));

    const std::string presets =
        "Autorun Quorvel Shape Presets List\r\n"
        "250100312012085085085255255255232232232255255\r\n"
        "250100421012153000000255255255255255153255255\r\n";
    ok = ok && Save(root + "/fuzz_preset_rows/favs1.lst", Bytes(presets.begin(), presets.end()));

    Bytes pack;
    ok = ok && PackSeed(corpus, pack) && Save(root + "/fuzz_pack_directory/autorun", pack);
    return ok ? 0 : 1;
}
