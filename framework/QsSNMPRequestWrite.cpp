// Writes of QsSNMPRequest: blocking and asynchronous SET of a selection of the list.
#include "QsNumList.h"
#include "QsSNMPRequest.h"
#include "SnmpAdapter.h"
#include "SnmpErrors.h"

namespace {

// Puts the list back as it was when the write began, on every way out of it.
class ListRestore {
public:
    explicit ListRestore(QsSNMPVarList& list) : list_(list), copy_(list) {}
    ~ListRestore() { Restore(); }
    ListRestore(const ListRestore&) = delete;
    ListRestore& operator=(const ListRestore&) = delete;

    void Restore() {
        if (!restored_) {
            list_ = copy_;
            restored_ = true;
        }
    }

private:
    QsSNMPVarList& list_;
    QsSNMPVarList copy_;
    bool restored_ = false;
};

} // namespace

// Variables outside the selection are marked "invalid"; the selected ones are unmarked and take
// their text from values (by selection position) when values are given.
void QsSNMPRequest::MarkSelection(const std::string& selection, const std::vector<std::string>* values) {
    if (selection.empty()) {
        return;
    }
    QsNumList<int> selected;
    selected.Delimiter = ',';
    selected.Parse(selection);
    for (int i = 0; i < List.GetCount(); ++i) {
        QsSNMPVar& var = *List.GetVar(i);
        const int k = selected.IndexOf(i);
        if (k < 0) {
            var.Access |= ACC_INVALID;
            continue;
        }
        var.Access &= ~static_cast<std::uint32_t>(ACC_INVALID);
        if (values) {
            if (static_cast<std::size_t>(k) >= values->size()) {
                qs::RaiseFrameworkError(qs::err::IndexOutOfRange);
            }
            var.Value = (*values)[static_cast<std::size_t>(k)];
        }
    }
}

bool QsSNMPRequest::SetSync(bool& ok, QsSNMPError& error, bool readBack, const std::string& selection,
                            const std::vector<std::string>* values) {
    ok = true;
    if (!Active) {
        ok = false;
        return false;
    }
    ListRestore restore(List);
    MarkSelection(selection, values);
    for (int i = 0; i < List.GetCount(); ++i) {
        ApplyFormula(i, false);
    }
    const qs::SnmpTarget target = MakeTargets();
    const std::vector<qs::SnmpVarBind> asked = MakePdu(kWrite);
    const qs::SnmpReply reply = SendLatched(target, qs::PduKind::Set, asked);
    restore.Restore();
    const qs::MappedStatus mapped = MapSnmpStatus(reply.status);
    if (mapped.code != 0) {
        ok = false;
        ++ErrorCount;
        error.code = mapped.code;
        error.message = mapped.text;
        error.sequence = ErrorCount;
    }
    return readBack && FinishRow(DecodePass(reply.vbs, asked, false));
}

void QsSNMPRequest::SetAsync(bool& ok, QsSNMPCompletion completion, void* driver, bool decode,
                             const std::string& selection, const std::vector<std::string>* values) {
    ok = true;
    if (!Active) {
        ok = false;
        return;
    }
    ListRestore restore(List);
    MarkSelection(selection, values);
    for (int i = 0; i < List.GetCount(); ++i) {
        ApplyFormula(i, false);
    }
    const qs::SnmpTarget target = MakeTargets();
    const AsyncContext context{completion, driver, decode, false, MakePdu(kWrite), Device};
    restore.Restore();
    if (!SendAsyncWith(context, target, qs::PduKind::Set)) {
        ok = false;
    }
}
