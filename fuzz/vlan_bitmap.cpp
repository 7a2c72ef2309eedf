// The VLAN texts: a range list ("1-3,5") read into members and turned into its bitmap block, and a
// bitmap block (any hex text) turned into a range list for a block number. Round trips: the
// range list of a block's bits reads back as the same bits, and a list turned into its block
// and back marks what the list marked.
#include "FuzzInput.h"
#include "VlanBitmapText.h"

#include "Exceptions.h"

#include <cstdio>
#include <cstdlib>

namespace {

void Expect(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "vlan bitmap: %s\n", what);
        std::abort();
    }
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : 0;
}

// The members a hex text stands for: non-hex digits count as 0, an unpaired last digit is ignored.
VlanMembers BitsOf(const std::string& hex) {
    VlanMembers bits;
    for (std::size_t i = 0; i + 1 < hex.size() && i / 2 < 64; i += 2) {
        const int octet = HexDigit(hex[i]) * 16 + HexDigit(hex[i + 1]);
        for (int b = 0; b < 8; ++b) {
            bits[i * 4 + static_cast<std::size_t>(b)] = ((octet >> (7 - b)) & 1) != 0;
        }
    }
    return bits;
}

void BlockRoundTrip(const std::string& hex, int block) {
    const std::string list = HexBitmapToListText(hex, block, false);
    VlanMembers back;
    Expect(ParseListText(list, back), "a block's range list reads");
    Expect(back == BitsOf(hex), "a block's range list reads back as its bits");
}

void ListRoundTrip(const std::string& text) {
    VlanMembers members;
    bool parsed = false;
    try {
        parsed = ParseListText(text, members);
    } catch (const EConvertError&) {
        return;
    }
    std::string hex = text;
    if (!ListTextToHexBitmap(hex)) {
        Expect(!parsed, "a list that reads turns into its block");
        return;
    }
    Expect(parsed, "only a list that reads turns into a block");
    Expect(hex.size() == 128, "a block is 128 hex digits");
    Expect(BitsOf(hex) == members, "a list's block holds what the list marks");
    BlockRoundTrip(hex, 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qs::fuzz::FuzzInput in(data, size);
    const int block = in.Byte() % 9;
    const bool appendHex = in.Byte() % 2 == 0;
    const std::string hex = in.Text('\n');
    HexBitmapToListText(hex, block, appendHex);
    if (hex.size() <= 128) { // a block's 64 octets; more name VLANs of the blocks after it
        BlockRoundTrip(hex, block);
    }
    ListRoundTrip(in.Rest());
    return 0;
}
