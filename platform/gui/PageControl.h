#pragma once
// TPageControl with TTabSheet pages. OnChange fires when the user picks a tab, not when code
// sets ActivePage. A sheet's tab can be hidden (TabVisible) while the sheet keeps its controls.

#include "Control.h"

#include <QTabWidget>

class TPageControl;

class TTabSheet : public QWidget, public TWinControl {
public:
    // The sheet is appended to pageControl's pages.
    TTabSheet(TComponent* owner, TPageControl* pageControl);
    QString Caption() const;
    void SetCaption(const QString& caption);
    bool TabVisible() const;
    void SetTabVisible(bool visible);
    int PageIndex() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TPageControl* m_pageControl;
};

class TPageControl : public QTabWidget, public TWinControl {
public:
    explicit TPageControl(TComponent* owner, TWinControl* parent = nullptr);
    ~TPageControl() override;

    int PageCount() const { return count(); }
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* sheet);
    void SetMultiLine(bool multiLine);

    TNotifyEvent OnChange;

private:
    bool m_settingByCode = false;
};
