#pragma once
// Works a list page's Add or Edit sub-form like a user: the script runs once the sub-form that
// the next click opens is on view, and the sub-form is closed after it unless the script closed it.

#include "GUIGenerator.h"

#include <QApplication>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace qs::test {

inline void OnSubForm(const std::function<void(TForm*, TSNMPPanel*)>& script) {
    QTimer::singleShot(0, [script] {
        auto* sub = dynamic_cast<TForm*>(QApplication::activeModalWidget());
        ASSERT_NE(sub, nullptr);
        auto* frame = dynamic_cast<TSNMPPanel*>(sub->FindComponent(QStringLiteral("SNMPPanel")));
        ASSERT_NE(frame, nullptr);
        script(sub, frame);
        if (sub->isVisible()) {
            sub->Close();
        }
    });
}

} // namespace qs::test
