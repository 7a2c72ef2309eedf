// TListViewPanel and TSNMPListViewPanel: the list page, its row counter and hint, Delete, and
// the Add and Edit sub-forms that borrow the page's editor grid.

#include "Dialogs.h"
#include "Exceptions.h"
#include "GUIConfigForm.h"
#include "GUIGenerator.h"
#include "PageControl.h"
#include "PageLayout.h"
#include "PageWait.h"
#include "QsSNMPRequest2Edits.h"

#include <QCursor>
#include <QScrollBar>

namespace {
// The device text a tab page's sub-form caption carries; the shared helpers keep it empty.
const QString kDeviceAddressText;
// How long Add, Edit and Delete give a running walk to finish.
constexpr int kWalkWaitMs = 1000;

TComboBox* StatusCombo(TEditsPanel* grid, int var) {
    if (var < 0 || var >= grid->ItemCount()) {
        return nullptr;
    }
    return dynamic_cast<TComboBox*>(grid->Items[static_cast<std::size_t>(var)].Control);
}
} // namespace

TListViewPanel::TListViewPanel(TComponent* owner, QsSNMPRequest2Edits* request) : TPanel(owner) {
    SetName(QStringLiteral("ListPanel"));
    SetBevelOuter(bvNone);
    ListView = new TListView(this, this);
    ListView->SetName(QStringLiteral("ListView"));
    request->BindListView(ListView, false);
    QStringList captions;
    for (int i = 0; i < ListView->ColumnCount(); ++i) {
        captions << ListView->ColumnCaption(i);
    }
    SetWidth(qs::ListPanelWidth(captions));
    SetHeight(qs::kListHeight);
    ListView->SetAlign(alClient);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons) {
    buttons->SamplesLabel->Show();
    buttons->SamplesCount->Show();
    buttons->RefreshBtn->Show();
    buttons->EditBtn->Show();
    buttons->EditBtn->SetEnabled(false);
    buttons->DeleteBtn->SetEnabled(false);
    buttons->SetCheckedBtn->Hide();
    buttons->AddBtn->SetVisible(AddStatusVar != -1);
    buttons->DeleteBtn->SetVisible(DeleteStatusVar != -1);
    buttons->CheckAllBtn->Hide();
    buttons->ClearChecksBtn->Hide();
    buttons->StopBtn->Hide();
    buttons->CloseBtn->Show();
    buttons->Arrange();
}

TSNMPListViewPanel::TSNMPListViewPanel(TComponent* owner, QsSNMPRequest2Edits* request)
    : TSNMPEditorPanel(owner, request) {
    ListPanel = new TListViewPanel(ClientPanel, request);
    TListView* list = ListPanel->ListView;
    list->OnDblClick = [this](TObject* s) { ListDblClick(s); };
    list->OnClick = [this](TObject* s) { ListClick(s); };
    list->OnChange = [this](TObject* s, TListItem*, TItemChange) { ListChange(s); };
    list->OnItemsShown = [this](TObject* s) { ListChange(s); };
    list->setMouseTracking(true);
    QObject::connect(list, &QTreeWidget::itemEntered, list, [this, list] {
        const QPoint p = list->viewport()->mapFromGlobal(QCursor::pos());
        ListMouseMove(p.x(), p.y());
    });
    QObject::connect(list, &QTreeWidget::viewportEntered, list, [this] { ListMouseMove(-1, -1); });
    BtnPanel->RefreshBtn->OnClick = [this](TObject* s) { ListRefresh(s); };
    BtnPanel->EditBtn->OnClick = [this](TObject* s) { EditClick(s); };
    BtnPanel->AddBtn->OnClick = [this](TObject* s) { AddClick(s); };
    BtnPanel->StopBtn->OnClick = [this](TObject* s) { StopClick(s); };
    BtnPanel->DeleteBtn->OnClick = [this](TObject* s) { DeleteClick(s); };
    ListPanel->ArrangeCtrlBtn(BtnPanel);
    if (EditsPanel->AllItemsReadOnly()) {
        BtnPanel->EditBtn->Hide();
        BtnPanel->Arrange();
    }
    SetContent(ListPanel);
    OnBeforeAdd = {
        [](void* page, TObject*) { static_cast<TSNMPListViewPanel*>(page)->EditsPanel->ClearAllItems(); },
        this};
}

void TSNMPListViewPanel::SetAddStatus(int addStatusVar, const char* addStatusValue) {
    const QString value = QString::fromLatin1(addStatusValue);
    TComboBox* combo = StatusCombo(EditsPanel, addStatusVar);
    if (!combo || combo->Items().IndexOf(value) < 0) {
        throw QsException("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:" + value.toStdString(),
                          0);
    }
    ListPanel->AddStatusVar = addStatusVar;
    ListPanel->AddStatusValue = value;
    BtnPanel->AddBtn->Show();
    BtnPanel->Arrange();
}

void TSNMPListViewPanel::SetDeleteStatus(int deleteStatusVar, const char* deleteStatusValue) {
    const QString value = QString::fromLatin1(deleteStatusValue);
    TComboBox* combo = StatusCombo(EditsPanel, deleteStatusVar);
    if (!combo || combo->Items().IndexOf(value) < 0) {
        throw QsException(
            "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:" + value.toStdString(), 0);
    }
    ListPanel->DeleteStatusVar = deleteStatusVar;
    ListPanel->DeleteStatusValue = value;
    BtnPanel->DeleteBtn->Show();
    BtnPanel->Arrange();
}

void TSNMPListViewPanel::UpdateCount() {
    BtnPanel->SamplesCount->SetCaption(QString::number(ListPanel->ListView->ItemCount()));
}

void TSNMPListViewPanel::ListRefresh(TObject* Sender) {
    if (!Request || (Request->Mode == RM_ASYNC && Request->Busy)) {
        return;
    }
    BtnPanel->EditBtn->SetEnabled(false);
    BtnPanel->DeleteBtn->SetEnabled(false);
    RefreshClick(Sender);
    try {
        UpdateCount();
    } catch (...) {
    }
}

// Rows a walk adds reach the view in batches; the count follows each batch, so the window is
// not redrawn for every row.
void TSNMPListViewPanel::ListChange(TObject*) {
    if (ListPanel->ListView->ItemsPending()) {
        return;
    }
    try {
        UpdateCount();
    } catch (...) {
        ShowMessage(QStringLiteral("carsh"));
    }
}

void TSNMPListViewPanel::ListClick(TObject*) {
    try {
        if (Request) {
            Request->Request.Active = false; // a click in the list stops a running walk
        }
        const bool selected = ListPanel->ListView->Selected() != nullptr;
        BtnPanel->EditBtn->SetEnabled(selected);
        BtnPanel->DeleteBtn->SetEnabled(selected);
        if (!selected) {
            EditsPanel->ClearAllItems();
        }
    } catch (...) {
        ShowMessage(QStringLiteral("Please select a entry "));
    }
}

void TSNMPListViewPanel::ListDblClick(TObject*) {
    try {
        if (ListPanel->ListView->Selected()) {
            EditClick(BtnPanel->EditBtn);
        }
    } catch (...) {
    }
}

void TSNMPListViewPanel::ListMouseMove(int x, int y) {
    TListView* list = ListPanel->ListView;
    auto* item = x < 0 ? nullptr : dynamic_cast<TListItem*>(list->itemAt(x, y));
    if (!item) {
        list->SetHint(QString());
        return;
    }
    qsizetype longest = 0;
    for (int c = 0; c < list->ColumnCount(); ++c) {
        longest = std::max(longest, list->ColumnCaption(c).size());
    }
    QString hint;
    for (int c = 0; c < list->ColumnCount(); ++c) {
        const QString caption = list->ColumnCaption(c);
        hint += caption + QString(longest - caption.size(), QLatin1Char('\t')) + QStringLiteral("  ") +
                (c == 0 ? item->Caption() : item->SubItem(c - 1)) + QLatin1Char('\n');
    }
    list->SetHint(hint);
}

// Gives a running asynchronous walk a moment to finish before a write, so that its chain does
// not resume and mix with what follows.
void TSNMPListViewPanel::WaitWhileBusy(int maxMs) {
    if (Request->Mode != RM_ASYNC) {
        return;
    }
    QsSNMPRequest2Edits* request = Request;
    request->Request.Active = false;
    qs::WaitWhile([request] { return request->Busy; }, maxMs);
    request->Request.Active = true;
}

void TSNMPListViewPanel::AddClick(TObject* Sender) {
    if (!Request) {
        return;
    }
    WaitWhileBusy(kWalkWaitMs);
    Request->Request.Active = true;
    if (OnBeforeAdd.Code) {
        OnBeforeAdd.Code(OnBeforeAdd.Context, Sender);
    }
    ShowAddDialog();
    if (OnAfterAdd.Code) {
        OnAfterAdd.Code(OnAfterAdd.Context, Sender);
    }
}

void TSNMPListViewPanel::EditClick(TObject* Sender) {
    if (!Request) {
        return;
    }
    if (OnBeforeEdit.Code) {
        OnBeforeEdit.Code(OnBeforeEdit.Context, Sender);
    }
    ShowEditDialog();
    if (OnAfterEdit.Code) {
        OnAfterEdit.Code(OnAfterEdit.Context, Sender);
    }
}

QString TSNMPListViewPanel::SubFormCaption(const QString& suffix) const {
    TWinControl* parent = Parent();
    if (auto* form = dynamic_cast<TForm*>(parent)) {
        return form->Caption() + suffix;
    }
    if (auto* sheet = dynamic_cast<TTabSheet*>(parent)) {
        return sheet->Caption() + QStringLiteral(": ") + kDeviceAddressText + suffix;
    }
    return (HostForm ? HostForm->Caption() : QString()) + suffix;
}

void TSNMPListViewPanel::DeleteClick(TObject*) {
    if (!Request || !ConfirmBox(window(), QStringLiteral("Are you sure to delete it?"))) {
        return;
    }
    qs::PageOperation operation(HostForm);
    WaitWhileBusy(kWalkWaitMs);
    QsSNMPRequest2Edits* request = Request;
    const QsRequestMode savedMode = request->Mode;
    request->Mode = RM_BLOCKING;
    request->Request.Active = true;
    DeleteRow();
    if (!qs::Closing(HostForm)) {
        ListRefresh(BtnPanel->RefreshBtn); // blocking: the list is complete when this returns
    }
    request->Mode = savedMode;
}

// One SET of the selected row's index values and the delete value; every other column left
// out, and the marks taken off again whatever happens.
void TSNMPListViewPanel::DeleteRow() {
    QsSNMPVarList& list = Request->Request.List;
    std::vector<int> marked;
    for (int i = list.PKeyCount; i < list.GetCount(); ++i) {
        if (i != ListPanel->DeleteStatusVar && (list.GetVar(i)->Access & ACC_INVALID) == 0) {
            list.GetVar(i)->Access |= ACC_INVALID;
            marked.push_back(i);
        }
    }
    Request->LastOperation = 1;
    try {
        qs::CollectValues(Request);
        list.GetVar(ListPanel->DeleteStatusVar)->Value = ListPanel->DeleteStatusValue.toStdString();
        Request->Apply(false, false, "", nullptr);
    } catch (const std::exception& e) {
        ShowError(e);
    }
    for (int i : marked) {
        list.GetVar(i)->Access &= ~static_cast<std::uint32_t>(ACC_INVALID);
    }
}
