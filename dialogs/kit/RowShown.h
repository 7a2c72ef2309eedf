// A step of a table dialog that must run after the framework has shown the selected row in the
// bound controls (which also enables them), or after the selection was cleared: re-greying
// boxes that only show ports, enabling the buttons that work on a row.
#pragma once

#include <functional>

class TListView;

namespace qs {

// Chains step behind the list view's selection handler; call it after the request has bound the
// list view. The step runs on every selection change, by the user or by code.
void FollowRowShown(TListView* listView, std::function<void()> step);

} // namespace qs
