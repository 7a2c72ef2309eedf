#include "SpanningTreeAlgorithmForm.h"

#include "Button.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Label.h"
#include "Progress.h"
#include "QsSNMPRequest2Edits.h"
#include "TableLayout.h"

TSpanningTreeAlgorithmForm* SpanningTreeAlgorithmForm = nullptr;

namespace {

constexpr QsOption kStates[] = {{2, "disabled"}, {3, "enabled"}, {}};
constexpr int kDisabled = 0; // positions in the state combo
constexpr int kEnabled = 1;

} // namespace

const QsSNMPVarDesc* StpStateVars() {
    static const QsOptionList states(kStates, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.15.1.1", "STP State Control", SYN_INTEGER, ACC_READWRITE, &states},
        {nullptr},
    };
    return table;
}

TSpanningTreeAlgorithmForm::TSpanningTreeAlgorithmForm(TComponent* owner)
    : FeatureDialog(owner, "SpanningTreeAlgorithmForm", QStringLiteral("Spanning Tree Algorithm"),
                    QSize(380, 130), 0) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TSpanningTreeAlgorithmForm::~TSpanningTreeAlgorithmForm() {
    Shutdown.Run();
}

void TSpanningTreeAlgorithmForm::BuildControls() {
    MakeStatusBar(true);
    Label1 = Make<TLabel>(nullptr, "Label1");
    Label1->SetCaption(QStringLiteral("Spanning Tree Algorithm"));
    Label1->SetBounds(16, 24, 160, 16);
    ComboBox1 = Make<TComboBox>(nullptr, "ComboBox1");
    ComboBox1->SetBounds(180, 20, 100, 22);
    lbSTPState = Make<TLabel>(nullptr, "lbSTPState");
    lbSTPState->SetVisible(false);
    qs::FillButtons(*this, nullptr,
                    {{&GetButton, "GetButton", "Refresh", [this] { GetButtonClick(); }},
                     {&SetButton, "SetButton", "Set", [this] { SetButtonClick(); }}},
                    {.left = 100, .top = 64, .width = 80, .step = 100, .across = true});
}

QsSNMPRequest2Edits* TSpanningTreeAlgorithmForm::CreateStateRequest(TComponent* control) {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    QsSNMPRequest2Edits* made = request.get();
    Shutdown.AddRequest(std::move(request));
    made->Request.List = QsSNMPVarList(StpStateVars(), SVT_SV, 0);
    if (auto* combo = dynamic_cast<TComboBox*>(control)) {
        made->BindComboBox(0, combo);
    } else {
        made->BindLabel(0, lbSTPState);
    }
    StatusOut().AttachTo(*made);
    made->Refresh();
    return made;
}

void TSpanningTreeAlgorithmForm::FormCreate() {
    Handle([this] {
        StateRequest = CreateStateRequest(ComboBox1);
        StateRecordRequest = CreateStateRequest(lbSTPState);
    });
}

void TSpanningTreeAlgorithmForm::ReadState() {
    for (QsSNMPRequest2Edits* r : {StateRequest, StateRecordRequest}) {
        if (r && !r->Busy) {
            Handle([r] {
                r->Request.Active = true;
                r->Refresh();
            });
        }
    }
}

void TSpanningTreeAlgorithmForm::GetButtonClick() {
    if (!RequestsEnded()) {
        ReadState();
    }
}

void TSpanningTreeAlgorithmForm::SendState(int itemIndex) {
    ComboBox1->SetItemIndex(itemIndex);
    StateRequest->Request.Active = true;
    StateRequest->Apply(true, true, std::string(), nullptr);
}

// The choice is compared with the state last read from the device (read again after every Set
// and Refresh), so switching spanning tree off and on again works in one session.
void TSpanningTreeAlgorithmForm::SetButtonClick() {
    if (RequestsEnded() || StateRequest == nullptr || StateRecordRequest == nullptr) {
        return;
    }
    const QString choice = ComboBox1->Text();
    if (ComboBox1->ItemIndex() < 0) {
        return;
    }
    if (choice == QStringLiteral("disabled")) {
        Handle([this] { SendState(kDisabled); });
    } else if (choice == lbSTPState->Caption()) {
        return;
    } else if (ConfirmBox(this,
                          QStringLiteral("To enable STP may take a long time. Do you want to go on?"))) {
        Handle([this] {
            SendState(kEnabled);
            qs::ShowProgressBox(this, ProgressForm, QStringLiteral("Enable STP Progress"),
                                QStringLiteral("Enable STP is processing..."), ProgressTickMs);
        });
    }
    if (!RequestsEnded()) {
        ReadState();
    }
}
