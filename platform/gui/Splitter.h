#pragma once
// TSplitter: a thin bar (3 px) that resizes the aligned control beside it when dragged.

#include "Control.h"

#include <QFrame>

class TSplitter : public QFrame, public TControl {
public:
    explicit TSplitter(TComponent* owner, TWinControl* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    TControl* Neighbour() const;
    int m_grabX = 0;
    int m_startWidth = 0;
};
