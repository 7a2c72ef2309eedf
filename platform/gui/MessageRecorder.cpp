#include "MessageRecorder.h"

namespace qs {

MessageRecorder::MessageRecorder() {
    m_previousBox = SetBoxHook([this](const BoxRequest& r) {
        boxes.append(r);
        if (whileOpen) {
            whileOpen(r);
        }
        return answers.isEmpty() ? IDOK : answers.takeFirst();
    });
    m_previousTone = SetToneHook([this](int f, int ms) { tones.append({f, ms}); });
}

MessageRecorder::~MessageRecorder() {
    SetBoxHook(std::move(m_previousBox));
    SetToneHook(std::move(m_previousTone));
}

QStringList MessageRecorder::Texts() const {
    QStringList out;
    for (const BoxRequest& b : boxes) {
        out << b.text;
    }
    return out;
}

} // namespace qs
