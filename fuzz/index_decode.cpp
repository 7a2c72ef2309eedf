// Instance OIDs into index texts: a row suffix as an agent may send it (well-formed dotted
// sub-identifiers or any text), read key by key for up to four keys of any syntax, and the key
// texts read encoded back. Round trip: the key texts encoded and read again are the same texts.
#include "FuzzInput.h"
#include "QsException.h"
#include "QsValueTexts.h"
#include "SyntaxChoice.h"

#include <cstdio>
#include <cstdlib>

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

// Reads every key out of the suffix; false when a key raised.
bool DecodeAll(QsSNMPVarList& list, std::string suffix) {
    for (int k = 0; k < list.PKeyCount; ++k) {
        try {
            suffix = DecodeIndexPart(list, k, suffix);
        } catch (const QsException&) {
            return false;
        }
    }
    return true;
}

// The keys' texts encoded, joined and read again give the same texts. An inetaddress key that is
// neither last nor implied is read by the length of all that follows it (a length of 16 reads a
// dotted address without its length), and an implied key before the last is read to the end of
// the suffix but written with its length, so a list holding either has no such round trip.
void CheckRoundTrip(const QsSNMPVarList& list) {
    for (int k = 0; k + 1 < list.PKeyCount; ++k) {
        if (list.GetVar(k)->Syntax == SYN_INETADDRESS || list.IsImplied(k)) {
            return;
        }
    }
    std::string suffix;
    for (int k = 0; k < list.PKeyCount; ++k) {
        if (list.GetVar(k)->Value.empty()) {
            return; // a key the suffix was too short for
        }
        std::string part;
        try {
            part = EncodeIndexPart(list, k);
        } catch (const QsException&) {
            return;
        }
        suffix += (suffix.empty() || part.empty() ? "" : ".") + part;
    }
    QsSNMPVarList again = list;
    if (!DecodeAll(again, suffix)) {
        std::fprintf(stderr, "index texts: encoded keys do not read\n");
        std::abort();
    }
    for (int k = 0; k < list.PKeyCount; ++k) {
        if (again.GetVar(k)->Value != list.GetVar(k)->Value) {
            std::fprintf(stderr, "index texts: key %d reads '%s' after '%s'\n", k,
                         again.GetVar(k)->Value.c_str(), list.GetVar(k)->Value.c_str());
            std::abort();
        }
    }
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
    const bool decoded = DecodeAll(list, SuffixFrom(in));
    for (int k = 0; k < list.PKeyCount; ++k) {
        try {
            EncodeIndexPart(list, k);
        } catch (const QsException&) {
        }
    }
    if (decoded) {
        CheckRoundTrip(list);
    }
    return 0;
}
