#include "dot1vProtocolPortEdit.h"

#include "BlockingAction.h"
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Label.h"

#include <utility>

Tdot1vProtocolPortEdit* dot1vProtocolPortEdit = nullptr;

namespace {
template <class C> C* Make(TForm* form, const char* name, int left, int top, int width) {
    auto* c = new C(form, form);
    c->SetName(QString::fromLatin1(name));
    c->SetBounds(left, top, width, 22);
    return c;
}
} // namespace

Tdot1vProtocolPortEdit::Tdot1vProtocolPortEdit(TComponent* owner, std::function<bool()> onSet)
    : TForm(owner), onSet_(std::move(onSet)) {
    SetName(QStringLiteral("dot1vProtocolPortEdit"));
    SetCaption(QStringLiteral("Protocol VLAN Port Config Table"));
    SetClientWidth(300);
    SetClientHeight(190);
    const char* captions[] = {"Base Port", "Group ID", "Group VID", "Group Priority"};
    const char* labelNames[] = {"lbl_BasePort", "lb_GroupId", "lbl_GroupVid", "lbl_GroupPri"};
    TLabel** labels[] = {&lbl_BasePort, &lb_GroupId, &lbl_GroupVid, &lbl_GroupPri};
    for (int i = 0; i < 4; ++i) {
        *labels[i] = Make<TLabel>(this, labelNames[i], 12, 16 + 32 * i, 100);
        (*labels[i])->SetCaption(QString::fromLatin1(captions[i]));
    }
    edt_baseport = Make<TEdit>(this, "edt_baseport", 120, 12, 160);
    edt_groupid = Make<TEdit>(this, "edt_groupid", 120, 44, 160);
    edt_groupvid = Make<TEdit>(this, "edt_groupvid", 120, 76, 160);
    edt_grouppri = Make<TComboBox>(this, "edt_grouppri", 120, 108, 160);
    state = Make<TComboBox>(this, "state", 0, 0, 10);
    state->SetVisible(false);
    btn_Set = Make<TButton>(this, "btn_Set", 110, 150, 80);
    btn_Set->SetCaption(QStringLiteral("Set"));
    btn_Set->OnClick = [this](TObject*) {
        const qs::BlockingAction click; // the set and the owner's refresh: one time-out at most
        btn_SetClick();
    };
    btn_Close = Make<TButton>(this, "btn_Close", 200, 150, 80);
    btn_Close->SetCaption(QStringLiteral("Close"));
    btn_Close->OnClick = [this](TObject*) { Close(); };
}

void Tdot1vProtocolPortEdit::btn_SetClick() {
    if (onSet_()) {
        Close(); // a refused write leaves what was typed for the user to correct
    }
}
