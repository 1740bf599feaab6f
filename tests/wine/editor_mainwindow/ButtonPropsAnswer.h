// Answers Button Properties as it opens, with OK: a graphical button is given
// a plain Up picture of its size first, so that OK accepts it. DialogAnswer
// runs a test's own answer on the dialog inside its modal loop.
#pragma once
#include <functional>
#include <string>

#include "editor/win32/buttonprops/frmproperties.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/Edit.h"
#include "forms/win32/Timer.h"

inline int AcceptButtonProperties(TfrmPropertiesCls& dialog) {
    dialog.Timer2Timer();
    if (dialog.KindShown() == GraphicalButton && !dialog.HasFrame(Up, 0, 0))
        dialog.StoreFrame(forms::Bitmap(std::stoi(dialog.Text1[2]->Text()), std::stoi(dialog.Text1[3]->Text())));
    dialog.Command1000->Click();
    return dialog.ModalResult();
}

// Answers the next Button Properties dialog once its opening pass is done.
class DialogAnswer {
public:
    explicit DialogAnswer(std::function<void(TfrmPropertiesCls&)> answer) : timer_(nullptr) {
        timer_.OnTimer = [this, answer](forms::Component&) {
            for (forms::Form* form : forms::Application().Forms()) {
                auto* dialog = dynamic_cast<TfrmPropertiesCls*>(form);
                if (!dialog || !dialog->IsModal() || !dialog->Loaded()) continue;
                timer_.SetInterval(0);
                answered_ = true;
                answer(*dialog);
            }
        };
        timer_.SetInterval(20);
    }
    bool Answered() const { return answered_; }

private:
    forms::Timer timer_;
    bool answered_ = false;
};
