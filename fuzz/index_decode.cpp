// Instance OIDs into index texts: a row suffix as an agent may send it (well-formed dotted
// sub-identifiers or any text), read key by key for up to four keys of any syntax, and the key
// texts read encoded back.
#include "FuzzInput.h"
#include "QsException.h"
#include "QsValueTexts.h"
#include "SyntaxChoice.h"

namespace {

std::string SuffixFrom(qs::fuzz::FuzzInput& in) {
    if (in.Byte() % 2 == 0) {
        return in.Rest();
    }
    qs::OidVector s;
    while (!in.Empty()) {
        // Mostly small sub-identifiers, as lengths and octets are.
        const std::uint8_t b = in.Byte();
        s.push_back(b < 0xF0 ? b % 32 : in.Uint32());
    }
    return qs::OidToText(s);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qs::fuzz::FuzzInput in(data, size);
    QsSNMPVarList list;
    list.ItemType = MVT_FMV;
    list.PKeyCount = 1 + in.Byte() % 4;
    for (int k = 0; k < list.PKeyCount; ++k) {
        const std::uint32_t syntax = qs::fuzz::PickSyntax(in, true);
        const bool implied = in.Byte() % 4 == 0;
        list.AddVar(kIndexOid, "key", syntax, ACC_NOTACCESS | (implied ? std::uint32_t{ACC_IMPLIED} : 0U));
    }
    std::string rest = SuffixFrom(in);
    for (int k = 0; k < list.PKeyCount; ++k) {
        try {
            rest = DecodeIndexPart(list, k, rest);
        } catch (const QsException&) {
        }
    }
    for (int k = 0; k < list.PKeyCount; ++k) {
        try {
            EncodeIndexPart(list, k);
        } catch (const QsException&) {
        }
    }
    return 0;
}
