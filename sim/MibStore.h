// The simulated device's state: every object instance with its value, in OID order, and the
// rules the data file adds for what a walk cannot show (writable columns, RowStatus columns,
// value constraints, defaults for new rows).
#pragma once

#include "Value.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace krssim {

struct ObjectRule {
    enum class Kind { Plain, RowStatus, Status };
    Kind kind = Kind::Plain;
    bool writable = false;
    std::optional<std::pair<std::int64_t, std::int64_t>> range; // integer value range
    std::optional<std::pair<std::int64_t, std::int64_t>> size;  // octet string length range
    std::vector<std::int64_t> allowed;                          // enumeration values
    std::optional<std::int64_t> removeValue;                    // a Status column value that removes the row
    std::optional<Value> defaultValue;                          // value of this column in a newly created row
};

class MibStore {
public:
    using Map = std::map<Oid, Value>;

    const Map& values() const { return values_; }
    const Value* find(const Oid& oid) const;
    Map::const_iterator after(const Oid& oid) const { return values_.upper_bound(oid); }
    void set(const Oid& oid, Value value) { values_[oid] = std::move(value); }
    void erase(const Oid& oid) { values_.erase(oid); }

    ObjectRule& rule(const Oid& object) { return rules_[object]; }
    const std::map<Oid, ObjectRule>& rules() const { return rules_; }
    // The rule whose object OID is the longest prefix of the instance, and that object OID.
    const ObjectRule* ruleFor(const Oid& instance, Oid* object = nullptr) const;
    // The type a column's values have: its default's, else that of any existing instance.
    std::optional<Type> columnType(const Oid& object) const;
    // The instances of the row `suffix` of the table entry `entry` (entry.column.suffix).
    std::vector<Oid> rowCells(const Oid& entry, const Oid& suffix) const;
    // True when some instance lies under the prefix.
    bool hasUnder(const Oid& prefix) const;
    // Removes every instance under the prefix (the rules stay).
    void eraseUnder(const Oid& prefix);

private:
    Map values_;
    std::map<Oid, ObjectRule> rules_;
};

} // namespace krssim
