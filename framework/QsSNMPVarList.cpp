#include "QsSNMPVarList.h"

#include <cassert>

namespace {

std::optional<std::string> NonEmpty(const std::string& text) {
    return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

} // namespace

int VarTableLength(const QsSNMPVarDesc* table) {
    int n = 0;
    while (table != nullptr && table[n].Oid != nullptr) {
        ++n;
    }
    return n;
}

QsSNMPVarList::QsSNMPVarList(const QsSNMPVarDesc* table, std::uint8_t itemType, int keyCount)
    : PKeyCount(keyCount), ItemType(itemType) {
    Append(table);
}

QsSNMPVarList::QsSNMPVarList(const QsSNMPVarList& other) {
    Assign(other);
}

QsSNMPVarList& QsSNMPVarList::operator=(const QsSNMPVarList& other) {
    Assign(other);
    return *this;
}

void QsSNMPVarList::Assign(const QsSNMPVarList& other) {
    if (&other == this) {
        return;
    }
    vars_.clear();
    ItemType = other.ItemType;
    PKeyCount = other.PKeyCount;
    Name = other.Name;
    vars_.reserve(other.vars_.size());
    for (const auto& v : other.vars_) {
        vars_.push_back(std::make_unique<QsSNMPVar>(*v));
    }
}

void QsSNMPVarList::Append(const QsSNMPVarDesc* table) {
    const int n = VarTableLength(table);
    vars_.reserve(vars_.size() + static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        vars_.push_back(std::make_unique<QsSNMPVar>(table[i]));
    }
}

void QsSNMPVarList::AddVar(const std::string& oid, const std::string& name, std::uint32_t syntax,
                           std::uint32_t access, const QsOptionList* optionList,
                           const std::string& getFormula, const std::string& setFormula,
                           const std::string& reserved) {
    auto v = std::make_unique<QsSNMPVar>();
    v->Oid = oid;
    v->Name = name;
    v->Syntax = syntax;
    v->Access = access;
    v->OptionList = optionList;
    v->GetFormula = NonEmpty(getFormula);
    v->SetFormula = NonEmpty(setFormula);
    v->Reserved = NonEmpty(reserved);
    vars_.push_back(std::move(v));
}

void QsSNMPVarList::AppendSuffix(const std::string& suffix) {
    for (auto& v : vars_) {
        v->Oid += '.';
        v->Oid += suffix;
    }
}

QsSNMPVar* QsSNMPVarList::GetVar(int i) {
    assert(i >= 0 && i < GetCount());
    return vars_[static_cast<std::size_t>(i)].get();
}

const QsSNMPVar* QsSNMPVarList::GetVar(int i) const {
    assert(i >= 0 && i < GetCount());
    return vars_[static_cast<std::size_t>(i)].get();
}

bool QsSNMPVarList::IsImplied(int i) const {
    return (AccessOf(i) & ACC_IMPLIED) != 0;
}

bool QsSNMPVarList::IsReadable(int i) const {
    const auto a = AccessOf(i);
    return (a & ACC_INVALID) == 0 && (a & ACC_READONLY) != 0;
}

// Index columns of a table count as writable so that a new row's index can be typed in; the
// SET carries them in the instance part of the row's OIDs, never as variables.
bool QsSNMPVarList::IsWritable(int i) const {
    const auto a = AccessOf(i);
    if ((a & ACC_INVALID) != 0) {
        return false;
    }
    return (a & ACC_WRITEONLY) != 0 || (IsTable() && i < PKeyCount);
}

bool QsSNMPVarList::IsColumn(int i) const {
    const auto a = AccessOf(i);
    if ((a & (ACC_INVALID | ACC_HIDDEN)) != 0) {
        return false;
    }
    return (a & (ACC_NOTACCESS | ACC_READONLY | ACC_DERIVED)) != 0;
}

bool QsSNMPVarList::IsHiddenColumn(int i) const {
    const auto a = AccessOf(i);
    return a == ACC_WRITEONLY || (a & (ACC_INVALID | ACC_HIDDEN)) != 0;
}

int QsSNMPVarList::CountColumns() const {
    int n = 0;
    for (int i = 0; i < GetCount(); ++i) {
        n += IsColumn(i) ? 1 : 0;
    }
    return n;
}

int QsSNMPVarList::CountHiddenColumns() const {
    int n = 0;
    for (int i = 0; i < GetCount(); ++i) {
        n += IsHiddenColumn(i) ? 1 : 0;
    }
    return n;
}
