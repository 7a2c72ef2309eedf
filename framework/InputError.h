// A text a person typed that is no value of its column. Raised while the controls are read for a
// write, before any PDU is built: the write stops, a message box names the field, and the focus
// goes back to the control.
#pragma once

#include "QsException.h"

#include <QPointer>
#include <string>

class TWinControl;

namespace qs {

class EInputError : public QsException {
public:
    // reason: the message with its leading blank. shown: the control's own check has already
    // shown its message.
    EInputError(const std::string& field, const std::string& reason, TWinControl* control,
                bool shown = false);

    // The control that holds the text, or null once it is gone.
    TWinControl* Control() const;
    bool Shown() const { return shown_; }

private:
    TWinControl* control_;
    QPointer<QObject> alive_;
    bool shown_;
};

} // namespace qs
