#include "FeatureDialog.h"

#include "Button.h"
#include "DialogFrame.h"
#include "StatusBar.h"

namespace qs {

FeatureDialog::FeatureDialog(TComponent* owner, const char* name, const QString& caption, QSize clientSize,
                             double scale)
    : TForm(owner) {
    SetName(QString::fromLatin1(name));
    SetCaption(caption);
    SetClientWidth(clientSize.width());
    SetClientHeight(clientSize.height());
    if (scale > 0) {
        ScaleForScreen(this, scale);
    }
    CenterOnMainForm();
    OnCloseQuery = [this](TObject*, bool& canClose) { CloseQuery(canClose); };
}

FeatureDialog::~FeatureDialog() {
    Shutdown.Run();
}

QsSNMPRequest2Edits* FeatureDialog::MakeTableRequest(TListView* list, PortPickerSlot& ports) {
    Shutdown.AddPicker(&ports);
    return MakeTableRequest(list);
}

QsSNMPRequest2Edits* FeatureDialog::MakeTableRequest(TListView* list) {
    Shutdown.SetListView(list);
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    QsSNMPRequest2Edits* made = request.get();
    Shutdown.AddRequest(std::move(request));
    return made;
}

void FeatureDialog::CloseQuery(bool& canClose) {
    canClose = true;
    bool gateOpen = true;
    Handle([&] { gateOpen = !closeGate_ || closeGate_(); });
    if (!gateOpen) {
        canClose = false;
        return;
    }
    Shutdown.CloseOrRetry(this, canClose);
}

TButton* FeatureDialog::MakeButton(TWinControl* parent, const char* name, const char* caption,
                                   std::function<void()> click) {
    auto* button = Make<TButton>(parent, name);
    button->SetCaption(QString::fromLatin1(caption));
    button->OnClick = [this, click = std::move(click)](TObject*) { GuardedAction(StatusOut(), click); };
    return button;
}

TStatusBar* FeatureDialog::MakeStatusBar(bool onePanel) {
    statusBar_ = Make<TStatusBar>(nullptr, "StatusBar1");
    statusBar_->SetAlign(alBottom);
    if (onePanel) {
        statusBar_->AddPanel(2000);
    } else {
        statusBar_->SetSimplePanel(true);
    }
    return statusBar_;
}

} // namespace qs
