// Joins a directory and a file name with the program's own separator "\". The file layer maps
// the separators when the file is opened.
#pragma once

#include <string>
#include <string_view>

std::string JoinPath(std::string_view directory, std::string_view fileName);
