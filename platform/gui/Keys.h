#pragma once
// Key events as the class library reports them: a virtual-key code and the shift state.

#include <cstdint>
#include <functional>

class QKeyEvent;
class TObject;

using WORD = std::uint16_t;

enum TShiftStateFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
using TShiftState = unsigned;

constexpr WORD VK_TAB = 0x09;
constexpr WORD VK_RETURN = 0x0D;
constexpr WORD VK_ESCAPE = 0x1B;
constexpr WORD VK_SPACE = 0x20;
constexpr WORD VK_DELETE = 0x2E;
constexpr WORD VK_F1 = 0x70;

// Key may be set to 0 by the handler: the key is then not handled further.
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;

namespace qs {
// The virtual-key code of a Qt key event (0 for keys without one) and its shift state.
WORD VirtualKey(const QKeyEvent& event);
TShiftState ShiftState(const QKeyEvent& event);
} // namespace qs
