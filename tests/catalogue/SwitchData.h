// The simulated switch's data for the catalogue's pages: the default data set with the objects
// these pages read added.
#pragma once

#include <string>

// Writes the data file into folder and returns its path.
std::string WriteSwitchData(const std::string& folder);
