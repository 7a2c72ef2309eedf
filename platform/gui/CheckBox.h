#pragma once
// TCheckBox: OnClick fires whenever Checked changes, by the user or by code.

#include "Control.h"
#include "TextFit.h"

#include <QCheckBox>

class TCheckBox : public QCheckBox, public TWinControl {
public:
    explicit TCheckBox(TComponent* owner, TWinControl* parent = nullptr);
    ~TCheckBox() override;

    bool Checked() const { return isChecked(); }
    void SetChecked(bool checked) { setChecked(checked); }
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) {
        setText(caption);
        qs::GrowToText(this);
    }

    TNotifyEvent OnClick;
};
