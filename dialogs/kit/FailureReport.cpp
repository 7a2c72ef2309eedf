#include "FailureReport.h"

#include "BlockingAction.h"
#include "QsSNMPError.h"
#include "QsSNMPRequest2Controls.h"
#include "StatusBar.h"

#include <exception>

namespace qs {

void StatusArea::Show(const QString& text) const {
    if (!bar_) {
        return;
    }
    if (bar_->PanelCount() > 0 && !bar_->SimplePanel()) {
        bar_->Panels(0)->SetText(text);
    } else {
        bar_->SetSimpleText(text);
    }
}

QString StatusArea::Text() const {
    if (!bar_) {
        return {};
    }
    return bar_->PanelCount() > 0 && !bar_->SimplePanel() ? bar_->Panels(0)->Text() : bar_->SimpleText();
}

void StatusArea::AttachTo(QsSNMPRequest2Controls& request) const {
    if (bar_ && bar_->PanelCount() > 0 && !bar_->SimplePanel()) {
        request.SetStatusPanel(bar_->Panels(0));
    } else {
        request.SetStatusBar(bar_);
    }
}

bool ReportReadFailure(QsSNMPRequest2Controls* request, const QsSNMPError* error) {
    if (!error || error->code == 0) {
        return false;
    }
    request->ShowReadFailure(error->message, request->Origin());
    return true;
}

bool ReportWriteFailure(QsSNMPRequest2Controls* request, const QsSNMPError* error) {
    if (!error || error->code == 0) {
        return false;
    }
    QsSNMPError copy = *error;
    request->ShowSetError(&copy);
    return true;
}

bool Guarded(const StatusArea& status, const std::function<void()>& work) {
    const BlockingAction action;
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        status.Show(QString::fromStdString(e.what()));
    } catch (...) {
        status.Show(QStringLiteral("Unknown error"));
    }
    return false;
}

bool GuardedAction(const StatusArea& status, const std::function<void()>& work) {
    return Guarded(status, work);
}

bool GuardedStatusLine(QsSNMPRequest2Controls* request, const std::function<void()>& work) {
    const BlockingAction action;
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        request->ShowStatus(e.what());
    } catch (...) {
        request->ShowStatus("Unknown error");
    }
    return false;
}

} // namespace qs
