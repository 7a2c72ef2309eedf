#pragma once
// TMainMenu and TMenuItem: a form's menu bar; an item with sub-items opens a menu, one without
// runs OnClick. Items can be enabled, hidden and looked up by name through their owner.

#include "Component.h"

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class TForm;

class TMenuItem : public QObject, public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    QObject* Object() override { return this; }

    QString Caption() const;
    void SetCaption(const QString& caption);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);
    // Appends a sub-item; this item then opens a menu.
    void Add(TMenuItem* item);
    int Count() const;
    TMenuItem* Items(int index) const;
    QAction* Action() const { return m_action; }
    // Runs the item as a user's choice would.
    void Click();

    TNotifyEvent OnClick;

private:
    QAction* m_action;
    QString m_caption;
    QMenu* m_menu = nullptr;
    QList<TMenuItem*> m_items;
};

class TMainMenu : public QObject, public TComponent {
public:
    // The menu bar is shown on form, which owns the menu.
    explicit TMainMenu(TForm* form);
    QObject* Object() override { return this; }
    void Add(TMenuItem* item);
    int Count() const { return static_cast<int>(m_items.size()); }
    TMenuItem* Items(int index) const;

private:
    QMenuBar* m_bar;
    QList<TMenuItem*> m_items;
};
