#include "LLDPDot3RemoteLinkAggForm.h"

TLLDPDot3RemoteLinkAggForm* LLDPDot3RemoteLinkAggForm = nullptr;

namespace {

const QsSNMPVarDesc RemoteLinkAggVars[] = {
    {kIndexOid, "Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {kIndexOid, "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {kIndexOid, "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.1", "Link Aggregation State", SYN_OCTETSTR, ACC_READONLY},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.2", "Link Aggregation Port ID", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const qs::LldpBitsTableSetup& RemoteLinkAggSetup() {
    static const qs::LldpBitsTableSetup setup{
        "LLDPDot3RemoteLinkAggForm",
        "Remote Link Aggregation Table",
        RemoteLinkAggVars,
        3,
        {{3, &qs::LinkAggStatusNames}},
        QSize(740, 380),
    };
    return setup;
}

} // namespace

TLLDPDot3RemoteLinkAggForm::TLLDPDot3RemoteLinkAggForm(TComponent* owner)
    : LldpBitsTableForm(owner, RemoteLinkAggSetup()) {}
