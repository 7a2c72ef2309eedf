#include "SelectedRowDelete.h"

#include "DialogHelpers.h"
#include "QsSNMPRequest2Edits.h"

namespace qs {

bool DeleteSelectedRow(QsSNMPRequest2Edits& request, int statusIndex, const std::string& statusText) {
    if (request.ListView == nullptr || request.ListView->Selected() == nullptr) {
        return false;
    }
    request.RowToValues();
    DeleteRow(&request, statusIndex, statusText);
    return true;
}

} // namespace qs
