#include "EthernetMaskForm.h"

#include "AccessMarks.h"
#include "ComboBox.h"
#include "Edit.h"
#include "QsSNMPRequest2Edits.h"

namespace qs {

const QsOption MacMaskStateOptions[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {}};

EthernetMaskForm::EthernetMaskForm(TComponent* owner, const RuleEditorLayout& layout, RuleFieldTable fields,
                                   const RuleEditorRules& rules, int initialRowStatus)
    : RuleEditorForm(owner, layout, fields, rules), initialRowStatus_(initialRowStatus) {}

void EthernetMaskForm::InitialSelections() {
    for (int c : {kUseVlan, kMacState, kUse8021p, kUseEtherType}) {
        ComboOf(c)->SetItemIndex(0);
    }
    ComboOf(Rules().rowStatus)->SetItemIndex(initialRowStatus_);
}

bool EthernetMaskForm::MacValid(int column) {
    return Empty(column) || MacOrRefuse(column, "Invalid MAC Address");
}

bool EthernetMaskForm::ValidateEditors() {
    if (Empty(kProfile)) {
        return Refuse(QStringLiteral("Mask ID must be set"), EditOf(kProfile));
    }
    if (Request->Busy) {
        return Refuse(QString::fromLatin1(Rules().busyMessage));
    }
    const QString state = TextOf(kMacState);
    if (state == QLatin1String("dst-mac-addr")) {
        return MacValid(kMacDestination);
    }
    if (state == QLatin1String("src-mac-addr")) {
        return MacValid(kMacSource);
    }
    if (state == QLatin1String("dst-src-mac-addr")) {
        return MacValid(kMacDestination) && MacValid(kMacSource);
    }
    return true;
}

void EthernetMaskForm::ExcludeColumns(AccessMarks& marks, Write) {
    // Empty editors are already left out; the state decides which MAC masks belong to the row.
    const QString state = TextOf(kMacState);
    if (state.isEmpty() || state == QLatin1String("other")) {
        marks.Exclude({kMacState, kMacSource, kMacDestination});
    } else if (state == QLatin1String("dst-mac-addr")) {
        marks.Exclude({kMacSource});
    } else if (state == QLatin1String("src-mac-addr")) {
        marks.Exclude({kMacDestination});
    }
}

} // namespace qs
