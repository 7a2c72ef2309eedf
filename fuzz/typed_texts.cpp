// The typed-text parse of every syntax against its property: a text it takes is sent as the
// parse's value, and formatting that value and parsing it again gives it back. The first byte picks
// the syntax, the second the field (key, option list, edit format); the rest is the text typed.
#include "FuzzInput.h"
#include "SyntaxChoice.h"
#include "TypedTextProperty.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qs::fuzz::FuzzInput in(data, size);
    const std::uint32_t syntax = qs::fuzz::PickSyntax(in, false);
    const qs::TypedField field = qs::test::PropertyField(syntax, in.Byte());
    const std::string text = in.Rest();
    const std::string breach = qs::test::TypedPropertyBreach(text, field);
    if (!breach.empty()) {
        std::fprintf(stderr, "syntax %u, text '%s': %s\n", static_cast<unsigned>(syntax), text.c_str(),
                     breach.c_str());
        std::abort();
    }
    return 0;
}
