#include "WriteWait.h"

#include "Application.h"
#include "FailureReport.h"
#include "RequestShutdown.h"
#include "WalkGate.h"

#include <QElapsedTimer>
#include <QThread>

namespace qs {

namespace {
constexpr int kSlackMs = 2000;
constexpr int kDefaultTimeout = 100; // hundredths of a second, when the request names none
} // namespace

int ReplyWaitMs(const QsSNMPRequest& request) {
    const int timeout = request.Timeout > 0 ? request.Timeout : kDefaultTimeout;
    return timeout * 10 * (request.Retries + 1) + kSlackMs;
}

bool WaitForReply(const std::function<bool()>& done, const std::function<bool()>& ended, int maxMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (ended() || clock.elapsed() >= maxMs) {
            return false;
        }
        Application->ProcessMessages();
        QThread::msleep(1);
    }
    return true;
}

QsSNMPDoneEvent RaisingSetHook(WalkGate& gate) {
    return [&gate](QsSNMPRequest2Controls* sender, QsSNMPError* error) {
        ReportWriteFailure(sender, error);
        gate.Raise();
    };
}

void WriteThenWalk(QsSNMPRequest2Controls& request, WalkGate& gate, const std::function<void()>& sent,
                   const std::function<bool()>& closing) {
    gate.Begin();
    request.Request.Active = true;
    request.Apply(false, true, std::string(), nullptr);
    sent();
    const bool replied =
        WaitForReply([&gate] { return gate.Ready(); }, closing, ReplyWaitMs(request.Request));
    if (closing()) {
        return;
    }
    if (!replied) {
        gate.Raise(); // no reply within the time-out: the dialog takes commands again
        return;
    }
    gate.Begin();
    request.Refresh();
}

bool EndRunningOperation(const QsSNMPRequest2Controls& request, const std::function<bool()>& ended) {
    if (request.Busy) {
        WaitUntil([&] { return ended() || !request.Busy; }, RequestShutdown::kWaitMs);
    }
    return !ended();
}

} // namespace qs
