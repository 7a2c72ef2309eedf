#include "LldpBitsRequest.h"

namespace qs {

LldpBitsRequest::LldpBitsRequest(TForm* owner, std::vector<LldpBitsColumn> columns)
    : QsSNMPRequest2Edits(owner), columns_(std::move(columns)) {}

void LldpBitsRequest::OnRow() {
    if (ListView == nullptr) {
        return;
    }
    for (const LldpBitsColumn& c : columns_) {
        QsSNMPVar& var = *Request.List.GetVar(c.var);
        var.Value = BitsToNameText(var.Value, *c.names);
    }
    AddRow();
}

} // namespace qs
