#pragma once
// TScrollBox: a container that scrolls when its controls reach past its edges.

#include "Control.h"

#include <QScrollArea>

namespace qs {
class ClientArea;
}

class TScrollBox : public QScrollArea, public TWinControl {
public:
    explicit TScrollBox(TComponent* owner, TWinControl* parent = nullptr);
    QWidget* ClientWidget() const override;
    // Grows the scrolled area to hold every control.
    void FitContents();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    qs::ClientArea* m_client;
};
