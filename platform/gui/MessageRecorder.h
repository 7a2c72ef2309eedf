#pragma once
// For tests: records every message box and tone while it lives, answering boxes from a queue
// of answers (IDOK when the queue is empty). Restores the previous hooks when destroyed.

#include "Dialogs.h"

#include <QList>
#include <functional>

namespace qs {

class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    struct Tone {
        int frequency;
        int milliseconds;
    };

    QList<BoxRequest> boxes;
    QList<Tone> tones;
    QList<int> answers;
    // Runs inside each box, as code the user would run while it is open.
    std::function<void(const BoxRequest&)> whileOpen;

    QStringList Texts() const;

private:
    BoxHook m_previousBox;
    ToneHook m_previousTone;
};

} // namespace qs
