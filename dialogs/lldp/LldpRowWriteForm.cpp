#include "LldpRowWriteForm.h"

#include "Button.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "RowSelection.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"
#include "WriteWait.h"

namespace qs {

namespace {

WalkGateConfig RowWriteGate(const QString& refreshMessage) {
    WalkGateConfig c;
    c.writeMessage = QStringLiteral("Get data not complete");
    c.writesCheckBusy = true;
    c.refresh = WalkGateConfig::Refresh::Message;
    c.refreshMessage = refreshMessage;
    c.stopRaises = true;
    return c;
}

} // namespace

LldpRowWriteForm::LldpRowWriteForm(TComponent* owner, const char* name, const QString& caption, QSize size,
                                   const LldpRowWriteFrame& frame)
    : FeatureDialog(owner, name, caption, size), Gate(RowWriteGate(frame.refreshMessage), nullptr),
      frame_(frame) {}

void LldpRowWriteForm::BuildFrame(std::function<void()> refresh, std::function<void()> write) {
    MakeStatusBar(true);
    Editors = Make<TPanel>(nullptr, "Panel1");
    Editors->SetAlign(alBottom);
    Editors->SetHeight(frame_.editorHeight);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    List = Make<TListView>(nullptr, "ListView1");
    List->SetAlign(alClient);
    qs::FillButtonColumn(*this, column, {"SamplesLabel", &Samples, "StaticText1", &Count},
                         {{&RefreshBtn, frame_.refreshName, "Refresh", std::move(refresh)},
                          {&WriteBtn, frame_.writeName, frame_.writeCaption, std::move(write)},
                          {&StopBtn, frame_.stopName, "Stop", [this] { StopButtonClick(); }},
                          {&CloseBtn, "CloseButton", "Close", [this] { Close(); }}});
    FollowRowCount(List, Count);
}

void LldpRowWriteForm::SetRowRequest(QsSNMPRequest2Controls* request) {
    request_ = request;
    Gate.Attach(request);
}

void LldpRowWriteForm::ShowRowCount() {
    qs::ShowRowCount(List, Count);
}

bool LldpRowWriteForm::Closing() const {
    return RequestsEnded() || ModalResult() != mrNone;
}

void LldpRowWriteForm::StopButtonClick() {
    Gate.Stop();
}

bool LldpRowWriteForm::RestartWalk(bool stopFirst, const std::function<void()>& clearEditors) {
    if (stopFirst) {
        request_->Request.Active = false;
        StopButtonClick();
    }
    if (!EndRunningOperation(*request_, [this] { return RequestsEnded(); })) {
        return true;
    }
    clearEditors();
    Gate.Begin();
    WriteBtn->SetEnabled(false);
    request_->Request.Active = true;
    const bool started = Handle([this] { request_->Refresh(); });
    if (!started) {
        WriteBtn->SetEnabled(false);
    }
    ShowRowCount();
    return started;
}

// Stop ends the wait for the reply; closing the dialog ends it without a further read.
void LldpRowWriteForm::WriteSelectedRow(const std::function<void()>& clearEditors,
                                        const std::function<bool()>& inputTaken) {
    if (RequestsEnded() || List->Selected() == nullptr || !Gate.AllowWrite() ||
        (inputTaken && !inputTaken())) {
        return;
    }
    if (!Handle([&] { WriteThenWalk(*request_, Gate, clearEditors, [this] { return Closing(); }); })) {
        Gate.Raise();
    }
}

} // namespace qs
