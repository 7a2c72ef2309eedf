// The run-time copy of a descriptor table that one request sends as one PDU, and the
// predicates that decide which variables a GET reads, a SET writes and a list view shows.
#pragma once

#include "QsOptionList.h"
#include "QsSNMPVar.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The kind of list.
enum QsItemType : std::uint8_t {
    SVT_SV = 0,  // scalars: ".0" appended, read with GET
    MVT_SV = 1,  // complete instance OIDs, read with GET
    MVT_FMV = 2, // table walked with GET-NEXT; leading PKeyCount variables are the index
    MVT_UMV = 3, // table, as MVT_FMV for the request
};

// Rows before the first row with a null Oid; 0 for a null table.
int VarTableLength(const QsSNMPVarDesc* table);

class QsSNMPVarList {
public:
    QsSNMPVarList() = default;
    QsSNMPVarList(const QsSNMPVarDesc* table, std::uint8_t itemType, int keyCount);
    QsSNMPVarList(const QsSNMPVarList& other);
    // Assign: deep copy; the target keeps its own instance suffix and owned option lists.
    QsSNMPVarList& operator=(const QsSNMPVarList& other);
    ~QsSNMPVarList() = default;

    void Assign(const QsSNMPVarList& other);
    void Clear() { vars_.clear(); }
    void Append(const QsSNMPVarDesc* table);
    // Empty formulas and reserved text are stored as absent.
    void AddVar(const std::string& oid, const std::string& name, std::uint32_t syntax, std::uint32_t access,
                const QsOptionList* optionList = nullptr, const std::string& getFormula = {},
                const std::string& setFormula = {}, const std::string& reserved = {});
    // Every OID becomes OID + "." + suffix, permanently; the instance suffix is not touched.
    void AppendSuffix(const std::string& suffix);

    // Variables are addressed by index: an assignment replaces every variable object, so a
    // pointer must not be kept across one. The caller keeps i within 0 to GetCount() - 1.
    QsSNMPVar* GetVar(int i);
    const QsSNMPVar* GetVar(int i) const;
    int GetCount() const { return static_cast<int>(vars_.size()); }

    bool IsTable() const { return ItemType == MVT_FMV || ItemType == MVT_UMV; }
    bool IsImplied(int i) const;
    bool IsReadable(int i) const;
    bool IsWritable(int i) const;
    bool IsColumn(int i) const;
    bool IsHiddenColumn(int i) const;
    int CountColumns() const;
    int CountHiddenColumns() const;

    std::string InstanceSuffix; // appended with "." to every OID before the instance part
    int PKeyCount = 0;
    std::uint8_t ItemType = SVT_SV;
    std::string Name; // shown in status lines
    std::vector<std::unique_ptr<QsOptionList>> OwnedOptionLists;

private:
    std::uint32_t AccessOf(int i) const { return GetVar(i)->Access; }

    std::vector<std::unique_ptr<QsSNMPVar>> vars_;
};

// The framework's name lists of the item types, syntax codes and access flags.
const QsOptionList& ItemTypeNames();
const QsOptionList& SyntaxNames();
const QsOptionList& AccessNames();
