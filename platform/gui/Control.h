#pragma once
// TControl: a visual component (its widget, parent, geometry, enabled and visible state, Align).
// TWinControl: a control that can hold others and take the focus.

#include "Colors.h"
#include "Component.h"
#include "Keys.h"

class QRect;
class QWidget;
class TWinControl;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TControl : public TComponent {
public:
    ~TControl() override;

    QWidget* Widget() const { return m_widget; }
    QObject* Object() override;

    TWinControl* Parent() const;
    void SetParent(TWinControl* parent);

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int v);
    void SetTop(int v);
    void SetWidth(int v);
    void SetHeight(int v);
    void SetBounds(int left, int top, int width, int height);

    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    TAlign Align() const { return m_align; }
    void SetAlign(TAlign align);

    QString Hint() const;
    void SetHint(const QString& hint);

    // The control wrapping this widget, or null.
    static TControl* Of(const QWidget* widget);

protected:
    // widget is the control itself (its Qt base); it is placed into parent's client area, or
    // into the owner's when no parent is given and the owner is a TWinControl.
    TControl(QWidget* widget, TComponent* owner);

private:
    QWidget* m_widget;
    TAlign m_align = alNone;
};

class TWinControl : public TControl {
public:
    // The widget that holds child controls (a scroll box's inner area, a form's client area).
    virtual QWidget* ClientWidget() const { return Widget(); }

    virtual int ClientWidth() const;
    virtual int ClientHeight() const;
    virtual void SetClientWidth(int v);
    virtual void SetClientHeight(int v);

    bool TabStop() const;
    void SetTabStop(bool tabStop);
    bool Focused() const;
    // Gives the control the focus; inside an exit handler the move is queued (see qs::Focus).
    void SetFocus();

    // The controls whose parent this is, in creation order.
    int ControlCount() const;
    TControl* Controls(int index) const;

    // Lays out the aligned children (top, bottom, left, right, then client).
    void Realign();

    // A key pressed while the control has the focus; Key = 0 keeps it from the control.
    TKeyEvent OnKeyDown;

protected:
    using TControl::TControl;

private:
    static void PlaceAligned(TControl* c, QRect& free);
};

namespace qs {
// The client widget of a parent given explicitly, else of the owner when it is a TWinControl.
QWidget* ParentWidgetFor(TComponent* owner, TWinControl* parent = nullptr);
} // namespace qs
