// The SNMPv3 engine-boots counter file: comment lines starting with "#" and one line
// "<encoded engine ID> <boots>" per engine, each engine-ID octet written as '@' + high nibble
// and '@' + low nibble. It is rewritten through "<file>.tmp", so a crash never leaves it half
// written.
#pragma once

#include <string>

namespace qs::bootcounter {

constexpr int Ok = 0;
constexpr int NoEntry = -1;
constexpr int OpenError = -2;
constexpr int TooLong = -3;
constexpr int BadLine = -4;
constexpr int CreateError = -5;
constexpr int RenameError = -6;

std::string EncodeEngineId(const std::string& engineId);

// Reads the boots stored for the engine; boots is 0 unless the entry was found.
int Read(const std::string& file, const std::string& engineId, unsigned& boots);

// Stores the boots for the engine, keeping every other line of the file.
int Save(const std::string& file, const std::string& engineId, unsigned boots);

} // namespace qs::bootcounter
