#include "Splitter.h"

#include "Application.h"

#include <QMouseEvent>

TSplitter::TSplitter(TComponent* owner, TWinControl* parent)
    : QFrame(qs::ParentWidgetFor(owner, parent)), TControl(this, owner) {
    qs::EnsureApplication();
    setCursor(Qt::SplitHCursor);
    resize(3, height());
}

// The control aligned on the same side, just beyond the splitter.
TControl* TSplitter::Neighbour() const {
    TControl* best = nullptr;
    for (QWidget* w : parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        TControl* c = TControl::Of(w);
        if (!c || c == this || c->Align() != Align() || !c->Visible()) {
            continue;
        }
        const bool beyond = Align() == alRight ? c->Left() >= x() + width() : c->Left() + c->Width() <= x();
        if (beyond && (!best || qAbs(c->Left() - x()) < qAbs(best->Left() - x()))) {
            best = c;
        }
    }
    return best;
}

void TSplitter::mousePressEvent(QMouseEvent* event) {
    m_grabX = event->globalPosition().toPoint().x();
    TControl* n = Neighbour();
    m_startWidth = n ? n->Width() : 0;
}

void TSplitter::mouseMoveEvent(QMouseEvent* event) {
    TControl* n = Neighbour();
    if (!n || !(event->buttons() & Qt::LeftButton)) {
        return;
    }
    const int dx = event->globalPosition().toPoint().x() - m_grabX;
    n->SetWidth(qMax(10, m_startWidth + (Align() == alRight ? -dx : dx)));
    if (TWinControl* p = Parent()) {
        p->Realign();
    }
}
