#include "PageControl.h"

#include "Application.h"
#include "Exceptions.h"

#include <QTabBar>

TTabSheet::TTabSheet(TComponent* owner, TPageControl* pageControl)
    : QWidget(nullptr), TWinControl(this, owner), m_pageControl(pageControl) {
    qs::EnsureApplication();
    const QSignalBlocker quiet(pageControl);
    pageControl->addTab(this, QString());
}

QString TTabSheet::Caption() const {
    return m_pageControl->tabText(PageIndex());
}
void TTabSheet::SetCaption(const QString& caption) {
    m_pageControl->setTabText(PageIndex(), caption);
}
bool TTabSheet::TabVisible() const {
    return m_pageControl->isTabVisible(PageIndex());
}
void TTabSheet::SetTabVisible(bool visible) {
    m_pageControl->setTabVisible(PageIndex(), visible);
}
int TTabSheet::PageIndex() const {
    return m_pageControl->indexOf(const_cast<TTabSheet*>(this));
}

void TTabSheet::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Realign();
}

TPageControl::TPageControl(TComponent* owner, TWinControl* parent)
    : QTabWidget(qs::ParentWidgetFor(owner, parent)), TWinControl(this, owner) {
    qs::EnsureApplication();
    connect(this, &QTabWidget::currentChanged, this, [this] {
        if (!m_settingByCode) {
            qs::Fire(OnChange, this);
        }
    });
}

TPageControl::~TPageControl() {
    OnChange = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 0 || index >= count()) {
        throw EListError::OutOfBounds(index);
    }
    return dynamic_cast<TTabSheet*>(TControl::Of(widget(index)));
}

TTabSheet* TPageControl::ActivePage() const {
    return dynamic_cast<TTabSheet*>(TControl::Of(currentWidget()));
}

void TPageControl::SetActivePage(TTabSheet* sheet) {
    m_settingByCode = true;
    setCurrentWidget(sheet);
    m_settingByCode = false;
}

void TPageControl::SetMultiLine(bool multiLine) {
    // Qt has no wrapped tab rows; keep every tab reachable with scroll buttons instead.
    tabBar()->setUsesScrollButtons(!multiLine);
    tabBar()->setExpanding(false);
}
