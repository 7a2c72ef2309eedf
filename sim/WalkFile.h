// Data files: the text snmpwalk -On prints, one "OID = TYPE: value" per line, plus comment
// lines ("# ...") and rule lines of our own that a walk cannot show:
//   @writable OID [range=LO..HI] [size=LO..HI] [enum=V,V,...]   the object accepts SET
//   @rowstatus OID                     a RowStatus column (createAndGo, createAndWait, destroy)
//   @status OID remove=N               a status column whose value N removes the row
//   @default OID = TYPE: value         the column's value in a row created without it
#pragma once

#include "MibStore.h"

#include <istream>
#include <ostream>
#include <string>

namespace krssim {

// Reads a data file into the store; a folder path reads every "*.walk" file in it in name order.
// On failure returns false with "FILE:LINE: reason".
bool loadWalkFile(const std::string& path, MibStore& store, std::string& error);
bool loadWalk(std::istream& in, const std::string& name, MibStore& store, std::string& error);

// Writes the rules and every instance back in the same format.
void saveWalk(std::ostream& out, const MibStore& store);
bool saveWalkFile(const std::string& path, const MibStore& store, std::string& error);

} // namespace krssim
