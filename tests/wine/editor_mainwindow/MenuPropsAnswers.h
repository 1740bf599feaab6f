// Answers the modal windows of the New chain (Menu Properties, the
// Background Wizard over it, then the Menu Creation Wizard) as a user would:
// while one of them is on top, the next step queued for its kind runs on
// it, one step per tick. A Background Wizard with no step left is closed as
// a user closes it; any other window shown with no step left is cancelled
// and counted, so that a test never hangs.
#pragma once
#include <deque>
#include <functional>

#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/menuprops/frmbackwiz.h"
#include "editor/win32/menuprops/frmformprops.h"
#include "editor/win32/menuprops/frmmenuwiz.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/Timer.h"

class MenuPropsAnswers {
public:
    MenuPropsAnswers() : timer_(nullptr) {
        // The first-use tip that Menu Properties shows is taken as seen.
        EditorOptions.TipShown[0] = 1;
        timer_.OnTimer = [this](forms::Component&) { Tick(); };
        timer_.SetInterval(20);
    }
    std::deque<std::function<void(TfrmFormPropsCls&)>> props;
    std::deque<std::function<void(TfrmMenuWizCls&)>> wizard;
    std::deque<std::function<void(TfrmBackWizCls&)>> backWizard;
    int unanswered = 0;

    // Steps often wanted: the dialog's OK and the wizard's Complete.
    static void Ok(TfrmFormPropsCls& d) { d.Command1_Click(*d.Command1000); }
    static void Complete(TfrmMenuWizCls& w) {
        w.Option1001->SetChecked(true);
        w.Command1_Click(*w.Command1000);
    }

private:
    template <class T>
    bool Run(forms::Form* form, std::deque<std::function<void(T&)>>& steps, bool counted = true) {
        auto* window = dynamic_cast<T*>(form);
        if (!window) return false;
        if (steps.empty()) {
            if (counted) ++unanswered;
            window->SetModalResult(forms::mrCancel);
        } else {
            auto step = std::move(steps.front());
            steps.pop_front();
            step(*window);
        }
        return true;
    }
    void Tick() {
        // The Background Wizard first: it is shown over Menu Properties.
        for (forms::Form* form : forms::Application().Forms())
            if (Waiting(form) && Run(form, backWizard, false)) return;
        for (forms::Form* form : forms::Application().Forms())
            if (Waiting(form) && (Run(form, props) || Run(form, wizard))) return;
    }
    static bool Waiting(forms::Form* form) {
        return form->IsModal() && form->Visible() && form->ModalResult() == forms::mrNone;
    }
    forms::Timer timer_;
};
