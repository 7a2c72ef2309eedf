#pragma once
// Shared setup of the GUI layer tests: the application object and a shown, active form.

#include "Application.h"
#include "Form.h"
#include "MessageRecorder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Readable failure output for Qt texts.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '{' << l.join(", ").toStdString() << '}';
}
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height();
}

namespace qs::test {

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication().Title = QStringLiteral("KRS-5400MX-28Module");
        form = new TForm;
        form->SetName(QStringLiteral("TestForm"));
    }
    void TearDown() override {
        delete form;
        QCoreApplication::processEvents();
    }
    // Shows the form and waits until it is the active window, so focus moves are real.
    void ShowActive() {
        form->Show();
        QApplication::setActiveWindow(form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    }
    static void Pump() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
        }
    }
    // Processes events until done() holds or the time is up.
    static bool WaitFor(const std::function<bool()>& done, int limitMs = 5000) {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > limitMs) {
                return false;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return true;
    }

    TForm* form = nullptr;
    MessageRecorder messages;
};

} // namespace qs::test
