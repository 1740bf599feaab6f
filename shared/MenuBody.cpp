#include "shared/MenuBody.h"

#include <algorithm>

#include "shared/UBmpArray.h"
#include "shared/mdlfilebin.h"

namespace {

bool InSlots(const PictureBlockHeader& h) {
    return h.BlkObject >= 0 && h.BlkObject < kButtonSlots && h.BlkState >= 0 && h.BlkState < kPicStates &&
           h.BlkFrame >= 0 && h.BlkFrame < kFrameSlots;
}

// The picture at a block's slot (within the slots).
const PicRef& PictureAt(const TAQMenu& m, const PictureBlockHeader& h) {
    return m.Buttons[h.BlkObject].Pics[h.BlkState][h.BlkFrame];
}

// Stores a picture read from a block at the block's slot.
void StorePicture(TAQMenu& m, const PictureBlockHeader& h, bool alsoAtFrame0, PicRef pic) {
    TAQButton& b = m.Buttons[h.BlkObject];
    if (alsoAtFrame0 && h.BlkObject > 0 && b.ObjectKind == PlcImage)
        b.Pics[Up][0] = std::make_shared<forms::Bitmap>(*pic);
    b.Pics[h.BlkState][h.BlkFrame] = std::move(pic);
}

// Which optional object fields follow field 12, by kind.
bool HasAccPng(int32_t kind) { return kind == GraphicalButton || kind == WindowsButton || kind == TextButton; }
bool HasLookPng(int32_t kind) { return kind == TextButton || kind == PlcText || kind == PlcShape; }

// ---- the image section ----

// The picture stored in every placed image's frame 0 block: the file keeps
// only the displayed-size picture (frame 1).
const forms::Bitmap& PlaceholderPicture() {
    static const forms::Bitmap white(10, 10, 0x00FFFFFF);
    return white;
}

// Calls fn(object, state, frame, picture) for every block of the image
// section, in file order.
template <class Fn>
void ForEachImageBlock(const TAQMenu& menu, Fn&& fn) {
    static const forms::Bitmap none;
    const int last = std::min(std::max(100, menu.BtnCount), kButtonSlots - 1);
    for (int n = 0; n <= last; ++n) {
        const TAQButton& b = menu.Buttons[n];
        const int32_t kind = n == 0 ? GraphicalButton : b.ObjectKind;
        if (kind == GraphicalButton) {
            for (int s = 0; s < kPicStates; ++s)
                for (int f = 0; f <= kMaxFrame && HasPic(b.Pics[s][f]); ++f)
                    fn(n, s, f, *b.Pics[s][f]);
        } else if (kind == PlcImage) {
            fn(n, Up, 0, PlaceholderPicture());
            fn(n, Up, 1, b.Pics[Up][1] ? *b.Pics[Up][1] : none);
        }
    }
}

// Writes the fields of one menu file.
class BodyWriter {
public:
    explicit BodyWriter(TMenuFile& file) : file(file) {}

    bool WriteWholeMenu(const TAQMenu& menu, const MenuWriteOptions& options) {
        if (!file.MnuStream() || menu.BtnCount < 0 || menu.BtnCount > kMaxObjects ||
            menu.Buttons.size() != static_cast<size_t>(kButtonSlots)) {
            file.SetMnuError();
            return false;
        }
        int images = -1;
        if (!options.SkipImages) {
            images = CountImageBlocks(menu);
            if (images > INT16_MAX) {
                file.SetMnuError();
                return false;
            }
        }
        file.WriteMnuHeader(menu.BtnCount, images);
        WriteMenuFields(menu, options.Quiet);
        for (int n = 1; n <= menu.BtnCount; ++n) WriteObjectFields(menu.Buttons[n], options.Quiet);
        if (!options.SkipImages) {
            ForEachImageBlock(menu, [this, &options](int n, int s, int f, const forms::Bitmap& pic) {
                file.WriteMnuBitmap(1, n, s, f, pic, std::string(), options.Quiet, options.ZipLevel);
            });
        }
        file.WriteMnuEnd();
        return file.MnuError() == 0;
    }

private:
    // ---- field shorthands ----

    void PutInt(int32_t v) { file.WriteMnuField(mftInt, v, std::string()); }
    void PutLong(int32_t v) { file.WriteMnuField(mftLong, v, std::string()); }
    void PutText(const std::string& s) { file.WriteMnuField(mftString, 0, s); }
    void PutFlag(bool on) { PutInt(on ? -1 : 0); }  // font styles: -1 set, 0 clear
    void PutPng(const forms::PngImage& png) { file.WriteMnuPNG(0, 0, 0, 0, png); }

    // A colour value as its red, green and blue fields. Division truncates toward
    // zero, as the files have always been written.
    void PutColor(int32_t c) {
        PutInt(c & 0xFF);
        PutInt((c / 256) & 0xFF);
        PutInt((c / 65536) & 0xFF);
    }

    void PutFont(const TTextFont& f) {
        PutText(f.Name);
        PutLong(f.Size);
        PutFlag(f.Bold);
        PutFlag(f.Italic);
        PutFlag(f.Underline);
    }

    void WriteMenuFields(const TAQMenu& m, bool quiet) {
        PutText(m.MenuTitle);
        PutInt(m.ScreenPos);
        PutInt(m.AccTextLeft);
        PutInt(m.AccTextTop);
        PutInt(m.AccTextWidth);
        PutInt(m.AccTextHeight);
        PutText(m.AccRTF);
        if (!quiet) PutPng(m.AccPNG);
        PutInt(m.SoundsOn ? 1 : 0);
        PutInt(m.TimeVisible ? 1 : 0);
        PutInt(m.DateVisible ? 1 : 0);
        PutColor(m.LabelColor);
        PutInt(m.TimeLeft);
        PutInt(m.TimeTop);
        PutInt(m.DateLeft);
        PutInt(m.DateTop);
        PutInt(m.DefaultBtn);
        PutInt(m.TransColor);
        PutInt(m.AccImageLeft);
        PutInt(m.AccImageTop);
        PutInt(m.AnimInterval);
        PutInt(m.ScrollTitle ? 1 : 0);
        if (quiet) {
            PutText("null");
        } else {
            const PicRef& back = m.Buttons[0].Pics[Up][0];
            PutText(MakeWinRgnString(back ? *back : forms::Bitmap(), m.TransColor));
        }
        PutFont(m.TimeFont);
        PutFont(m.DateFont);
        PutInt(m.ShadowDepth);
        PutColor(m.ShadowColor);
        for (int i = 0; i < 4; ++i) PutText(std::string());
    }

    void WriteObjectFields(const TAQButton& b, bool quiet) {
        PutText(b.ButtonCommand);
        PutText(b.ButtonArgs);
        PutText(b.AccRTF);
        PutInt(b.Left);
        PutInt(b.Top);
        PutInt(b.MinimizeOnClick);
        PutInt(b.ExitOnClick);
        PutInt(b.AnimMode);
        PutText(b.ShortcutKey);
        PutInt(b.MaximizeLaunched);
        PutInt(b.RestoreOnClose);
        PutInt(b.ObjectKind);
        PutText(b.Caption);
        PutInt(b.ObjWidth);
        PutInt(b.ObjHeight);
        if (!quiet) {
            if (HasAccPng(b.ObjectKind)) PutPng(b.AccPNG);
            if (HasLookPng(b.ObjectKind)) PutPng(b.LookPNG);
        }
        // Quiet files carry the shape settings too, so an undo brings a shape
        // back as it was, not only its size.
        if (b.ObjectKind == PlcShape) {
            const TShapeRec& r = b.ShapeRec;
            PutInt(r.ShapeKind);
            PutInt(r.LineThickness);
            PutInt(r.LineColor);
            PutInt(r.FillType);
            PutInt(r.FillColor);
            PutInt(r.GradientColor);
            PutInt(r.CornerRounding);
        }
        PutInt(b.NeedsViewer);
        PutText(b.ViewerName);
        PutText(b.ViewerVersion);
        PutInt(b.VersionOrAbove);
    }

    TMenuFile& file;
};

// Reads the fields and pictures of one menu file.
class BodyReader {
public:
    explicit BodyReader(TMenuFile& file) : file(file) {}

    void ReadMenuFields(TAQMenu& m, int version, bool reload, MenuReadReport& rep) {
        m.MenuTitle = file.ReadMnuString();
        m.ScreenPos = file.ReadMnuInt();
        if (version >= 8) {
            m.AccTextLeft = file.ReadMnuInt();
            m.AccTextTop = file.ReadMnuInt();
            m.AccTextWidth = file.ReadMnuInt();
            m.AccTextHeight = file.ReadMnuInt();
            m.AccRTF = file.ReadMnuString();
            if (!reload) ReadPngReadingOn(m.AccPNG, rep);
            m.SoundsOn = file.ReadMnuInt() != 0 ? 1 : 0;
            m.PlainAccText.clear();
        } else {
            m.PlainAccText = file.ReadMnuString();
            m.PlainAccFont.Name = file.ReadMnuString();
            m.PlainAccFont.Size = file.ReadMnuLong();
            m.PlainAccFont.Bold = GetFlag();
            m.PlainAccFont.Italic = GetFlag();
            m.PlainAccFont.Underline = GetFlag();
            m.PlainAccColor = GetColor();
            m.AccTextLeft = file.ReadMnuInt();
            m.AccTextTop = file.ReadMnuInt();
            m.AccTextWidth = file.ReadMnuInt();
            m.AccTextHeight = file.ReadMnuInt();
            m.PlainAccAlign = file.ReadMnuInt();
            m.SoundsOn = 1;
        }
        m.TimeVisible = file.ReadMnuInt() != 0;
        m.DateVisible = file.ReadMnuInt() != 0;
        m.LabelColor = GetColor();
        m.TimeLeft = file.ReadMnuInt();
        m.TimeTop = file.ReadMnuInt();
        m.DateLeft = file.ReadMnuInt();
        m.DateTop = file.ReadMnuInt();
        m.DefaultBtn = file.ReadMnuInt();
        m.TransColor = file.ReadMnuInt();
        m.AccImageLeft = file.ReadMnuInt();
        m.AccImageTop = file.ReadMnuInt();
        m.AnimInterval = file.ReadMnuInt();
        m.ScrollTitle = file.ReadMnuInt() != 0 ? 1 : 0;
        m.WinRgnString = file.ReadMnuString();
        GetFont(m.TimeFont);
        GetFont(m.DateFont);
        m.ShadowDepth = file.ReadMnuInt();
        m.ShadowColor = GetColor();
        if (version >= 7)
            for (int i = 0; i < 4; ++i) file.ReadMnuString();
    }

    void ReadObjectFields(TAQButton& b, int version, bool reload, MenuReadReport& rep) {
        b.ButtonCommand = file.ReadMnuString();
        b.ButtonArgs = file.ReadMnuString();
        if (version >= 8) {
            b.AccRTF = file.ReadMnuString();
            b.PlainAccText.clear();
        } else {
            b.PlainAccText = file.ReadMnuString();
        }
        b.Left = file.ReadMnuInt();
        b.Top = file.ReadMnuInt();
        b.MinimizeOnClick = file.ReadMnuInt();
        b.ExitOnClick = file.ReadMnuInt();
        b.AnimMode = file.ReadMnuInt();
        b.ShortcutKey = file.ReadMnuString();
        b.MaximizeLaunched = file.ReadMnuInt();
        b.RestoreOnClose = file.ReadMnuInt();
        b.ObjectKind = file.ReadMnuInt();
        b.Caption = file.ReadMnuString();
        b.ObjWidth = file.ReadMnuInt();
        b.ObjHeight = file.ReadMnuInt();
        if (version >= 8) {
            if (!reload) {
                if (HasAccPng(b.ObjectKind)) ReadPngReadingOn(b.AccPNG, rep);
                if (HasLookPng(b.ObjectKind)) ReadPngReadingOn(b.LookPNG, rep);
            }
            if (b.ObjectKind == PlcShape) {
                TShapeRec& r = b.ShapeRec;
                r.ShapeKind = file.ReadMnuInt();
                r.LineThickness = file.ReadMnuInt();
                r.LineColor = file.ReadMnuInt();
                r.FillType = file.ReadMnuInt();
                r.FillColor = file.ReadMnuInt();
                r.GradientColor = file.ReadMnuInt();
                r.CornerRounding = file.ReadMnuInt();
                r.FillAlpha = 1.0f;
                r.LineAlpha = 1.0f;
            }
        } else if (version == 7) {
            b.FontName = file.ReadMnuString();
            b.FontSize = file.ReadMnuInt();
            b.FontColor = file.ReadMnuInt();
            b.TextAlign = static_cast<uint8_t>(file.ReadMnuInt());
            uint8_t style = 0;
            if (GetFlag()) style |= kFontBold;
            if (GetFlag()) style |= kFontItalic;
            if (GetFlag()) style |= kFontUnderline;
            b.FontStyle = style;
        } else {
            b.FontName = "Arial";
            b.FontSize = 12;
            b.FontColor = 0;
            b.TextAlign = kAlignLeft;
            b.FontStyle = 0;
        }
        b.AccDirty = 0;
        if (version >= 7) {
            b.NeedsViewer = file.ReadMnuInt();
            b.ViewerName = file.ReadMnuString();
            b.ViewerVersion = file.ReadMnuString();
            b.VersionOrAbove = file.ReadMnuInt();
        } else {
            b.NeedsViewer = 0;
            b.ViewerName.clear();
            b.ViewerVersion.clear();
            b.VersionOrAbove = 0;
        }
    }

    void ReadPictures(TAQMenu& m, int count, const MenuReadOptions& options, MenuReadReport& rep) {
        const bool mayDefer = options.Deferred && !file.MnuPixelsRaw(options.Reload);
        // The pictures of the read are carved from a few large blocks.
        forms::PixelPool pool;
        for (int k = 0; k < count; ++k) {
            if (!file.ReadMnuBitmapHeader()) return;
            const PictureBlockHeader h = file.MnuBlockHeader();
            const bool inSlots = InSlots(h);
            const bool now = options.DecodeNow && options.DecodeNow(m, h.BlkObject, h.BlkState, h.BlkFrame);
            if (mayDefer && inSlots && !now) {
                DeferredPicture later{h.BlkObject, h.BlkState, h.BlkFrame, 0};
                if (!file.SkipMnuBitmapPixels(later.Position)) return;
                options.Deferred->push_back(std::move(later));
                ++rep.BlocksRead;
                continue;
            }
            // The pixels go into the pool's room, which the next picture
            // reuses while they equal the previous picture of the slot.
            const bool read = file.ReadMnuBitmapPixels(pool, options.Reload);
            if (!read && file.PicDamaged()) {
                // Whole but undecodable: the slot stays as it was, reading goes on.
                file.ClearMnuError();
                ++rep.BlocksDamaged;
                ++rep.PicturesDamaged;
                ++rep.BlocksRead;
                continue;
            }
            if (!read) return;
            ++rep.BlocksRead;
            if (!inSlots) {
                ++rep.BlocksSkipped;
                continue;
            }
            const PicRef* before = options.Previous ? &PictureAt(*options.Previous, h) : nullptr;
            PicRef pic = before && *before && pool.ReservedEquals(**before) ? *before
                                                                             : std::make_shared<forms::Bitmap>(pool.Keep());
            StorePicture(m, h, options.PlcImageAlsoAtFrame0, std::move(pic));
        }
    }

private:
    // Reads one PNG block and reads on past a damaged one: the block was taken
    // whole, so the stream is still in step; the picture keeps its value and the
    // error flag is raised again once the whole file has been read.
    void ReadPngReadingOn(forms::PngImage& png, MenuReadReport& rep) {
        const bool hadError = file.MnuError() != 0;
        file.ReadMnuPNG(png);
        if (!hadError && file.MnuError() && file.PicDamaged()) {
            file.ClearMnuError();
            ++rep.BlocksDamaged;
        }
    }

    int32_t GetColor() {
        int32_t r = file.ReadMnuInt();
        int32_t g = file.ReadMnuInt();
        int32_t b = file.ReadMnuInt();
        return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
    }

    bool GetFlag() { return file.ReadMnuInt() == -1; }

    void GetFont(TTextFont& f) {
        f.Name = file.ReadMnuString();
        f.Size = file.ReadMnuLong();
        f.Bold = GetFlag();
        f.Italic = GetFlag();
        f.Underline = GetFlag();
    }

    TMenuFile& file;
};

}  // namespace

int CountImageBlocks(const TAQMenu& menu) {
    int count = 0;
    ForEachImageBlock(menu, [&count](int, int, int, const forms::Bitmap&) { ++count; });
    return count;
}

bool WriteMenuFile(TMenuFile& file, const TAQMenu& menu, const MenuWriteOptions& options) {
    try {
        return BodyWriter(file).WriteWholeMenu(menu, options);
    } catch (...) {
        // Out of memory while encoding, for instance: the file is incomplete,
        // and the flag keeps the caller's close from replacing the old one.
        file.SetMnuError();
        return false;
    }
}

bool ReadMenuBody(TMenuFile& file, TAQMenu& menu, const MenuReadOptions& options, MenuReadReport* report) {
    MenuReadReport rep;
    const MenuFileHeader& h = file.MnuHeader();
    if (!file.MnuStream() || h.HdrMajor < 6 || h.HdrObjects < 0 || h.HdrObjects > kMaxObjects ||
        menu.Buttons.size() != static_cast<size_t>(kButtonSlots) ||
        (options.Previous && options.Previous->Buttons.size() != static_cast<size_t>(kButtonSlots))) {
        file.SetMnuError();
        if (report) *report = rep;
        return false;
    }
    const int version = h.HdrMajor;
    menu.BtnCount = h.HdrObjects;
    BodyReader reader(file);
    reader.ReadMenuFields(menu, version, options.Reload, rep);
    for (int n = 1; n <= menu.BtnCount && !file.MnuError(); ++n)
        reader.ReadObjectFields(menu.Buttons[n], version, options.Reload, rep);
    rep.BodyOk = file.MnuError() == 0;
    if (rep.BodyOk) {
        reader.ReadPictures(menu, h.HdrImages, options, rep);
        rep.PicturesOk = file.MnuError() == 0;
    }
    if (rep.BlocksDamaged > 0) file.SetMnuError();
    if (report) *report = rep;
    return rep.BodyOk && rep.PicturesOk && rep.BlocksDamaged == 0;
}

bool DecodeDeferredPictures(TAQMenu& menu, std::vector<DeferredPicture>& pictures, forms::Stream& source) {
    bool ok = true;
    std::vector<uint8_t> zipPixels;  // one buffer for every block
    forms::PixelPool pool;
    for (DeferredPicture& d : pictures) {
        if (source.Seek(d.Position, forms::SeekOrigin::Begin) != d.Position || !TakeZipPixels(source, zipPixels) ||
            !DecodeMnuBitmap(zipPixels, pool)) {
            ok = false;
            continue;
        }
        menu.Buttons[d.Object].Pics[d.State][d.Frame] = std::make_shared<forms::Bitmap>(pool.Keep());
    }
    pictures.clear();
    return ok;
}
