#pragma once
// TRadioButton: a stand-alone radio button; OnClick fires when it becomes checked, by the user
// or by code. Buttons with the same parent exclude each other.

#include "Control.h"
#include "TextFit.h"

#include <QRadioButton>

class TRadioButton : public QRadioButton, public TWinControl {
public:
    explicit TRadioButton(TComponent* owner, TWinControl* parent = nullptr);
    ~TRadioButton() override;

    bool Checked() const { return isChecked(); }
    void SetChecked(bool checked) { setChecked(checked); }
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) {
        setText(caption);
        qs::GrowToText(this);
    }

    TNotifyEvent OnClick;
};
