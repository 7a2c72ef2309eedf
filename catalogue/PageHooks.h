// The page hooks: what a few page commands do to their page after the generic recipe has
// built it, installed by the name the page definition gives (PageHookNames.h).
#pragma once

#include <string_view>

class TEditsPanel;
class TSNMPEditorPanel;
class TSNMPListViewPanel;

namespace qs {

// Runs the named hook on the page just built. Raises for a name that is no hook, or a hook
// that needs a list page on another page.
void InstallPageHook(const char* name, TSNMPEditorPanel& page);

// The Add hooks of the CFM MA Net table: the CCM interval cannot be given when a row is
// created, so the Add form neither shows nor sends it (and Check All leaves it unticked);
// after the Add form every item is empty and unticked and the interval is back for Edit.
void CfmNetTableBeforeAdd(TEditsPanel& grid);
void CfmNetTableAfterAdd(TEditsPanel& grid);
// The same for the CFM MA Component table with MIP Creation, Sender ID TLV and the number
// of VIDs.
void CfmComponentTableBeforeAdd(TEditsPanel& grid);
void CfmComponentTableAfterAdd(TEditsPanel& grid);

// The Multicast Filter Port Table shows its index and add-or-delete columns; the last two
// columns get no width but are still read and edited.
void RebuildMulticastFilterPortColumns(TSNMPListViewPanel& page);

// A VLAN list: VLAN IDs 1 to 4094 and ranges of them ("2,5-10"), joined by commas, nothing else.
bool IsVlanIdListText(std::string_view text);
// Set checks the ticked item var as a VLAN list first: any other text shows a message naming
// the field, takes the focus to it and sends nothing.
void CheckVlanListBeforeSet(TSNMPEditorPanel& page, int var);

} // namespace qs
