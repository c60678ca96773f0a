#include "chart/panel/qt_mouse_input.h"

#include "chart/panel/mouse_settings.h"

std::optional<TMouseButton> ToMouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return mbLeft;
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return std::nullopt;
    }
}

TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, bool doubleClick)
{
    TShiftState shift = 0;
    const auto add = [&shift](bool on, TShiftFlag flag) {
        if (on)
            shift |= flag;
    };
    add(modifiers.testFlag(Qt::ShiftModifier), ssShift);
    add(modifiers.testFlag(Qt::AltModifier), ssAlt);
    add(modifiers.testFlag(Qt::ControlModifier), ssCtrl);
    add(buttons.testFlag(Qt::LeftButton), ssLeft);
    add(buttons.testFlag(Qt::RightButton), ssRight);
    add(buttons.testFlag(Qt::MiddleButton), ssMiddle);
    add(doubleClick, ssDouble);
    return shift;
}

int TWheelNotches::Add(int angleDelta)
{
    if ((angleDelta > 0 && pending_ < 0) || (angleDelta < 0 && pending_ > 0))
        pending_ = 0;
    pending_ += angleDelta;
    const int notches = pending_ / WheelNotchDelta;
    pending_ -= notches * WheelNotchDelta;
    return notches;
}
