#include "tests/tools/MenuJson.h"

#include <cstdio>
#include <memory>

#include "forms/portable/Stream.h"
#include "shared/MenuBody.h"
#include "shared/mdlfilebin.h"
#include "tests/support/FakeDialogs.h"

namespace {

// Builds one JSON text; keys and values are added in order, commas between.
class Json {
public:
    Json& Open(const char* key, char bracket) {
        Key(key);
        text_ += bracket;
        first_ = true;
        return *this;
    }
    Json& Close(char bracket) {
        text_ += bracket;
        first_ = false;
        return *this;
    }
    Json& Int(const char* key, int64_t value) {
        Key(key);
        text_ += std::to_string(value);
        return *this;
    }
    Json& Bool(const char* key, bool value) {
        Key(key);
        text_ += value ? "true" : "false";
        return *this;
    }
    // Text bytes are taken as code page 1252 approximated by Latin-1.
    Json& Str(const char* key, const std::string& value) {
        Key(key);
        Quote(value);
        return *this;
    }
    Json& Size(const char* key, int width, int height) {
        Open(key, '{').Int("width", width).Int("height", height).Close('}');
        return *this;
    }
    const std::string& Text() const { return text_; }

private:
    void Key(const char* key) {
        if (!first_) text_ += ',';
        first_ = false;
        if (key) {
            Quote(key);
            text_ += ':';
        }
    }
    void Quote(const std::string& value) {
        text_ += '"';
        for (unsigned char c : value) {
            if (c == '"' || c == '\\') {
                text_ += '\\';
                text_ += static_cast<char>(c);
            } else if (c < 0x20 || c >= 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                text_ += escaped;
            } else {
                text_ += static_cast<char>(c);
            }
        }
        text_ += '"';
    }
    std::string text_;
    bool first_ = true;
};

void Font(Json& j, const char* key, const TTextFont& f) {
    j.Open(key, '{').Str("name", f.Name).Int("size", f.Size).Bool("bold", f.Bold).Bool("italic", f.Italic);
    j.Bool("underline", f.Underline).Close('}');
}

void Pictures(Json& j, const TAQButton& b) {
    static const char* const kStates[kPicStates] = {"Up", "Active", "Down", "Accessory"};
    j.Open("pictures", '{');
    for (int s = 0; s < kPicStates; ++s) {
        j.Open(kStates[s], '[');
        for (int f = 0; f < kFrameSlots; ++f) {
            const PicRef& pic = b.Pics[s][f];
            if (!HasPic(pic)) continue;
            j.Open(nullptr, '{').Int("frame", f).Int("width", pic->Width()).Int("height", pic->Height()).Close('}');
        }
        j.Close(']');
    }
    j.Close('}');
}

void Shape(Json& j, const TShapeRec& s) {
    j.Open("shape", '{').Int("kind", s.ShapeKind).Int("lineThickness", s.LineThickness).Int("lineColor", s.LineColor);
    j.Int("fillType", s.FillType).Int("fillColor", s.FillColor).Int("gradientColor", s.GradientColor);
    j.Int("cornerRounding", s.CornerRounding).Close('}');
}

void Object(Json& j, const TAQButton& b, int number) {
    j.Open(nullptr, '{').Int("number", number).Int("kind", b.ObjectKind);
    j.Int("left", b.Left).Int("top", b.Top).Int("width", b.ObjWidth).Int("height", b.ObjHeight);
    j.Str("caption", b.Caption).Str("command", b.ButtonCommand).Str("arguments", b.ButtonArgs);
    j.Str("shortcut", b.ShortcutKey).Int("animMode", b.AnimMode);
    j.Int("minimizeOnClick", b.MinimizeOnClick).Int("exitOnClick", b.ExitOnClick);
    j.Int("restoreOnClose", b.RestoreOnClose).Int("maximizeLaunched", b.MaximizeLaunched);
    j.Str("accRTF", b.AccRTF).Str("plainAccText", b.PlainAccText);
    j.Str("fontName", b.FontName).Int("fontSize", b.FontSize).Int("fontStyle", b.FontStyle);
    j.Int("fontColor", b.FontColor).Int("textAlign", b.TextAlign);
    j.Int("needsViewer", b.NeedsViewer).Str("viewerName", b.ViewerName).Str("viewerVersion", b.ViewerVersion);
    j.Int("versionOrAbove", b.VersionOrAbove);
    Shape(j, b.ShapeRec);
    j.Size("lookPNG", b.LookPNG.Width(), b.LookPNG.Height()).Size("accPNG", b.AccPNG.Width(), b.AccPNG.Height());
    Pictures(j, b);
    j.Close('}');
}

void Menu(Json& j, const TAQMenu& m) {
    j.Open("menu", '{').Str("title", m.MenuTitle).Int("screenPos", m.ScreenPos);
    j.Open("accText", '{').Int("left", m.AccTextLeft).Int("top", m.AccTextTop).Int("width", m.AccTextWidth);
    j.Int("height", m.AccTextHeight).Close('}');
    j.Str("accRTF", m.AccRTF).Size("accPNG", m.AccPNG.Width(), m.AccPNG.Height());
    j.Open("accImage", '{').Int("left", m.AccImageLeft).Int("top", m.AccImageTop).Close('}');
    j.Int("soundsOn", m.SoundsOn).Int("defaultButton", m.DefaultBtn).Int("transColor", m.TransColor);
    j.Int("animInterval", m.AnimInterval).Int("scrollTitle", m.ScrollTitle);
    j.Int("shadowDepth", m.ShadowDepth).Int("shadowColor", m.ShadowColor).Str("winRgn", m.WinRgnString);
    j.Int("labelColor", m.LabelColor);
    j.Open("time", '{').Bool("visible", m.TimeVisible).Int("left", m.TimeLeft).Int("top", m.TimeTop);
    Font(j, "font", m.TimeFont);
    j.Close('}');
    j.Open("date", '{').Bool("visible", m.DateVisible).Int("left", m.DateLeft).Int("top", m.DateTop);
    Font(j, "font", m.DateFont);
    j.Close('}');
    j.Str("plainAccText", m.PlainAccText).Int("objectCount", m.BtnCount);
    const PicRef& background = m.Buttons[0].Pics[Up][0];
    if (HasPic(background)) j.Size("background", background->Width(), background->Height());
    j.Close('}');
}

}  // namespace

std::string MenuFileToJson(const std::vector<uint8_t>& bytes, bool quiet) {
    qvfake::ResetDialogs();
    TMenuFile file(qvfake::Host());
    file.SetMnuStream(std::make_unique<forms::MemoryStream>(bytes));
    auto menu = std::make_unique<TAQMenu>();
    MenuReadReport report;
    const bool headerOk = file.ReadMnuHeader();
    MenuReadOptions options;
    options.Reload = quiet;
    const bool bodyOk = headerOk && ReadMenuBody(file, *menu, options, &report);
    file.SetMnuStream(nullptr);

    Json j;
    j.Open(nullptr, '{');
    const MenuFileHeader& h = file.MnuHeader();
    j.Open("header", '{').Bool("ok", headerOk).Int("major", h.HdrMajor).Int("minor", h.HdrMinor);
    j.Int("release", h.HdrRelease).Int("objects", h.HdrObjects).Int("images", h.HdrImages).Close('}');
    j.Open("read", '{').Bool("ok", bodyOk).Bool("bodyOk", report.BodyOk).Bool("picturesOk", report.PicturesOk);
    j.Int("blocksRead", report.BlocksRead).Int("blocksSkipped", report.BlocksSkipped).Close('}');
    j.Open("messages", '[');
    for (const qvfake::DialogCall& call : qvfake::DialogCalls()) j.Str(nullptr, call.text);
    j.Close(']');
    if (headerOk) {
        Menu(j, *menu);
        j.Open("objects", '[');
        for (int n = 1; n <= menu->BtnCount && n < kButtonSlots; ++n) Object(j, menu->Buttons[n], n);
        j.Close(']');
    }
    j.Close('}');
    return j.Text() + "\n";
}
