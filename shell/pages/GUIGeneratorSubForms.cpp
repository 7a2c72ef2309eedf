// The Add and Edit sub-forms of a list page: a modal form whose frame borrows the page's
// editor grid for as long as it is open.

#include "GUIConfigForm.h"
#include "GUIGenerator.h"
#include "QsSNMPRequest2Edits.h"

#include <QScrollBar>
#include <memory>

namespace {
// A new window's client area before it takes its frame's size, as a page host starts.
constexpr int kSubFormStartWidth = 151;
constexpr int kSubFormStartHeight = 78;

template <class F> class ScopeExit {
public:
    explicit ScopeExit(F f) : m_f(std::move(f)) {}
    ~ScopeExit() { m_f(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F m_f;
};

// An entry taken out of a status combo while the Edit sub-form is open.
struct RemovedEntry {
    int var;
    int index;
    QString text;
};

void SetThree(const UISnmpVar& item, bool visible) {
    item.CheckBox->SetVisible(visible);
    item.Control->SetVisible(visible);
    item.Label->SetVisible(visible);
}

// Edit can never create or delete a row: the add and delete entries leave their combos while
// the sub-form is open; a combo left empty is hidden.
std::vector<RemovedEntry> TakeOutStatusEntries(TEditsPanel* grid, const TListViewPanel* list) {
    std::vector<RemovedEntry> removed;
    const std::pair<int, QString> statuses[] = {{list->AddStatusVar, list->AddStatusValue},
                                                {list->DeleteStatusVar, list->DeleteStatusValue}};
    for (const auto& [var, text] : statuses) {
        auto* combo =
            var >= 0 ? dynamic_cast<TComboBox*>(grid->Items[static_cast<std::size_t>(var)].Control) : nullptr;
        const int index = combo ? combo->Items().IndexOf(text) : -1;
        if (index < 0) {
            continue;
        }
        combo->Items().Delete(index);
        removed.push_back({var, index, text});
        if (combo->Items().Count() == 0) {
            grid->HideItem(var);
        }
    }
    return removed;
}

// Puts the entries back where they were, so the combos hold what they held before.
void GiveBackStatusEntries(TEditsPanel* grid, const std::vector<RemovedEntry>& removed) {
    for (auto it = removed.rbegin(); it != removed.rend(); ++it) {
        auto* combo = dynamic_cast<TComboBox*>(grid->Items[static_cast<std::size_t>(it->var)].Control);
        if (combo->Items().Count() == 0) {
            grid->ShowItem(it->var);
        }
        combo->Items().Insert(it->index, it->text);
    }
}

bool IsPortListEdit(const UISnmpVar& item) {
    return item.PortList != nullptr;
}
} // namespace

void TSNMPListViewPanel::ShowAddDialog() {
    RunSubForm(QStringLiteral(" (Add)"), false);
}

void TSNMPListViewPanel::ShowEditDialog() {
    if (Request && Request->Mode == RM_ASYNC) {
        WaitWhileBusy(1000);
    }
    RunSubForm(QStringLiteral(" (Edit)"), true);
}

// Index values can be typed and are always sent; the row status is sent with the add value
// and not shown.
void TSNMPListViewPanel::PrepareAddItems(TSNMPPanel* frame) {
    for (int i = 0; i < EditsPanel->ItemCount(); ++i) {
        const UISnmpVar& item = EditsPanel->Items[static_cast<std::size_t>(i)];
        if (!EditsPanel->IsKeyItem(i)) {
            continue;
        }
        EditsPanel->MakeItemWritable(i);
        item.CheckBox->SetChecked(true);
        item.CheckBox->Show();
        item.CheckBox->SetEnabled(false);
        item.Control->SetEnabled(true);
        if (IsPortListEdit(item)) {
            dynamic_cast<TEdit*>(item.Control)->SetReadOnly(true);
        }
    }
    if (const int s = ListPanel->AddStatusVar; s >= 0 && s < EditsPanel->ItemCount()) {
        const UISnmpVar& item = EditsPanel->Items[static_cast<std::size_t>(s)];
        item.Control->SetEnabled(false);
        item.CheckBox->SetEnabled(false);
        item.CheckBox->SetChecked(true);
        SetThree(item, false);
        if (auto* combo = dynamic_cast<TComboBox*>(item.Control)) {
            combo->SetText(ListPanel->AddStatusValue);
        }
    }
    EditsPanel->ArrangeCtrlBtn(frame->BtnPanel);
    frame->BtnPanel->RefreshBtn->Hide();
    frame->BtnPanel->Arrange();
}

// Key items read-only (the row's index cannot change), writable items enabled and unticked.
void TSNMPListViewPanel::PrepareEditItems(TSNMPPanel* frame) {
    EditsPanel->ApplyAccess(false);
    for (const UISnmpVar& item : EditsPanel->Items) {
        if (IsPortListEdit(item)) {
            dynamic_cast<TEdit*>(item.Control)->SetReadOnly(true);
        }
    }
    if (const int s = ListPanel->AddStatusVar; s > 0 && s < EditsPanel->ItemCount()) {
        const UISnmpVar& item = EditsPanel->Items[static_cast<std::size_t>(s)];
        SetThree(item, item.Control->Tag == kActiveAllowedTag);
    }
    EditsPanel->ArrangeCtrlBtn(frame->BtnPanel);
    EditsPanel->LayoutItems(true);
    frame->BtnPanel->RefreshBtn->Hide();
    frame->BtnPanel->Arrange();
}

void TSNMPListViewPanel::RunSubForm(const QString& suffix, bool edit) {
    if (!Request) {
        return;
    }
    qs::PageOperation operation(HostForm);
    ShowSubForm(suffix, edit);
    if (!qs::Closing(HostForm)) {
        ListRefresh(BtnPanel->RefreshBtn);
    }
}

void TSNMPListViewPanel::ShowSubForm(const QString& suffix, bool edit) {
    auto sub = std::make_unique<TForm>();
    sub->SetName(edit ? QStringLiteral("EditForm") : QStringLiteral("AddForm"));
    sub->SetCaption(SubFormCaption(suffix));
    sub->SetClientWidth(kSubFormStartWidth); // grown to the frame by AttachToForm
    sub->SetClientHeight(kSubFormStartHeight);
    Request->SetConstraintOwner(sub.get());
    auto* frame = new TSNMPPanel(sub.get(), MsgPanel, Request);
    frame->BtnPanel->SetCheckedBtn->OnClick = [this](TObject* s) { Apply(s); };
    frame->BtnPanel->SetCheckedBtn->Tag = 1;
    frame->BtnPanel->SetCheckedBtn->SetEnabled(!edit);
    frame->BtnPanel->CheckAllBtn->OnClick = [this](TObject* s) { CheckAll(s); };
    frame->BtnPanel->ClearChecksBtn->OnClick = [this](TObject* s) { ClearChecks(s); };
    std::vector<RemovedEntry> removed;
    // The grid goes back to this page on every way out, before the sub-form that shows it is
    // deleted, and the status combos get back every entry taken out.
    const ScopeExit giveBack([&] {
        GiveBackStatusEntries(EditsPanel, removed);
        EditsPanel->Hide();
        EditsPanel->SetAlign(alNone);
        EditsPanel->SetParent(ClientPanel);
        EditsPanel->ScrollBox->verticalScrollBar()->setValue(0);
        if (Request) {
            Request->SetConstraintOwner(HostForm);
        }
    });
    if (edit) {
        PrepareEditItems(frame);
    } else {
        PrepareAddItems(frame);
        EditsPanel->LayoutItems(true);
    }
    frame->SetContent(EditsPanel);
    frame->AttachToForm(sub.get());
    if (edit) {
        removed = TakeOutStatusEntries(EditsPanel, ListPanel);
    } else {
        ListPanel->ListView->SetSelected(nullptr);
        BtnPanel->EditBtn->SetEnabled(false);
        BtnPanel->DeleteBtn->SetEnabled(false);
    }
    sub->ShowModal();
}
