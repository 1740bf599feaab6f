#include "editor/win32/common/ColorRequest.h"

#include <stdexcept>

#include "forms/win32/Form.h"

int32_t ClrTarget = ClrTargetNone;
forms::Color CurClr = 0;
int32_t TransIndex = -1;
int32_t TransRequester = 1;
std::function<void(int x, int y)> OpenColorChooser;

namespace {

// The receiver of the open request; null when none or when it has gone.
ColorReceiver* OpenReceiver = nullptr;

}  // namespace

ColorReceiver::~ColorReceiver() {
    if (OpenReceiver == this) OpenReceiver = nullptr;
}

void BeginColorRequest(int32_t target, ColorReceiver* receiver) {
    ClrTarget = target;
    OpenReceiver = receiver;
}

void RequestColor(int32_t target, forms::Color start, ColorReceiver& receiver, int x, int y) {
    if (!OpenColorChooser) throw std::logic_error("the colour chooser is not set up");
    BeginColorRequest(target, &receiver);
    CurClr = forms::ColorToRGB(start);
    OpenColorChooser(x, y);
}

void DispatchColor() {
    ColorReceiver* receiver = OpenReceiver;
    const int32_t target = ClrTarget;
    OpenReceiver = nullptr;
    if (receiver != nullptr && target != ClrTargetNone) receiver->ColorDelivered(target);
    ClrTarget = ClrTargetNone;
}

bool HasColorRequest(const ColorReceiver& receiver) { return OpenReceiver == &receiver; }

forms::Form* ColorRequestForm() { return dynamic_cast<forms::Form*>(OpenReceiver); }
