#include "Keys.h"

#include <QKeyEvent>

namespace qs {

WORD VirtualKey(const QKeyEvent& event) {
    const int k = event.key();
    if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z)) {
        return static_cast<WORD>(k); // the same codes
    }
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) {
        return static_cast<WORD>(VK_F1 + (k - Qt::Key_F1));
    }
    switch (k) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Backspace:
        return 0x08;
    case Qt::Key_PageUp:
        return 0x21;
    case Qt::Key_PageDown:
        return 0x22;
    case Qt::Key_End:
        return 0x23;
    case Qt::Key_Home:
        return 0x24;
    case Qt::Key_Left:
        return 0x25;
    case Qt::Key_Up:
        return 0x26;
    case Qt::Key_Right:
        return 0x27;
    case Qt::Key_Down:
        return 0x28;
    case Qt::Key_Insert:
        return 0x2D;
    case Qt::Key_Delete:
        return VK_DELETE;
    default:
        return 0;
    }
}

TShiftState ShiftState(const QKeyEvent& event) {
    const Qt::KeyboardModifiers m = event.modifiers();
    return (m & Qt::ShiftModifier ? ssShift : 0u) | (m & Qt::AltModifier ? ssAlt : 0u) |
           (m & Qt::ControlModifier ? ssCtrl : 0u);
}

} // namespace qs
