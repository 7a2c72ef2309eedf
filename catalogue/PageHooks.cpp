#include "PageHooks.h"

#include "CfmMib.h"
#include "GUIGenerator.h"
#include "PageHookNames.h"
#include "QsException.h"
#include "QsSNMPRequest2Edits.h"

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

void InstallPageHook(const char* name, TSNMPEditorPanel& page) {
    if (std::strcmp(name, kMulticastFilterPortColumnsHook) == 0) {
        RebuildMulticastFilterPortColumns(ListPageOf(page, name));
    } else if (std::strcmp(name, kCfmNetTableAddHooks) == 0) {
        SetAddHooks(ListPageOf(page, name), CfmNetTableBeforeAdd, CfmNetTableAfterAdd);
    } else if (std::strcmp(name, kCfmComponentTableAddHooks) == 0) {
        SetAddHooks(ListPageOf(page, name), CfmComponentTableBeforeAdd, CfmComponentTableAfterAdd);
    } else {
        throw QsException(std::string("Unknown page hook ") + name, 0);
    }
}

} // namespace qs
