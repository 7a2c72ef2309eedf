#include "QsSNMPVar.h"

namespace {

std::string TextOrEmpty(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

std::optional<std::string> OptionalText(const char* text) {
    return text != nullptr ? std::optional<std::string>(text) : std::nullopt;
}

} // namespace

QsSNMPVar::QsSNMPVar(const QsSNMPVarDesc& row)
    : Oid(TextOrEmpty(row.Oid)), Name(TextOrEmpty(row.Name)), Syntax(row.Syntax), Access(row.Access),
      OptionList(row.OptionList), GetFormula(OptionalText(row.GetFormula)),
      SetFormula(OptionalText(row.SetFormula)), Reserved(OptionalText(row.Reserved)),
      Value(TextOrEmpty(row.Value)), CurrentOid(TextOrEmpty(row.CurrentOid)) {}
