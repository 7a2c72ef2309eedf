#include "IGMPMulticastVLANGroupAddForm.h"

#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "IPv4TextWording.h"
#include "Label.h"
#include "QsSNMPRequest2Edits.h"
#include "RequiredText.h"
#include "TableLayout.h"

#include <utility>

TIGMPMulticastVLANGroupAddForm* IGMPMulticastVLANGroupAddForm = nullptr;

namespace {
constexpr int kCreateAndGo = 3; // position in the status combo
}

TIGMPMulticastVLANGroupAddForm::TIGMPMulticastVLANGroupAddForm(TComponent* owner, std::function<bool()> onAdd)
    : FeatureDialog(owner, "IGMPMulticastVLANGroupAddForm", QStringLiteral("IGMP Multicast VLAN Group (Add)"),
                    QSize(300, 170)),
      onAdd_(std::move(onAdd)) {
    struct Row {
        TLabel** label;
        const char* labelName;
        const char* caption;
    };
    const Row rows[] = {{&Label1, "Label1", "VLAN ID"},
                        {&Label2, "Label2", "Form IP"},
                        {&Label3, "Label3", "To IP"},
                        {&Label4, "Label4", "Status"}};
    int top = 14;
    for (const Row& r : rows) {
        *r.label = Make<TLabel>(nullptr, r.labelName);
        (*r.label)->SetCaption(QString::fromLatin1(r.caption));
        (*r.label)->SetBounds(16, top + 4, 70, 16);
        top += 30;
    }
    edtVID = Make<TEdit>(nullptr, "edtVID");
    edtVID->SetBounds(96, 14, 180, 22);
    edtFormIP = Make<TEdit>(nullptr, "edtFormIP");
    edtFormIP->SetBounds(96, 44, 180, 22);
    edtToIP = Make<TEdit>(nullptr, "edtToIP");
    edtToIP->SetBounds(96, 74, 180, 22);
    cbxState = Make<TComboBox>(nullptr, "cbxState");
    cbxState->SetBounds(96, 104, 180, 22);
    qs::FillButtons(*this, nullptr,
                    {{&btnAdd, "btnAdd", "Add", [this] { btnAddClick(); }},
                     {&btnClose, "btnClose", "Close", [this] { Close(); }}},
                    {.left = 96, .top = 136, .step = 94, .across = true});
}

void TIGMPMulticastVLANGroupAddForm::FormActivate() {
    cbxState->SetEnabled(false);
    cbxState->SetItemIndex(kCreateAndGo);
    for (TEdit* edit : {edtFormIP, edtToIP, edtVID}) {
        edit->SetText(QString());
        edit->SetEnabled(true);
    }
}

void TIGMPMulticastVLANGroupAddForm::ShowForAdd() {
    FormActivate();
    ShowModal();
}

void TIGMPMulticastVLANGroupAddForm::btnAddClick() {
    using qs::IPv4EditAccepted;
    using qs::RequireText;
    if (!RequireText(edtVID, QStringLiteral("VLAN ID can't be empty.")) ||
        !RequireText(edtFormIP, QStringLiteral("Form IP can't be empty.")) || !IPv4EditAccepted(edtFormIP) ||
        !RequireText(edtToIP, QStringLiteral("To IP can't be empty.")) || !IPv4EditAccepted(edtToIP)) {
        return;
    }
    if (onAdd_()) {
        Close(); // a refused write leaves what was typed for the user to correct
    }
}
