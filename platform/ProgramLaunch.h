// Starting another program, as the management platform's MIB tools are started: the command
// line is split at blanks into an argument vector (no shell ever sees it, so nothing in it is
// interpreted), the first word is the program, found on the search path, and the program runs
// detached: nobody waits for it.
#pragma once

#include <string>
#include <vector>

namespace qs {

// Words of a command line split at blanks; runs of blanks separate like one.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// Starts the program; false when the line is empty or the program could not be started.
bool LaunchProgram(const std::string& commandLine);

} // namespace qs
