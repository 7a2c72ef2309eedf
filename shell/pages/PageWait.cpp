#include "PageWait.h"

#include "Application.h"
#include "Form.h"
#include "QsSNMPRequest2Edits.h"

#include <QApplication>
#include <QScreen>

#include <QElapsedTimer>
#include <QThread>

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
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
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
