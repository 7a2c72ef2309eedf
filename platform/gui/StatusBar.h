#pragma once
// TStatusBar: one simple text (SimplePanel) or a row of panels; each TStatusPanel is an object
// that can be handed out as a status output.

#include "Control.h"

#include <QFrame>
#include <memory>
#include <vector>

class QLabel;

class TStatusPanel : public TObject {
public:
    explicit TStatusPanel(QLabel* label) : m_label(label) {}
    QString Text() const;
    void SetText(const QString& text);
    int Width() const;
    void SetWidth(int width);

private:
    QLabel* m_label;
};

class TStatusBar : public QFrame, public TWinControl {
public:
    explicit TStatusBar(TComponent* owner, TWinControl* parent = nullptr);
    ~TStatusBar() override;

    QString SimpleText() const;
    void SetSimpleText(const QString& text);
    bool SimplePanel() const { return m_simplePanel; }
    void SetSimplePanel(bool simple);

    int PanelCount() const { return static_cast<int>(m_panels.size()); }
    TStatusPanel* Panels(int index) const;
    TStatusPanel* AddPanel(int width = 100);

private:
    QLabel* m_simple;
    std::vector<std::unique_ptr<TStatusPanel>> m_panels;
    bool m_simplePanel = true;
};
