#include "InputError.h"

#include "Control.h"
#include "SnmpErrors.h"

#include <QWidget>

namespace qs {

EInputError::EInputError(const std::string& field, const std::string& reason, TWinControl* control,
                         bool shown)
    : QsException(field + ":" + reason, err::BindValue), control_(control),
      alive_(control ? control->Widget() : nullptr), shown_(shown) {}

TWinControl* EInputError::Control() const {
    return alive_ ? control_ : nullptr;
}

} // namespace qs
