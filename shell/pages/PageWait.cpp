#include "PageWait.h"

#include "Application.h"
#include "Form.h"
#include "QsSNMPRequest2Edits.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QThread>
#include <algorithm>

namespace qs {

bool WaitWhile(const std::function<bool()>& busy, int maxMs) {
    QElapsedTimer clock;
    clock.start();
    while (busy()) {
        if (maxMs >= 0 && clock.elapsed() >= maxMs) {
            return false;
        }
        Application->ProcessMessagesWithoutInput();
        QThread::msleep(1);
    }
    return true;
}

void CentreOver(QWidget* window, QWidget* over) {
    if (!over && Application && Application->MainForm) {
        over = Application->MainForm;
    }
    const QRect area = over && over->isVisible() ? over->frameGeometry()
                                                 : QApplication::primaryScreen()->availableGeometry();
    const QSize size = window->frameGeometry().size();
    QPoint at = area.center() - QPoint(size.width() / 2, size.height() / 2);
    // Centred over a small main window near the screen's edge, a tall page would start above
    // the screen; it is kept on the screen, its caption visible.
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect desk = screen->availableGeometry();
        at.setX(std::clamp(at.x(), desk.left(), std::max(desk.left(), desk.right() + 1 - size.width())));
        at.setY(std::clamp(at.y(), desk.top(), std::max(desk.top(), desk.bottom() + 1 - size.height())));
    }
    window->move(at);
}

namespace {
// Reaches the driver's protected collection step through a member pointer named in a class
// derived from it, which is how C++ lets a derived class's code name a protected member.
struct Collector : QsSNMPRequest2Edits {
    static void Run(QsSNMPRequest2Edits* request) { (request->*&Collector::CollectValues)(); }
};
} // namespace

void CollectValues(QsSNMPRequest2Edits* request) {
    Collector::Run(request);
}

} // namespace qs
