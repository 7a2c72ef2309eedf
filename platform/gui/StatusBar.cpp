#include "StatusBar.h"

#include "Application.h"
#include "Exceptions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>

QString TStatusPanel::Text() const {
    return m_label->text();
}
void TStatusPanel::SetText(const QString& text) {
    m_label->setText(text);
    m_bar->FitTexts();
}
void TStatusPanel::SetWidth(int width) {
    m_width = width;
    m_label->setFixedWidth(width);
    m_bar->FitTexts();
}

TStatusBar::TStatusBar(TComponent* owner, TWinControl* parent)
    : QFrame(qs::ParentWidgetFor(owner, parent)), TWinControl(this, owner) {
    qs::EnsureApplication();
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 0, 2, 0);
    m_simple = new QLabel(this);
    m_simple->setObjectName(QStringLiteral("SimpleText"));
    m_simple->setWordWrap(true);
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
    FitTexts();
}

void TStatusBar::SetSimplePanel(bool simple) {
    m_simplePanel = simple;
    m_simple->setVisible(simple);
    for (QLabel* l : findChildren<QLabel*>(QStringLiteral("Panel"), Qt::FindDirectChildrenOnly)) {
        l->setVisible(!simple);
    }
    FitTexts();
}

void TStatusBar::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    FitTexts();
}

void TStatusBar::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    FitTexts();
}

void TStatusBar::FitTexts() {
    if (m_ownHeight == 0) {
        m_ownHeight = height();
    }
    // Panels of a fixed width end at the bar's edge; a panel that stretches already does.
    const QMargins margins = layout()->contentsMargins();
    int x = contentsRect().left() + margins.left();
    const int right = contentsRect().right() + 1 - margins.right();
    for (const auto& panel : m_panels) {
        QLabel* label = panel->Label();
        if (label->maximumWidth() == QWIDGETSIZE_MAX || panel->Width() <= 0) {
            continue;
        }
        label->setFixedWidth(std::min(panel->Width(), std::max(0, right - x)));
        x += label->width() + layout()->spacing();
    }
    if (!isVisible()) {
        return; // measured once the bar is laid out
    }
    layout()->activate();
    const int wanted = std::max(m_ownHeight, TextHeightNeeded());
    if (wanted != height()) {
        resize(width(), wanted);
        if (TWinControl* parent = Parent()) {
            parent->Realign();
        }
    }
}

int TStatusBar::TextHeightNeeded() const {
    int need = 0;
    for (const QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->isVisible() && !label->text().isEmpty() && label->width() > 0) {
            need = std::max(need, label->heightForWidth(label->width()));
        }
    }
    return need + 2 * frameWidth();
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
    label->setWordWrap(true);
    layout()->addWidget(label);
    m_panels.push_back(std::make_unique<TStatusPanel>(label, this));
    m_panels.back()->SetWidth(width);
    SetSimplePanel(false);
    return m_panels.back().get();
}
