#pragma once
// TShape: a filled figure (the LEDs); Brush.Color is read back, Pen.Color draws the outline.

#include "Control.h"

#include <QWidget>

enum TShapeType { stRectangle, stSquare, stRoundRect, stEllipse, stCircle };

class TShape : public QWidget, public TControl {
public:
    explicit TShape(TComponent* owner, TWinControl* parent = nullptr);

    struct {
        TColor Color = clWhite;
    } Brush;
    struct {
        TColor Color = clBlack;
    } Pen;
    TShapeType Shape = stRectangle;

    void SetBrushColor(TColor color);
    void SetPenColor(TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;
};
