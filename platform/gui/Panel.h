#pragma once
// TPanel: a container with optional bevels; lays out its aligned controls.

#include "Control.h"

#include <QFrame>

enum TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public QFrame, public TWinControl {
public:
    explicit TPanel(TComponent* owner, TWinControl* parent = nullptr);
    void SetBevelOuter(TBevelCut bevel);
    void SetBevelInner(TBevelCut) {}
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    void SetColor(TColor color);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
};
