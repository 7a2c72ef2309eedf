#include "RequestShutdown.h"

#include "Application.h"
#include "Form.h"
#include "ListView.h"
#include "PortPickerSlot.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <algorithm>

namespace qs {

namespace {
constexpr int kCloseRetryMs = 20;
}

bool WaitUntil(const std::function<bool()>& done, int maxMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() >= maxMs) {
            return false;
        }
        Application->ProcessMessagesWithoutInput();
        QThread::msleep(1);
    }
    return true;
}

void RequestShutdown::AddRequest(std::unique_ptr<QsSNMPRequest2Controls> request) {
    requests_.push_back(std::move(request));
}

bool RequestShutdown::CanRunNow() {
    for (auto& r : requests_) {
        r->Request.Active = false;
    }
    return std::none_of(requests_.begin(), requests_.end(), [](const auto& r) { return r->InOperation(); });
}

void RequestShutdown::Run() {
    if (done_) {
        return;
    }
    done_ = true;
    if (listView_) {
        listView_->SetSelected(nullptr);
    }
    for (PortPickerSlot* slot : pickers_) {
        slot->Release();
    }
    for (auto& r : requests_) {
        QsSNMPRequest2Controls* request = r.get();
        request->Request.Active = false;
        WaitUntil([request] { return !request->Busy; }, kWaitMs);
        r.reset();
    }
    requests_.clear();
}

void RequestShutdown::CloseOrRetry(TForm* form, bool& canClose) {
    if (done_) {
        return;
    }
    if (!CanRunNow()) {
        canClose = false;
        QTimer::singleShot(kCloseRetryMs, form, [f = QPointer<TForm>(form)] {
            if (f) {
                f->Close();
            }
        });
        return;
    }
    Run();
}

} // namespace qs
