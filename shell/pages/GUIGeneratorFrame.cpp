// TSNMPPanel: the frame of a page and its Refresh, Stop and Close buttons.

#include "Application.h"
#include "Dialogs.h"
#include "Exceptions.h"
#include "GUIConfigForm.h"
#include "GUIGenerator.h"
#include "PageLayout.h"
#include "PageWait.h"
#include "QsSNMPRequest2Edits.h"

TSNMPPanel::TSNMPPanel(TComponent* owner, TMsgPanel* sharedMsgPanel, QsSNMPRequest2Edits* request)
    : TPanel(owner), Request(request) {
    SetName(QStringLiteral("SNMPPanel"));
    SetBevelOuter(bvNone);
    if (sharedMsgPanel) {
        StatusBar = sharedMsgPanel->StatusBar;
    } else {
        MsgPanel = new TMsgPanel(this);
        MsgPanel->SetAlign(alBottom);
        StatusBar = MsgPanel->StatusBar;
    }
    if (Request) {
        Request->SetStatusBar(StatusBar);
    }
    BtnPanel = new TCtrlBtnPanel(this);
    BtnPanel->RefreshBtn->OnClick = [this](TObject* s) { RefreshClick(s); };
    BtnPanel->CloseBtn->OnClick = [this](TObject* s) { CloseClick(s); };
    BtnPanel->StopBtn->OnClick = [this](TObject* s) { StopClick(s); };
    BtnPanel->SetAlign(alRight);
    Splitter = new TSplitter(this, this);
    Splitter->SetName(QStringLiteral("Splitter"));
    Splitter->SetWidth(qs::kSplitterWidth);
    Splitter->SetAlign(alRight);
    ClientPanel = new TPanel(this, this);
    ClientPanel->SetName(QStringLiteral("ClientPanel"));
    ClientPanel->SetBevelOuter(bvNone);
    ClientPanel->SetAlign(alClient);
    SetBounds(0, 0, 0, 0);
}

void TSNMPPanel::SetContent(TControl* content) {
    if (Content) {
        Content->Hide();
        Content->SetAlign(alNone);
    }
    Content = content;
    content->Show();
    content->SetAlign(alNone);
    content->SetParent(ClientPanel);
    const int h = BtnPanel->ColumnHeight();
    SetAlign(alNone);
    const QSize size = qs::FrameSize({content->Width(), content->Height()}, BtnPanel->Width(), h,
                                     MsgPanel ? MsgPanel->Height() : 0);
    if (Width() != size.width()) {
        SetWidth(size.width());
    }
    if (Height() != size.height()) {
        SetHeight(size.height());
    }
    content->SetAlign(alClient);
}

void TSNMPPanel::AttachToForm(TForm* form) {
    SetAlign(alNone);
    HostForm = form;
    const QSize client =
        qs::AttachedClientSize({form->ClientWidth(), form->ClientHeight()}, {Width(), Height()});
    form->SetClientWidth(client.width());
    form->SetClientHeight(client.height());
    SetAlign(alClient);
    qs::CentreOver(form, nullptr);
}

void TSNMPPanel::ShowError(const std::exception& e) {
    if (Request) {
        Request->ShowStatus(qs::MessageOf(e).toStdString());
    }
}

void TSNMPPanel::RefreshClick(TObject*) {
    if (!Request) {
        return;
    }
    Request->Request.Active = true;
    if (Request->Busy) {
        return;
    }
    qs::PageOperation operation(HostForm);
    try {
        Request->Refresh();
    } catch (const std::exception& e) {
        ShowError(e);
        if (Request) {
            Request->Request.Active = true;
        }
    }
}

void TSNMPPanel::CloseClick(TObject*) {
    if (Request) {
        Request->Request.Active = false;
    }
    try {
        if (Request && Request->Busy) {
            Application->ProcessMessages();
        }
        if (HostForm) {
            HostForm->Close();
        }
    } catch (...) {
        ShowMessage(QStringLiteral("Please initial close form"));
    }
}

void TSNMPPanel::StopClick(TObject*) {
    try {
        if (!BtnPanel->RefreshBtn->Enabled()) {
            BtnPanel->RefreshBtn->SetEnabled(true);
        }
        if (Request) {
            Request->Request.Active = false;
        }
    } catch (...) {
        ShowMessage(QStringLiteral("Getting SNMP Data!"));
        if (Request) {
            Request->Request.Active = true;
        }
    }
}
