#include "Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace qs {

QColor ToQColor(TColor color) {
    if (color == clNone) {
        return QColor(Qt::transparent);
    }
    const QPalette palette = QGuiApplication::palette();
    switch (static_cast<std::uint32_t>(color)) {
    case static_cast<std::uint32_t>(clWindow):
        return palette.color(QPalette::Base);
    case static_cast<std::uint32_t>(clBtnFace):
        return palette.color(QPalette::Button);
    case static_cast<std::uint32_t>(clWindowText):
        return palette.color(QPalette::WindowText);
    default:
        break;
    }
    const auto c = static_cast<std::uint32_t>(color);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

} // namespace qs
