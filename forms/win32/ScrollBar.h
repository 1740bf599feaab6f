// A stand-alone scroll bar (Win32 "SCROLLBAR"), horizontal or vertical (fixed
// at construction); as a slider, or as a spin when it is too short for a
// thumb. Position lies in Min..Max (Min at the left or top end); an arrow
// moves it by SmallChange, a click beside the thumb by LargeChange.
//
// Each user action first runs OnScroll with the proposed position, which the
// handler may change; the position is then taken (kept in Min..Max). Every
// change of Position — the user's or the program's — runs OnChange.
#pragma once
#include <functional>

#include "forms/win32/WinControl.h"

namespace forms {

enum class ScrollBarKind { Horizontal, Vertical };
enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, Track, Position, Top, Bottom, EndScroll };
using ScrollEvent = std::function<void(Component& sender, ScrollCode code, int& position)>;

class ScrollBar : public WinControl {
public:
    ScrollBar(Component* owner, WinControl* parent, ScrollBarKind kind = ScrollBarKind::Horizontal);

    ScrollBarKind Kind() const { return kind_; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    // Sets both ends (max below min is taken as min) and keeps Position inside.
    void SetRange(int min, int max);
    void SetMin(int min) { SetRange(min, max_ < min ? min : max_); }
    void SetMax(int max) { SetRange(min_ > max ? max : min_, max); }
    int Position() const { return position_; }
    void SetPosition(int position);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int step) { smallChange_ = step; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int step) { largeChange_ = step; }

    NotifyEvent OnChange;
    ScrollEvent OnScroll;

protected:
    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Scrolled(WORD request);
    void ShowState();

    ScrollBarKind kind_;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

}  // namespace forms
