#pragma once
// TStatusBar: one simple text (SimplePanel) or a row of panels; each TStatusPanel is an object
// that can be handed out as a status output.
// - A message longer than its panel wraps onto more lines and the bar grows to show them all
//   (back to its own height once the text fits); a panel reaching past the bar's right edge is
//   shown, and wraps, up to that edge.

#include "Control.h"

#include <QFrame>
#include <memory>
#include <vector>

class QLabel;

class TStatusPanel : public TObject {
public:
    explicit TStatusPanel(QLabel* label, class TStatusBar* bar) : m_label(label), m_bar(bar) {}
    QString Text() const;
    void SetText(const QString& text);
    // The width asked for (the panel may be shown narrower, up to the bar's edge).
    int Width() const { return m_width; }
    void SetWidth(int width);
    QLabel* Label() const { return m_label; }

private:
    QLabel* m_label;
    class TStatusBar* m_bar;
    int m_width = 0;
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
    // Fits the panels to the bar's width and the bar's height to the texts (see above).
    void FitTexts();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int TextHeightNeeded() const;

    int m_ownHeight = 0; // the height given to the bar, before any growth for a long text
    QLabel* m_simple;
    std::vector<std::unique_ptr<TStatusPanel>> m_panels;
    bool m_simplePanel = true;
};
