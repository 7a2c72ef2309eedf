#include "MibStore.h"

namespace krssim {

const Value* MibStore::find(const Oid& oid) const {
    auto it = values_.find(oid);
    return it == values_.end() ? nullptr : &it->second;
}

const ObjectRule* MibStore::ruleFor(const Oid& instance, Oid* object) const {
    for (auto len = instance.size(); len > 0; --len) {
        Oid prefix(instance.begin(), instance.begin() + static_cast<std::ptrdiff_t>(len));
        auto it = rules_.find(prefix);
        if (it != rules_.end()) {
            if (object) {
                *object = prefix;
            }
            return &it->second;
        }
    }
    return nullptr;
}

std::optional<Type> MibStore::columnType(const Oid& object) const {
    auto rule = rules_.find(object);
    if (rule != rules_.end() && rule->second.defaultValue) {
        return rule->second.defaultValue->type;
    }
    if (rule != rules_.end() && rule->second.kind != ObjectRule::Kind::Plain) {
        return Type::Integer;
    }
    auto it = values_.upper_bound(object);
    if (it != values_.end() && startsWith(it->first, object)) {
        return it->second.type;
    }
    return std::nullopt;
}

std::vector<Oid> MibStore::rowCells(const Oid& entry, const Oid& suffix) const {
    std::vector<Oid> cells;
    Oid probe = entry;
    probe.push_back(0);
    auto it = values_.lower_bound(probe);
    while (it != values_.end() && startsWith(it->first, entry) && it->first.size() > entry.size()) {
        auto column = it->first[entry.size()];
        Oid cell = entry;
        cell.push_back(column);
        cell.insert(cell.end(), suffix.begin(), suffix.end());
        if (values_.count(cell)) {
            cells.push_back(cell);
        }
        if (column == UINT32_MAX) {
            break;
        }
        probe = entry;
        probe.push_back(column + 1);
        it = values_.lower_bound(probe);
    }
    return cells;
}

bool MibStore::hasUnder(const Oid& prefix) const {
    auto it = values_.lower_bound(prefix);
    return it != values_.end() && startsWith(it->first, prefix);
}

void MibStore::eraseUnder(const Oid& prefix) {
    auto it = values_.lower_bound(prefix);
    while (it != values_.end() && startsWith(it->first, prefix)) {
        it = values_.erase(it);
    }
}

} // namespace krssim
