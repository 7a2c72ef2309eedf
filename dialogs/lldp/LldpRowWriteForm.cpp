#include "LldpRowWriteForm.h"

#include "Button.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "RowSelection.h"
#include "StaticText.h"
#include "StatusBar.h"
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
    Samples = Make<TLabel>(column, "SamplesLabel");
    Samples->SetCaption(QStringLiteral("Samples"));
    Samples->SetBounds(12, 8, 86, 16);
    Count = Make<TStaticText>(column, "StaticText1");
    Count->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Count->SetBounds(12, 26, 86, 22);
    int top = 62;
    auto place = [&](TButton* b) {
        b->SetBounds(12, top, 86, 28);
        top += 36;
        return b;
    };
    RefreshBtn = place(MakeButton(column, frame_.refreshName, "Refresh", std::move(refresh)));
    WriteBtn = place(MakeButton(column, frame_.writeName, frame_.writeCaption, std::move(write)));
    StopBtn = place(MakeButton(column, frame_.stopName, "Stop", [this] { StopButtonClick(); }));
    CloseBtn = place(MakeButton(column, "CloseButton", "Close", [this] { Close(); }));
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
void LldpRowWriteForm::WriteSelectedRow(const std::function<void()>& clearEditors) {
    if (RequestsEnded() || List->Selected() == nullptr || !Gate.AllowWrite()) {
        return;
    }
    if (!Handle([&] { WriteThenWalk(*request_, Gate, clearEditors, [this] { return Closing(); }); })) {
        Gate.Raise();
    }
}

} // namespace qs
