// A stand-in for an external program: a shell script named like the program, put first on PATH,
// that writes each argument it receives on its own line into a record file.
#pragma once

#include "TempDir.h"

#include <string>
#include <vector>

namespace qs::test {

class RecordingTool {
public:
    // Installs a program of this name in a fresh folder and puts the folder first on PATH
    // (the old PATH comes back when the object goes).
    explicit RecordingTool(const std::string& program);
    ~RecordingTool();

    // The arguments of the last start, waiting up to timeoutMs for the program to run.
    // Empty when it did not run.
    std::vector<std::string> waitForArguments(int timeoutMs = 5000) const;

private:
    TempDir dir_;
    std::string oldPath_;
};

} // namespace qs::test
