#include "StatusBar.h"

#include "Application.h"
#include "Exceptions.h"

#include <QHBoxLayout>
#include <QLabel>

QString TStatusPanel::Text() const {
    return m_label->text();
}
void TStatusPanel::SetText(const QString& text) {
    m_label->setText(text);
}
int TStatusPanel::Width() const {
    return m_label->width();
}
void TStatusPanel::SetWidth(int width) {
    m_label->setFixedWidth(width);
}

TStatusBar::TStatusBar(TComponent* owner, TWinControl* parent)
    : QFrame(qs::ParentWidgetFor(owner, parent)), TWinControl(this, owner) {
    qs::EnsureApplication();
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 0, 2, 0);
    m_simple = new QLabel(this);
    m_simple->setObjectName(QStringLiteral("SimpleText"));
    row->addWidget(m_simple, 1);
    resize(width(), 19);
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar() = default;

QString TStatusBar::SimpleText() const {
    return m_simple->text();
}
void TStatusBar::SetSimpleText(const QString& text) {
    m_simple->setText(text);
}

void TStatusBar::SetSimplePanel(bool simple) {
    m_simplePanel = simple;
    m_simple->setVisible(simple);
    for (QLabel* l : findChildren<QLabel*>(QStringLiteral("Panel"), Qt::FindDirectChildrenOnly)) {
        l->setVisible(!simple);
    }
}

TStatusPanel* TStatusBar::Panels(int index) const {
    if (index < 0 || index >= PanelCount()) {
        throw EListError::OutOfBounds(index);
    }
    return m_panels[static_cast<size_t>(index)].get();
}

TStatusPanel* TStatusBar::AddPanel(int width) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Panel"));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout()->addWidget(label);
    m_panels.push_back(std::make_unique<TStatusPanel>(label));
    m_panels.back()->SetWidth(width);
    SetSimplePanel(false);
    return m_panels.back().get();
}
