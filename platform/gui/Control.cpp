#include "Control.h"

#include "Exceptions.h"
#include "Focus.h"

#include <QHash>
#include <QRect>
#include <QWidget>
#include <vector>

namespace {
QHash<const QWidget*, TControl*>& Registry() {
    static QHash<const QWidget*, TControl*> registry;
    return registry;
}
} // namespace

TControl::TControl(QWidget* widget, TComponent* owner) : TComponent(owner), m_widget(widget) {
    Registry().insert(widget, this);
    if (widget->parentWidget()) {
        widget->setVisible(true); // controls are visible unless hidden, also on a shown parent
    }
}

TControl::~TControl() {
    Registry().remove(m_widget);
}

TControl* TControl::Of(const QWidget* widget) {
    return Registry().value(widget, nullptr);
}

QObject* TControl::Object() {
    return m_widget;
}

TWinControl* TControl::Parent() const {
    for (QWidget* w = m_widget->parentWidget(); w; w = w->parentWidget()) {
        if (auto* c = dynamic_cast<TWinControl*>(Of(w))) {
            return c;
        }
    }
    return nullptr;
}

void TControl::SetParent(TWinControl* parent) {
    const bool visible = !m_widget->isHidden();
    m_widget->setParent(parent ? parent->ClientWidget() : nullptr);
    m_widget->setVisible(visible);
    if (parent) {
        parent->Realign();
    }
}

int TControl::Left() const {
    return m_widget->x();
}
int TControl::Top() const {
    return m_widget->y();
}
int TControl::Width() const {
    return m_widget->width();
}
int TControl::Height() const {
    return m_widget->height();
}
void TControl::SetLeft(int v) {
    m_widget->move(v, Top());
}
void TControl::SetTop(int v) {
    m_widget->move(Left(), v);
}
void TControl::SetWidth(int v) {
    SetBounds(Left(), Top(), v, Height());
}
void TControl::SetHeight(int v) {
    SetBounds(Left(), Top(), Width(), v);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    m_widget->setGeometry(left, top, qMax(0, width), qMax(0, height));
}

bool TControl::Enabled() const {
    return m_widget->isEnabled();
}
void TControl::SetEnabled(bool enabled) {
    m_widget->setEnabled(enabled);
}
bool TControl::Visible() const {
    return !m_widget->isHidden();
}

void TControl::SetVisible(bool visible) {
    m_widget->setVisible(visible);
    if (TWinControl* p = Parent(); p && m_align != alNone) {
        p->Realign();
    }
}

void TControl::SetAlign(TAlign align) {
    m_align = align;
    if (TWinControl* p = Parent()) {
        p->Realign();
    }
}

QString TControl::Hint() const {
    return m_widget->toolTip();
}
void TControl::SetHint(const QString& hint) {
    m_widget->setToolTip(hint);
}

int TWinControl::ClientWidth() const {
    return ClientWidget()->width();
}
int TWinControl::ClientHeight() const {
    return ClientWidget()->height();
}

void TWinControl::SetClientWidth(int v) {
    Widget()->resize(v + Width() - ClientWidth(), Height());
}
void TWinControl::SetClientHeight(int v) {
    Widget()->resize(Width(), v + Height() - ClientHeight());
}

bool TWinControl::TabStop() const {
    return Widget()->focusPolicy() & Qt::TabFocus;
}

void TWinControl::SetTabStop(bool tabStop) {
    Widget()->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TWinControl::Focused() const {
    return Widget()->hasFocus();
}

void TWinControl::SetFocus() {
    qs::Focus::Instance().SetFocus(Widget());
}

int TWinControl::ControlCount() const {
    int n = 0;
    for (QObject* o : ClientWidget()->children()) {
        n += Of(qobject_cast<QWidget*>(o)) ? 1 : 0;
    }
    return n;
}

TControl* TWinControl::Controls(int index) const {
    int n = 0;
    for (QObject* o : ClientWidget()->children()) {
        if (TControl* c = Of(qobject_cast<QWidget*>(o)); c && n++ == index) {
            return c;
        }
    }
    throw EListError::OutOfBounds(index);
}

void TWinControl::Realign() {
    // Top edges first, then bottom, left and right, in creation order; the client control last.
    QRect free(0, 0, ClientWidth(), ClientHeight());
    std::vector<TControl*> aligned;
    for (QObject* o : ClientWidget()->children()) {
        if (TControl* c = Of(qobject_cast<QWidget*>(o)); c && c->Visible() && c->Align() != alNone) {
            aligned.push_back(c);
        }
    }
    for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : aligned) {
            if (c->Align() == kind) {
                PlaceAligned(c, free);
            }
        }
    }
}

void TWinControl::PlaceAligned(TControl* c, QRect& free) {
    switch (c->Align()) {
    case alTop:
        c->SetBounds(free.left(), free.top(), free.width(), c->Height());
        free.setTop(free.top() + c->Height());
        break;
    case alBottom:
        c->SetBounds(free.left(), free.bottom() + 1 - c->Height(), free.width(), c->Height());
        free.setBottom(free.bottom() - c->Height());
        break;
    case alLeft:
        c->SetBounds(free.left(), free.top(), c->Width(), free.height());
        free.setLeft(free.left() + c->Width());
        break;
    case alRight:
        c->SetBounds(free.right() + 1 - c->Width(), free.top(), c->Width(), free.height());
        free.setRight(free.right() - c->Width());
        break;
    default:
        c->SetBounds(free.left(), free.top(), free.width(), free.height());
        break;
    }
}

namespace qs {
QWidget* ParentWidgetFor(TComponent* owner, TWinControl* parent) {
    if (parent) {
        return parent->ClientWidget();
    }
    if (auto* w = dynamic_cast<TWinControl*>(owner)) {
        return w->ClientWidget();
    }
    return nullptr;
}
} // namespace qs
