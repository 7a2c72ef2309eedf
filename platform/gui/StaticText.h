#pragma once
// TStaticText: a text in a sunken frame, centred.

#include "Control.h"
#include "TextFit.h"

#include <QLabel>

class TStaticText : public QLabel, public TWinControl {
public:
    explicit TStaticText(TComponent* owner, TWinControl* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) {
        setText(caption);
        qs::GrowToText(this);
    }
};
