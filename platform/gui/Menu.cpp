#include "Menu.h"

#include "Application.h"
#include "Exceptions.h"
#include "Form.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), m_action(new QAction(this)) {
    qs::EnsureApplication();
    connect(m_action, &QAction::triggered, this, [this] { Click(); });
}

TMenuItem::~TMenuItem() {
    OnClick = nullptr;
    delete m_menu;
}

QString TMenuItem::Caption() const {
    return m_caption;
}
// The caption "-" makes the item a separator line, as in the class library's menus.
void TMenuItem::SetCaption(const QString& caption) {
    m_caption = caption;
    const bool separator = caption == QStringLiteral("-");
    m_action->setSeparator(separator);
    m_action->setText(separator ? QString() : caption);
}
bool TMenuItem::Enabled() const {
    return m_action->isEnabled();
}
void TMenuItem::SetEnabled(bool enabled) {
    m_action->setEnabled(enabled);
}
bool TMenuItem::Visible() const {
    return m_action->isVisible();
}
void TMenuItem::SetVisible(bool visible) {
    m_action->setVisible(visible);
}

void TMenuItem::Add(TMenuItem* item) {
    if (!m_menu) {
        m_menu = new QMenu;
        m_menu->setObjectName(objectName() + QStringLiteral("Menu"));
        m_action->setMenu(m_menu);
    }
    m_menu->addAction(item->Action());
    m_items.append(item);
}

int TMenuItem::Count() const {
    return static_cast<int>(m_items.size());
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count()) {
        throw EListError::OutOfBounds(index);
    }
    return m_items.at(index);
}

void TMenuItem::Click() {
    if (m_action->isEnabled()) {
        qs::Fire(OnClick, this);
    }
}

TMainMenu::TMainMenu(TForm* form) : TComponent(form), m_bar(new QMenuBar(form)) {
    m_bar->setObjectName(QStringLiteral("MainMenuBar"));
    form->SetMenuBar(m_bar);
}

void TMainMenu::Add(TMenuItem* item) {
    m_bar->addAction(item->Action());
    m_items.append(item);
}

TMenuItem* TMainMenu::Items(int index) const {
    if (index < 0 || index >= Count()) {
        throw EListError::OutOfBounds(index);
    }
    return m_items.at(index);
}
