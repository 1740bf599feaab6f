// A smooth progress bar (Win32 "msctls_progress32", PBS_SMOOTH) filled in
// proportion to Position within Min..Max.
#pragma once
#include "forms/win32/WinControl.h"

namespace forms {

class ProgressBar : public WinControl {
public:
    ProgressBar(Component* owner, WinControl* parent);

    int Min() const { return min_; }
    int Max() const { return max_; }
    // Sets both ends (max below min is taken as min) and keeps Position inside.
    void SetRange(int min, int max);
    int Position() const { return position_; }
    void SetPosition(int position);

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

}  // namespace forms
