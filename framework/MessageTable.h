// The seven replaceable message tables. Each starts with its built-in texts; at start-up a
// message file may replace it, one text per non-blank line.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qs {

class MessageTable {
public:
    explicit MessageTable(std::span<const char* const> builtIn) : builtIn_(builtIn) {}

    // Entry n of the loaded texts; beyond a short loaded file (or before any load) the built-in
    // text of the same entry; the empty text for an entry neither has.
    std::string Text(int entry) const;
    std::size_t Size() const;
    std::size_t BuiltInSize() const { return builtIn_.size(); }

    void Replace(std::vector<std::string> entries) { loaded_ = std::move(entries); }
    void RestoreBuiltIn() { loaded_.clear(); }

private:
    std::span<const char* const> builtIn_;
    std::vector<std::string> loaded_;
};

// The non-blank lines of a message file's contents, as the loader stores them: each line without
// its line end, cut into pieces of at most 1023 characters; a piece that holds nothing but blanks
// and control characters is no entry. Leading and trailing blanks of an entry are kept.
std::vector<std::string> SplitMessageLines(std::string_view content);

} // namespace qs

// The tables, built on first use. Entry numbers and the codes that select them are in
// SnmpErrors.h.
qs::MessageTable& CommonErrTable();    // "errmsg\common.err", 26 entries
qs::MessageTable& SnmpErrTable();      // "errmsg\snmp.err", 18 entries
qs::MessageTable& SnmpV3ErrTable();    // "errmsg\snmpv3.err", 17 entries
qs::MessageTable& SnmpUsmErrTable();   // "errmsg\snmpusm.err", 14 entries
qs::MessageTable& SnmpClassErrTable(); // "errmsg\snmpclass.err", 23 entries
qs::MessageTable& QsSnmpErrTable();    // "errmsg\qssnmp.err", 30 entries
qs::MessageTable& SnmpMsgTable();      // "errmsg\snmp.msg", 2 entries: 0 read, 1 write status line

// Replaces the table by the file's non-blank lines. A file that cannot be read or holds no
// non-blank line leaves the table as it was. The name may use "\" as its separator.
void LoadMessageTable(qs::MessageTable& table, std::string_view fileName);
