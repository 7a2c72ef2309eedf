#include "ClientArea.h"

namespace qs {
void ClientArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (onResize) {
        onResize();
    }
}
} // namespace qs
