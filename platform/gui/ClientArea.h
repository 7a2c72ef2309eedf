#pragma once
// The inner area of a container (form, scroll box) that lays out its aligned controls on resize.

#include <QWidget>
#include <functional>

namespace qs {

class ClientArea : public QWidget {
public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) {}
    std::function<void()> onResize;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace qs
