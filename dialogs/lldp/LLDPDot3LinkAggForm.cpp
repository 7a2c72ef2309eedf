#include "LLDPDot3LinkAggForm.h"

TLLDPDot3LinkAggForm* LLDPDot3LinkAggForm = nullptr;

namespace {

const QsSNMPVarDesc LocalLinkAggVars[] = {
    {kIndexOid, "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.1", "Link Aggregation State", SYN_OCTETSTR, ACC_READONLY},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.2", "Link Aggregation Port ID", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const qs::LldpBitsTableSetup& LocalLinkAggSetup() {
    static const qs::LldpBitsTableSetup setup{
        "LLDPDot3LinkAggForm",
        "Local Link Aggregation Table",
        LocalLinkAggVars,
        1,
        {{1, &qs::LinkAggStatusNames}},
        QSize(600, 380),
    };
    return setup;
}

} // namespace

TLLDPDot3LinkAggForm::TLLDPDot3LinkAggForm(TComponent* owner)
    : LldpBitsTableForm(owner, LocalLinkAggSetup()) {}
