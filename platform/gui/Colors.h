#pragma once
// Class-library colours: 0x00BBGGRR integers; the high byte 0xFF marks a system colour.

#include <QColor>
#include <cstdint>

using TColor = std::int32_t;

constexpr TColor clBlack = 0x00000000;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clLime = 0x0000FF00;
constexpr TColor clRed = 0x000000FF;
constexpr TColor clGray = 0x00808080;
constexpr TColor clNone = -1;
constexpr TColor clWindow = static_cast<TColor>(0xFF000005);
constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000F);
constexpr TColor clWindowText = static_cast<TColor>(0xFF000008);

namespace qs {
// The Qt colour of a class-library colour; system colours come from the application palette.
QColor ToQColor(TColor color);
} // namespace qs
