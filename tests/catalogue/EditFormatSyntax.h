// A syntactic check of edit-format texts ("%i{n1x65535l5}", "%s{M}"), enough to catch a mistyped
// format in the catalogue's data.
#pragma once

#include <string_view>

bool IsWellFormedEditFormat(std::string_view format);
