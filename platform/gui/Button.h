#pragma once
// TButton: a push button; OnClick on the user's click; a non-zero ModalResult also sets the
// form's modal result. TBitBtn adds a glyph picture loaded from a file (missing = no glyph).

#include "Control.h"
#include "TextFit.h"

#include <QPushButton>

class TButton : public QPushButton, public TWinControl {
public:
    explicit TButton(TComponent* owner, TWinControl* parent = nullptr);
    ~TButton() override;

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) {
        setText(caption);
        qs::GrowToText(this);
    }
    int ModalResult = 0;
    // Runs the click as the user's click would (a no-op while disabled).
    void Click();

    TNotifyEvent OnClick;

private:
    void Clicked();
};

class TBitBtn : public TButton {
public:
    using TButton::TButton;
    // Loads the glyph; false (and no glyph) when the file is missing or unreadable.
    bool LoadGlyph(const QString& fileName);
};
