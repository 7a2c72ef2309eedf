// SET: every varbind is checked against the store and the rules before anything changes, so a
// SET either applies completely or not at all.
#include "Responder.h"

#include <algorithm>

namespace krssim {
namespace {

enum RowStatus {
    Active = 1,
    NotInService = 2,
    NotReady = 3,
    CreateAndGo = 4,
    CreateAndWait = 5,
    Destroy = 6
};

struct Item {
    const VarBind* vb = nullptr;
    const ObjectRule* rule = nullptr;
    Oid object; // column or scalar OID
    Oid entry;  // the table entry (object without its last sub-identifier)
    Oid suffix; // the instance part after the object
    bool exists = false;
};

class SetPlan {
public:
    SetPlan(const MibStore& store, const std::vector<VarBind>& varbinds) : store_(store) {
        for (const auto& vb : varbinds) {
            Item item;
            item.vb = &vb;
            item.rule = store.ruleFor(vb.oid, &item.object);
            item.exists = store.find(vb.oid) != nullptr;
            if (item.rule) {
                item.entry.assign(item.object.begin(), item.object.end() - 1);
                item.suffix.assign(vb.oid.begin() + static_cast<std::ptrdiff_t>(item.object.size()),
                                   vb.oid.end());
            }
            items_.push_back(std::move(item));
        }
    }

    // The first error status and its 1-based index, or NoError.
    int check(int& index) const {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            int status = checkItem(items_[i]);
            if (status != NoError) {
                index = static_cast<int>(i) + 1;
                return status;
            }
        }
        return NoError;
    }

    void apply(MibStore& store) const;

private:
    int checkItem(const Item& item) const;
    int checkValue(const Item& item) const;
    int checkRowStatus(const Item& item) const;
    const Oid* statusColumn(const Oid& entry) const;
    bool rowExists(const Item& item) const;
    bool createdHere(const Item& item) const;
    bool creates(const Item& item) const;
    bool removes(const Item& item) const;

    const MibStore& store_;
    std::vector<Item> items_;
};

const Oid* SetPlan::statusColumn(const Oid& entry) const {
    for (auto it = store_.rules().lower_bound(entry); it != store_.rules().end(); ++it) {
        if (!startsWith(it->first, entry)) {
            break;
        }
        if (it->first.size() == entry.size() + 1 && it->second.kind != ObjectRule::Kind::Plain) {
            return &it->first;
        }
    }
    return nullptr;
}

bool SetPlan::rowExists(const Item& item) const {
    const Oid* status = statusColumn(item.entry);
    if (!status) {
        return item.exists;
    }
    Oid cell = *status;
    cell.insert(cell.end(), item.suffix.begin(), item.suffix.end());
    return store_.find(cell) != nullptr;
}

bool SetPlan::creates(const Item& item) const {
    if (!item.rule || item.vb->value.type != Type::Integer) {
        return false;
    }
    auto v = item.vb->value.integer();
    if (item.rule->kind == ObjectRule::Kind::RowStatus) {
        return v == CreateAndGo || v == CreateAndWait;
    }
    return item.rule->kind == ObjectRule::Kind::Status && v != *item.rule->removeValue && !rowExists(item);
}

bool SetPlan::removes(const Item& item) const {
    if (!item.rule || item.vb->value.type != Type::Integer) {
        return false;
    }
    auto v = item.vb->value.integer();
    return (item.rule->kind == ObjectRule::Kind::RowStatus && v == Destroy) ||
           (item.rule->kind == ObjectRule::Kind::Status && v == *item.rule->removeValue);
}

bool SetPlan::createdHere(const Item& item) const {
    return std::any_of(items_.begin(), items_.end(), [&](const Item& other) {
        return other.rule && other.entry == item.entry && other.suffix == item.suffix && creates(other);
    });
}

int SetPlan::checkValue(const Item& item) const {
    const Value& v = item.vb->value;
    const ObjectRule& rule = *item.rule;
    auto expected = store_.columnType(item.object);
    if ((expected && v.type != *expected) || v.type == Type::Null || v.type >= Type::NoSuchObject) {
        return WrongType;
    }
    if (v.type == Type::OctetString && rule.size &&
        (static_cast<std::int64_t>(v.bytes.size()) < rule.size->first ||
         static_cast<std::int64_t>(v.bytes.size()) > rule.size->second)) {
        return WrongLength;
    }
    bool numeric = v.type != Type::OctetString && v.type != Type::ObjectId && v.type != Type::IpAddress;
    std::int64_t n = v.type == Type::Integer ? v.integer() : static_cast<std::int64_t>(v.number);
    if (numeric && rule.range && (n < rule.range->first || n > rule.range->second)) {
        return WrongValue;
    }
    if (numeric && !rule.allowed.empty() &&
        std::find(rule.allowed.begin(), rule.allowed.end(), n) == rule.allowed.end()) {
        return WrongValue;
    }
    return NoError;
}

int SetPlan::checkRowStatus(const Item& item) const {
    auto v = item.vb->value.integer();
    if (v < Active || v > Destroy || v == NotReady) {
        return WrongValue;
    }
    bool exists = rowExists(item);
    if ((v == CreateAndGo || v == CreateAndWait) && exists) {
        return InconsistentValue;
    }
    if ((v == Active || v == NotInService) && !exists) {
        return InconsistentValue;
    }
    return NoError;
}

int SetPlan::checkItem(const Item& item) const {
    if (!item.rule || !item.rule->writable) {
        return item.exists ? NotWritable : NoCreation;
    }
    if (item.suffix.empty()) {
        return NoCreation;
    }
    if (int status = checkValue(item); status != NoError) {
        return status;
    }
    if (item.rule->kind == ObjectRule::Kind::RowStatus) {
        return checkRowStatus(item);
    }
    if (item.rule->kind == ObjectRule::Kind::Status) {
        return NoError;
    }
    if (item.exists || createdHere(item) || (statusColumn(item.entry) && rowExists(item))) {
        return NoError;
    }
    return NoCreation;
}

void SetPlan::apply(MibStore& store) const {
    for (const auto& item : items_) {
        if (!creates(item)) {
            continue;
        }
        for (auto it = store.rules().lower_bound(item.entry);
             it != store.rules().end() && startsWith(it->first, item.entry); ++it) {
            Oid cell = it->first;
            cell.insert(cell.end(), item.suffix.begin(), item.suffix.end());
            if (it->first.size() == item.entry.size() + 1 && it->second.defaultValue && !store.find(cell)) {
                store.set(cell, *it->second.defaultValue);
            }
        }
    }
    for (const auto& item : items_) {
        Value value = item.vb->value;
        if (item.rule && item.rule->kind == ObjectRule::Kind::RowStatus && value.integer() >= CreateAndGo) {
            value = Value::ofInteger(value.integer() == CreateAndGo ? Active : NotInService);
        }
        if (!removes(item)) {
            store.set(item.vb->oid, value);
        }
    }
    for (const auto& item : items_) {
        if (removes(item)) {
            for (const auto& cell : store.rowCells(item.entry, item.suffix)) {
                store.erase(cell);
            }
        }
    }
}

} // namespace

Response Responder::set(const Request& request) {
    Response response{NoError, 0, request.varbinds};
    if (!request.mayWrite) {
        response.errorStatus = NoAccess;
        response.errorIndex = 1;
        return response;
    }
    for (std::size_t i = 0; i < request.varbinds.size(); ++i) {
        for (const auto& fault : setFaults_) {
            if (startsWith(request.varbinds[i].oid, fault.oid)) {
                response.errorStatus = fault.status;
                response.errorIndex = static_cast<int>(i) + 1;
                return response;
            }
        }
    }
    SetPlan plan(store_, request.varbinds);
    response.errorStatus = plan.check(response.errorIndex);
    if (response.errorStatus == NoError) {
        plan.apply(store_);
    }
    return response;
}

} // namespace krssim
