#pragma once
// Works a list page's Add or Edit sub-form from a test: the script runs once the sub-form's
// modal loop has started, with the sub-form and its frame; the sub-form is closed afterwards
// unless the script closed it.

#include "Form.h"
#include "GUIGenerator.h"

#include <QApplication>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace qs::test {

inline void OnNextSubForm(const std::function<void(TForm*, TSNMPPanel*)>& script) {
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
