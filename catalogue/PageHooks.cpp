#include "PageHooks.h"

#include "Button.h"
#include "CfmMib.h"
#include "Dialogs.h"
#include "Edit.h"
#include "GUIGenerator.h"
#include "PageHookNames.h"
#include "QsException.h"
#include "QsSNMPRequest2Edits.h"

#include <charconv>
#include <cstring>
#include <string>

namespace qs {
namespace {

UISnmpVar& Item(TEditsPanel& grid, int i) {
    return grid.Items[static_cast<std::size_t>(i)];
}

// Takes an item out of the Add form: not shown, not sent, and its select box disabled so
// that Check All passes it by.
void HideForAdd(TEditsPanel& grid, int i) {
    grid.HideItem(i);
    Item(grid, i).CheckBox->SetEnabled(false);
}

// Shows an item again as its access has it: a writable item tickable again.
void ShowAfterAdd(TEditsPanel& grid, int i) {
    grid.ShowItem(i);
    if (grid.IsReadOnlyItem(i)) {
        grid.MakeItemReadOnly(i);
    } else {
        Item(grid, i).CheckBox->SetEnabled(true);
    }
}

void UncheckItems(TEditsPanel& grid, int first, int last) {
    for (int i = first; i <= last; ++i) {
        grid.UncheckItem(i);
    }
}

constexpr int kHighestVlanId = 4094;

// A VLAN ID: decimal digits only, 1 to 4094.
bool ReadVlanId(std::string_view text, int& id) {
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    return error == std::errc() && end == text.data() + text.size() && id >= 1 && id <= kHighestVlanId;
}

// One item of a VLAN list: an ID, or two joined by "-" with the first not above the second.
bool IsVlanListItem(std::string_view item) {
    const std::size_t dash = item.find('-');
    int first = 0;
    int last = 0;
    if (dash == std::string_view::npos) {
        return ReadVlanId(item, first);
    }
    return ReadVlanId(item.substr(0, dash), first) && ReadVlanId(item.substr(dash + 1), last) &&
           first <= last;
}

TSNMPListViewPanel& ListPageOf(TSNMPEditorPanel& page, const char* hook) {
    auto* list = dynamic_cast<TSNMPListViewPanel*>(&page);
    if (list == nullptr) {
        throw QsException(std::string("Page hook ") + hook + " needs a list page", 0);
    }
    return *list;
}

// Replaces the page's before- and after-add steps; the hooks work on the page's own grid.
void SetAddHooks(TSNMPListViewPanel& page, void (*before)(TEditsPanel&), void (*after)(TEditsPanel&)) {
    TEditsPanel* grid = page.EditsPanel;
    page.OnBeforeAdd = {[grid, before](void*, TObject*) { before(*grid); }, &page};
    page.OnAfterAdd = {[grid, after](void*, TObject*) { after(*grid); }, &page};
}

} // namespace

void CfmNetTableBeforeAdd(TEditsPanel& grid) {
    UncheckItems(grid, kCfmMaNetFormat, kCfmMaNetRowStatus);
    grid.ClearAllItems();
    HideForAdd(grid, kCfmMaNetCcmInterval);
}

void CfmNetTableAfterAdd(TEditsPanel& grid) {
    UncheckItems(grid, kCfmMaNetFormat, kCfmMaNetRowStatus);
    grid.ClearAllItems();
    ShowAfterAdd(grid, kCfmMaNetCcmInterval);
}

void CfmComponentTableBeforeAdd(TEditsPanel& grid) {
    grid.ClearAllItems();
    for (int i = kCfmMaCompMipCreation; i <= kCfmMaCompNumberOfVids; ++i) {
        HideForAdd(grid, i);
    }
    UncheckItems(grid, kCfmMaCompPrimaryVlan, kCfmMaCompRowStatus);
}

void CfmComponentTableAfterAdd(TEditsPanel& grid) {
    grid.ClearAllItems();
    for (int i = kCfmMaCompMipCreation; i <= kCfmMaCompNumberOfVids; ++i) {
        ShowAfterAdd(grid, i);
    }
    UncheckItems(grid, kCfmMaCompPrimaryVlan, kCfmMaCompRowStatus);
}

void RebuildMulticastFilterPortColumns(TSNMPListViewPanel& page) {
    TListView* list = page.ListPanel->ListView;
    const QsSNMPVarList& vars = page.Request->Request.List;
    const int count = vars.GetCount();
    list->ClearColumns();
    for (int i = 0; i < count; ++i) {
        list->AddColumn(QString::fromStdString(vars.GetVar(i)->Name), i < count - 2 ? -2 : 0);
    }
}

bool IsVlanIdListText(std::string_view text) {
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        if (!IsVlanListItem(text.substr(start, comma == std::string_view::npos ? comma : comma - start))) {
            return false;
        }
        if (comma == std::string_view::npos) {
            return true;
        }
        start = comma + 1;
    }
}

void CheckVlanListBeforeSet(TSNMPEditorPanel& page, int var) {
    TBitBtn* set = page.BtnPanel->SetCheckedBtn;
    set->OnClick = [&page, var, apply = set->OnClick](TObject* sender) {
        const UISnmpVar& item = page.EditsPanel->Items[static_cast<std::size_t>(var)];
        auto* edit = dynamic_cast<TEdit*>(item.Control);
        if (item.CheckBox->Checked() && edit && !IsVlanIdListText(edit->Text().toStdString())) {
            ShowMessage(QStringLiteral("Please enter a valid VLAN List: VLAN IDs from 1 to %1 or ranges of "
                                       "them, such as 2,5-10.")
                            .arg(kHighestVlanId));
            edit->SetFocus();
            return;
        }
        if (apply) {
            apply(sender);
        }
    };
}

void InstallPageHook(const char* name, TSNMPEditorPanel& page) {
    if (std::strcmp(name, kMulticastFilterPortColumnsHook) == 0) {
        RebuildMulticastFilterPortColumns(ListPageOf(page, name));
    } else if (std::strcmp(name, kCfmNetTableAddHooks) == 0) {
        SetAddHooks(ListPageOf(page, name), CfmNetTableBeforeAdd, CfmNetTableAfterAdd);
    } else if (std::strcmp(name, kCfmComponentTableAddHooks) == 0) {
        SetAddHooks(ListPageOf(page, name), CfmComponentTableBeforeAdd, CfmComponentTableAfterAdd);
    } else if (std::strcmp(name, kVlanMultiplyListHook) == 0) {
        CheckVlanListBeforeSet(page, 0);
    } else {
        throw QsException(std::string("Unknown page hook ") + name, 0);
    }
}

} // namespace qs
