// The request of the LLDP list dialogs: before a row joins the list view, the value texts of its
// BITS columns become name texts of their tables.
#pragma once

#include "LldpBitSets.h"
#include "QsSNMPRequest2Edits.h"

#include <vector>

namespace qs {

// A column shown as a name text, and the table of its names.
struct LldpBitsColumn {
    int var;
    const LldpNameTable* names;
};

class LldpBitsRequest : public QsSNMPRequest2Edits {
public:
    LldpBitsRequest(TForm* owner, std::vector<LldpBitsColumn> columns);

protected:
    // With a list view bound: converts the columns and adds the row; nothing else.
    void OnRow() override;

private:
    std::vector<LldpBitsColumn> columns_;
};

} // namespace qs
