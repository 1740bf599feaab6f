// The time and date labels of a menu: Show/Hide Time and Show/Hide Date on
// the formatting toolbar and in the Menu menu, and the labels' look. A label
// is shown exactly while its button is down; the menu records the choice, so
// it is saved, and each change is an undo step. The labels' fonts and their
// shared colour live in the menu record too: a label is always drawn from
// the record, so what the user formats is what is saved, undone and packed.

#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Font.h"
#include "forms/win32/Command.h"
#include "forms/win32/Label.h"
#include "forms/win32/ToolButton.h"

namespace {

// A menu that names no font for a label shows it in the labels' own font.
const char* const kLabelFontName = "Arial";
constexpr int kLabelFontSize = 8;

TTextFont DefaultClockFont() { return TTextFont{kLabelFontName, kLabelFontSize, false, false, false}; }

forms::Font ClockFont(const TTextFont& font, int32_t color) {
    const TTextFont shown = font.Name.empty() || font.Size <= 0 ? DefaultClockFont() : font;
    return forms::Font(shown.Name, shown.Size, shown.Bold, shown.Italic, shown.Underline,
                       static_cast<forms::Color>(color & 0xFFFFFF));
}

}  // namespace

void TMDIForm1Cls::GiveClockDefaults(TAQMenu& menu) {
    menu.TimeFont = DefaultClockFont();
    menu.DateFont = DefaultClockFont();
}

void TMDIForm1Cls::ShowClockLabels(TMenuDocument& doc) {
    const TAQMenu& menu = doc.Menu;
    doc.TimeLabel->SetFont(ClockFont(menu.TimeFont, menu.LabelColor));
    doc.DateLabel->SetFont(ClockFont(menu.DateFont, menu.LabelColor));
    doc.TimeLabel->SetBounds(menu.TimeLeft, menu.TimeTop, doc.TimeLabel->Width(), doc.TimeLabel->Height());
    doc.DateLabel->SetBounds(menu.DateLeft, menu.DateTop, doc.DateLabel->Width(), doc.DateLabel->Height());
}

void TMDIForm1Cls::FormatClockLabel(TMenuDocument& doc, bool time, const std::function<void(forms::Font&)>& change) {
    TTextFont& record = time ? doc.Menu.TimeFont : doc.Menu.DateFont;
    forms::Font font = ClockFont(record, doc.Menu.LabelColor);
    change(font);
    record = TTextFont{font.Name(), font.Size(), font.Bold(), font.Italic(), font.Underline()};
    doc.Modified = 1;
    ShowClockLabels(doc);
    const forms::Label& label = time ? *doc.TimeLabel : *doc.DateLabel;
    FrameAround(label.Left(), label.Top(), label.Width(), label.Height());
}

void TMDIForm1Cls::SetClockColor(TMenuDocument& doc, forms::Color color) {
    doc.Menu.LabelColor = static_cast<int32_t>(forms::ColorToRGB(color));
    doc.Modified = 1;
    ShowClockLabels(doc);
}

void TMDIForm1Cls::WireClockCommands() {
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"cmdShowTime", [this] { ToolButton37Click(); }},
        {"cmdShowDate", [this] { ToolButton38Click(); }},
    };
    for (const auto& [name, run] : commands) DocCommands_.push_back(WireCommand(name, run));
}

void TMDIForm1Cls::ToolButton37Click() { ShowClockLabel(true, ToolButton37->Down()); }

void TMDIForm1Cls::ToolButton38Click() { ShowClockLabel(false, ToolButton38->Down()); }

void TMDIForm1Cls::ShowClockLabel(bool time, bool shown) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    PushUndo(1);
    (time ? doc->Menu.TimeVisible : doc->Menu.DateVisible) = shown;
    (time ? doc->TimeLabel : doc->DateLabel)->SetVisible(shown);
}

namespace {

// A menu item of a check button: the button goes down or up, then runs.
void FlipAndRun(forms::Command& command) {
    if (!command.Enabled()) return;
    command.SetChecked(!command.Checked());
    command.Execute();
}

}  // namespace

void TMDIForm1Cls::N8Click() { FlipAndRun(*Cmd("cmdShowTime")); }

void TMDIForm1Cls::ShowDate1Click() { FlipAndRun(*Cmd("cmdShowDate")); }
