#include "LldpPortTlvForm.h"

#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "DeviceModel.h"
#include "DialogFrame.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "LldpBitsRequest.h"
#include "Panel.h"
#include "RowSelection.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "WriteWait.h"

namespace qs {

namespace {

constexpr int kPort = 0;
constexpr int kAdminState = 1;
constexpr int kNotification = 2;

// Before a write: the selected row, then the state editors' display texts (mapped to their
// values when sent) and the TLV edit's names as the BITS value. No other value is emptied or read.
class PortConfigRequest : public LldpBitsRequest {
public:
    PortConfigRequest(LldpPortTlvForm* form, const LldpPortConfigSetup& setup)
        : LldpBitsRequest(form, {{setup.tlvColumn, setup.names}}), form_(form), setup_(setup) {}

protected:
    void CollectValues() override {
        if (ListView != nullptr) {
            RowToValues();
        }
        if (setup_.stateEditors) {
            Request.List.GetVar(kAdminState)->Value = form_->AdminStateComboBox->Text().toStdString();
            Request.List.GetVar(kNotification)->Value = form_->NotificationComboBox->Text().toStdString();
        }
        Request.List.GetVar(setup_.tlvColumn)->Value =
            NameTextToBits(form_->TLVsEdit->Text().toStdString(), *setup_.names);
    }

private:
    LldpPortTlvForm* form_;
    const LldpPortConfigSetup& setup_;
};

} // namespace

LldpTlvChoiceForm::LldpTlvChoiceForm(TComponent* owner, const LldpPortConfigSetup& setup, TEdit* target)
    : TForm(owner), setup_(setup), target_(target) {
    SetName(QString::fromLatin1(setup.choiceName));
    SetCaption(QString::fromLatin1(setup.choiceName));
    SetClientWidth(270);
    SetClientHeight(176);
    for (std::size_t i = 0; i < Boxes.size(); ++i) {
        Boxes[i] = new TCheckBox(this, this);
        Boxes[i]->SetName(QString::fromLatin1(setup.boxNames[i]));
        Boxes[i]->SetCaption(QString::fromLatin1((*setup.names)[i]));
        Boxes[i]->SetBounds(20, 14 + 28 * static_cast<int>(i), 230, 22);
    }
    SetButton = new TButton(this, this);
    SetButton->SetName(QStringLiteral("SetButton"));
    SetButton->SetCaption(QStringLiteral("Set Checked"));
    SetButton->SetBounds(40, 132, 96, 28);
    SetButton->OnClick = [this](TObject*) { SetButtonClick(); };
    CloseButton = new TButton(this, this);
    CloseButton->SetName(QStringLiteral("CloseButton"));
    CloseButton->SetCaption(QStringLiteral("Close"));
    CloseButton->SetBounds(146, 132, 96, 28);
    CloseButton->OnClick = [this](TObject*) { CloseButtonClick(); };
    ScaleForScreen(this);
}

void LldpTlvChoiceForm::ShowChoice() {
    FormActivate();
    ShowModal();
}

void LldpTlvChoiceForm::FormActivate() {
    SetCaption(QString::fromLatin1(setup_.choiceCaption) + QString::fromStdString(DeviceAddressText));
    if (setup_.hiddenBox >= 0) {
        Boxes[static_cast<std::size_t>(setup_.hiddenBox)]->SetVisible(false);
    }
    const QString named = target_->Text();
    for (TCheckBox* box : Boxes) {
        if (named.contains(box->Caption(), Qt::CaseSensitive)) {
            box->SetChecked(true);
        }
    }
}

// The same form as the bit-set texts: one blank, the ticked names in table order joined by ",".
void LldpTlvChoiceForm::SetButtonClick() {
    QStringList ticked;
    for (TCheckBox* box : Boxes) {
        if (box->Checked()) {
            ticked << box->Caption();
        }
    }
    target_->SetText(QStringLiteral(" ") + ticked.join(QLatin1Char(',')));
    UntickAll();
    Close();
}

void LldpTlvChoiceForm::CloseButtonClick() {
    UntickAll();
    Close();
}

void LldpTlvChoiceForm::UntickAll() {
    for (TCheckBox* box : Boxes) {
        box->SetChecked(false);
    }
}

LldpPortTlvForm::LldpPortTlvForm(TComponent* owner, const LldpPortConfigSetup& setup)
    : LldpRowWriteForm(owner, setup.formName, QString::fromLatin1(setup.caption), setup.size,
                       {setup.stateEditors ? 78 : 44, "GetButton", "EditButton", "Edit", setup.stopName,
                        QStringLiteral("Get data not complete")}),
      setup_(setup) {
    BuildFrame([this] { GetButtonClick(); }, [this] { EditButtonClick(); });
    ListView1 = List;
    StaticText1 = Count;
    GetButton = RefreshBtn;
    EditButton = WriteBtn;
    StopButton = StopBtn;
    CloseButton = CloseBtn;
    ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
    BuildEditors();
    OnCreate = [this](TObject*) { FormCreate(); };
}

LldpPortTlvForm::~LldpPortTlvForm() {
    Shutdown.Run();
    if (setup_.choiceGlobal != nullptr && *setup_.choiceGlobal == Choice) {
        *setup_.choiceGlobal = nullptr;
    }
    delete Choice;
}

void LldpPortTlvForm::BuildEditors() {
    auto label = [this](const char* name, const char* caption, int left, int top, int width) {
        auto* l = Make<TLabel>(Editors, name);
        l->SetCaption(QString::fromLatin1(caption));
        l->SetBounds(left, top, width, 16);
        return l;
    };
    PortEditLabel = label("PortEditLabel", "Port Number", 8, 14, 80);
    PortText = Make<TStaticText>(Editors, "PortText");
    PortText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PortText->SetCaption(QStringLiteral(" "));
    PortText->SetBounds(92, 10, 50, 22);
    int tlvTop = 10;
    if (setup_.stateEditors) {
        AdminStateLabel = label("AdminStateLabel", "Admin State", 160, 14, 80);
        AdminStateComboBox = Make<TComboBox>(Editors, "AdminStateComboBox");
        AdminStateComboBox->SetBounds(244, 10, 110, 22);
        NotificationLabel = label("NotificationLabel", "Notification Enable", 372, 14, 120);
        NotificationComboBox = Make<TComboBox>(Editors, "NotificationComboBox");
        NotificationComboBox->SetBounds(496, 10, 80, 22);
        tlvTop = 44;
    }
    const int tlvLeft = setup_.stateEditors ? 8 : 160;
    TLVsLabel = label("TLVsLabel", "TLVs TX Enable", tlvLeft, tlvTop + 4, 96);
    TLVsEdit = Make<TEdit>(Editors, "TLVsEdit");
    TLVsEdit->SetBounds(tlvLeft + 100, tlvTop, setup_.stateEditors ? 468 : 416, 22);
    TLVsEdit->OnClick = [this](TObject*) { Handle([this] { TLVsEditClick(); }); };
}

void LldpPortTlvForm::FormCreate() {
    Choice = new LldpTlvChoiceForm(nullptr, setup_, TLVsEdit);
    if (setup_.choiceGlobal != nullptr) {
        *setup_.choiceGlobal = Choice;
    }
    auto request = std::make_unique<PortConfigRequest>(this, setup_);
    PortRequest = request.get();
    SetRowRequest(PortRequest);
    Shutdown.SetListView(ListView1);
    Shutdown.AddRequest(std::move(request));
    EditButton->SetEnabled(false);
    PortEditLabel->SetEnabled(false); // greyed for the dialog's lifetime
    const bool started = Handle([this] {
        PortRequest->Request.List = QsSNMPVarList(setup_.table, MVT_UMV, 1);
        PortRequest->BindListView(ListView1, true);
        PortRequest->AfterGetHook = [this] { FitColumns(ListView1); };
        PortRequest->BindStaticText(kPort, PortText);
        if (setup_.stateEditors) {
            PortRequest->BindComboBox(kAdminState, AdminStateComboBox);
            PortRequest->BindComboBox(kNotification, NotificationComboBox);
        }
        PortRequest->BindEdits(setup_.tlvColumn, "%s{l256}", {TLVsEdit});
        PortRequest->OnGetDone = Gate.Hook();
        PortRequest->OnSetDone = RaisingSetHook(Gate); // a refused write is shown
        StatusOut().AttachTo(*PortRequest);
        PortRequest->Refresh();
    });
    if (!started) {
        Gate.Raise();
        EditButton->SetEnabled(false);
    }
    ShowRowCount();
}

void LldpPortTlvForm::ClearPortConfigEditors() {
    PortText->SetCaption(QStringLiteral(" "));
    if (setup_.stateEditors) {
        AdminStateComboBox->SetText(QString());
        NotificationComboBox->SetText(QString());
    }
    TLVsEdit->SetText(QString());
    EditButton->SetEnabled(false);
    ShowRowCount();
}

void LldpPortTlvForm::GetButtonClick() {
    if (RequestsEnded() || !Gate.AllowRefresh()) {
        return;
    }
    RestartWalk(true, [this] { ClearPortConfigEditors(); });
}

// The TLV edit takes only the names its choice window writes: any other text is refused in a box
// with the focus on the edit, never sent as "no TLV".
void LldpPortTlvForm::EditButtonClick() {
    WriteSelectedRow([this] { ClearPortConfigEditors(); },
                     [this] {
                         if (TypedNameTextToBits(TLVsEdit->Text().toStdString(), *setup_.names)) {
                             return true;
                         }
                         ShowMessage(QString::fromStdString(NameTextRefusal(*setup_.names)));
                         TLVsEdit->SetFocus();
                         return false;
                     });
}

void LldpPortTlvForm::ListView1Click() {
    EditButton->SetEnabled(ListView1->Selected() != nullptr);
}

void LldpPortTlvForm::TLVsEditClick() {
    if (!EditButton->Enabled()) {
        EditButton->SetEnabled(true);
    }
    Choice->ShowChoice();
}

} // namespace qs
