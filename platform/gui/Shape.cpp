#include "Shape.h"

#include "Application.h"

#include <QPainter>

TShape::TShape(TComponent* owner, TWinControl* parent)
    : QWidget(qs::ParentWidgetFor(owner, parent)), TControl(this, owner) {
    qs::EnsureApplication();
}

// A colour set again unchanged repaints nothing: the LEDs are painted every 60 ms.
void TShape::SetBrushColor(TColor color) {
    if (Brush.Color != color) {
        Brush.Color = color;
        update();
    }
}

void TShape::SetPenColor(TColor color) {
    if (Pen.Color != color) {
        Pen.Color = color;
        update();
    }
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Pen.Color == clNone ? QPen(Qt::NoPen) : QPen(qs::ToQColor(Pen.Color)));
    painter.setBrush(Brush.Color == clNone ? QBrush(Qt::NoBrush) : QBrush(qs::ToQColor(Brush.Color)));
    const int side = qMin(width(), height());
    const QRect square((width() - side) / 2, (height() - side) / 2, side - 1, side - 1);
    const QRect all = rect().adjusted(0, 0, -1, -1);
    switch (Shape) {
    case stSquare:
        painter.drawRect(square);
        break;
    case stRoundRect:
        painter.drawRoundedRect(all, 4, 4);
        break;
    case stEllipse:
        painter.drawEllipse(all);
        break;
    case stCircle:
        painter.drawEllipse(square);
        break;
    default:
        painter.drawRect(all);
        break;
    }
}
