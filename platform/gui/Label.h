#pragma once
// TLabel: a caption, sized to its text unless AutoSize is cleared; optionally bold.

#include "Control.h"

#include <QLabel>

class TLabel : public QLabel, public TControl {
public:
    explicit TLabel(TComponent* owner, TWinControl* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    void SetBold(bool bold);

private:
    bool m_autoSize = true;
};
