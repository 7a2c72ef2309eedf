// TSNMPEditorPanel: the editor page, its input formats and its Set Checked, Check All and
// Clear Checks buttons.

#include "Dialogs.h"
#include "Exceptions.h"
#include "GUIConfigForm.h"
#include "GUIGenerator.h"
#include "GUIWaitingFormUnit.h"
#include "InputError.h"
#include "PageWait.h"
#include "QsSNMPRequest2Edits.h"

#include <memory>

namespace {
constexpr const char* kSomeItemsEmpty = "Some items are empty!";
} // namespace

TSNMPEditorPanel::TSNMPEditorPanel(TComponent* owner, QsSNMPRequest2Edits* request)
    : TSNMPPanel(owner, nullptr, request) {
    EditsPanel = new TEditsPanel(ClientPanel, request);
    BtnPanel->SetCheckedBtn->OnClick = [this](TObject* s) { Apply(s); };
    BtnPanel->SetCheckedBtn->SetEnabled(false);
    BtnPanel->CheckAllBtn->OnClick = [this](TObject* s) { CheckAll(s); };
    BtnPanel->ClearChecksBtn->OnClick = [this](TObject* s) { ClearChecks(s); };
    EditsPanel->ArrangeCtrlBtn(BtnPanel);
    SetContent(EditsPanel);
}

void TSNMPEditorPanel::SetVarFormat(int index, const char* format) {
    Request->Unbind(index);
    const int kind = EditsPanel->Items[static_cast<std::size_t>(index)].Kind;
    if (kind == 3) {
        throw QsException("Can not set Var format to a ComboBox!", 0);
    }
    if (kind != 1 && kind != 2) {
        throw QsException("Unknow UI Control type!", 0);
    }
    Request->BindEdits(index, format,
                       {dynamic_cast<TEdit*>(EditsPanel->Items[static_cast<std::size_t>(index)].Control)});
}

void TSNMPEditorPanel::SetVarFormatChecked(int index, const char* format, bool (*validator)(TControl*)) {
    Request->Unbind(index);
    const int kind = EditsPanel->Items[static_cast<std::size_t>(index)].Kind;
    if (kind == 3) {
        throw QsException("Can not set Var format to a ComboBox!", 0);
    }
    if (kind != 1 && kind != 2) {
        throw QsException("Unknow UI Control type!", 0);
    }
    Request->BindEditWithValidator(
        index, format, dynamic_cast<TEdit*>(EditsPanel->Items[static_cast<std::size_t>(index)].Control),
        validator);
}

void TSNMPEditorPanel::SetLabelWidth(int width) {
    EditsPanel->ValueWidth = width;
    EditsPanel->LayoutItems(true);
    SetContent(EditsPanel);
    if (HostForm) {
        AttachToForm(HostForm);
    }
}

// Marks every unticked variable past the keys "invalid" (left out of the SET), and a ticked
// hidden one whose value is "active" unless its control carries Tag 100. Returns whether a
// variable that will be sent is empty.
bool TSNMPEditorPanel::MarkUnticked(std::vector<int>& marked) {
    QsSNMPVarList& list = Request->Request.List;
    bool empty = false;
    for (int i = list.PKeyCount; i < list.GetCount() && i < EditsPanel->ItemCount(); ++i) {
        const UISnmpVar& item = EditsPanel->Items[static_cast<std::size_t>(i)];
        QsSNMPVar* var = list.GetVar(i);
        const bool ticked = item.CheckBox->Checked();
        const bool activeHidden =
            item.Control->Tag != kActiveAllowedTag && var->Value == "active" && !item.CheckBox->Visible();
        if (!ticked || activeHidden) {
            if ((var->Access & ACC_INVALID) == 0) {
                var->Access |= ACC_INVALID;
                marked.push_back(i);
            }
        } else if (EditsPanel->IsItemEmpty(i) && i != 17) {
            empty = true;
        }
    }
    return empty;
}

// Reads the controls and sends the SET; false when nothing was sent or the SET failed.
bool TSNMPEditorPanel::SendTicked() {
    return Request->Apply(false, false, "", nullptr);
}

// An empty item or a refused input sends nothing and leaves an Add or Edit sub-form open, the
// reason in the status line; the request shows a refused input itself (box, focus, status). A
// sub-form closes only once the agent took the SET: a refused or unanswered one (its reason in a
// box) leaves what was typed for the user to correct.
void TSNMPEditorPanel::Apply(TObject* Sender) {
    if (!Request) {
        return;
    }
    qs::PageOperation operation(HostForm);
    QsSNMPRequest2Edits* request = Request;
    const QsRequestMode savedMode = request->Mode;
    request->Mode = RM_BLOCKING;
    request->LastOperation = 1; // every status line from here on is this write's
    std::vector<int> marked;
    bool ok = false;
    try {
        if (MarkUnticked(marked)) {
            WarningBox(window(), QString::fromLatin1(kSomeItemsEmpty));
            request->ShowStatus(kSomeItemsEmpty);
        } else {
            qs::CollectValues(request);
            ok = SendTicked();
        }
    } catch (const qs::EInputError&) {
        ok = false; // the request showed why
    } catch (const std::exception& e) {
        ok = false;
        ShowError(e);
    }
    for (int i : marked) {
        request->Request.List.GetVar(i)->Access &= ~static_cast<std::uint32_t>(ACC_INVALID);
    }
    request->Mode = savedMode;
    if (ShowWaitAfterSet && ok) {
        auto wait = std::make_unique<TGUIWaitingForm>();
        wait->WaitTime = WaitTime;
        wait->ShowModal();
    }
    auto* button = dynamic_cast<TButton*>(Sender);
    if (ok && button && button->Tag == 1) {
        if (auto* form = dynamic_cast<TForm*>(TControl::Of(button->window()))) {
            form->Close();
        }
    }
}

void TSNMPEditorPanel::CheckAll(TObject*) {
    for (UISnmpVar& item : EditsPanel->Items) {
        if (item.CheckBox->Enabled()) {
            item.CheckBox->SetChecked(true);
        }
    }
    if (TSNMPPanel* frame = EditsPanel->Frame(); frame && EditsPanel->CountTicked() >= 1) {
        frame->BtnPanel->SetCheckedBtn->SetEnabled(true);
    }
}

void TSNMPEditorPanel::ClearChecks(TObject*) {
    for (UISnmpVar& item : EditsPanel->Items) {
        if (item.CheckBox->Enabled()) {
            item.CheckBox->SetChecked(false);
        }
    }
    if (TSNMPPanel* frame = EditsPanel->Frame(); frame && EditsPanel->CountTicked() == 0) {
        frame->BtnPanel->SetCheckedBtn->SetEnabled(false);
    }
}
