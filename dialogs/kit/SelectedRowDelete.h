// Deleting the row the user selected, and only that one: the shared row deletion sends the
// index values the key variables hold, which after a walk are those of the last row read. With
// no row selected nothing is asked or sent; otherwise the selected row is copied into the
// variables first.
#pragma once

#include <string>

class QsSNMPRequest2Edits;

namespace qs {

// Returns false, sending nothing, when the request's list view has no selected row; otherwise
// runs DeleteRow on that row (which asks first) and returns true.
bool DeleteSelectedRow(QsSNMPRequest2Edits& request, int statusIndex, const std::string& statusText);

} // namespace qs
