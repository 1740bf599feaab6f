// Answers the modal windows of the New chain (Menu Properties, then the Menu
// Creation Wizard) as a user would: while one of them is shown, the next
// step queued for its kind runs on it, one step per tick. A window shown
// with no step left is cancelled and counted, so that a test never hangs.
#pragma once
#include <deque>
#include <functional>

#include "editor/win32/EditorGlobals.h"
#include "editor/win32/frmformprops.h"
#include "editor/win32/frmmenuwiz.h"
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
    int unanswered = 0;

    // Steps often wanted: the dialog's OK and the wizard's Complete.
    static void Ok(TfrmFormPropsCls& d) { d.Command1_Click(*d.Command1000); }
    static void Complete(TfrmMenuWizCls& w) {
        w.Option1001->SetChecked(true);
        w.Command1_Click(*w.Command1000);
    }

private:
    template <class T>
    bool Run(forms::Form* form, std::deque<std::function<void(T&)>>& steps) {
        auto* window = dynamic_cast<T*>(form);
        if (!window) return false;
        if (steps.empty()) {
            ++unanswered;
            window->SetModalResult(forms::mrCancel);
        } else {
            auto step = std::move(steps.front());
            steps.pop_front();
            step(*window);
        }
        return true;
    }
    void Tick() {
        for (forms::Form* form : forms::Application().Forms()) {
            if (!form->IsModal() || !form->Visible() || form->ModalResult() != forms::mrNone) continue;
            if (Run(form, props) || Run(form, wizard)) return;
        }
    }
    forms::Timer timer_;
};
