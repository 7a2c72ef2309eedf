// One SNMP operation context: a copy of the default target, a variable list, time-out and
// retries, and the reads (GET, GET-NEXT table walks, one row per step) and writes (SET), each
// blocking or asynchronous, that turn the list into PDUs and replies back into value texts.
#pragma once

#include "QsSNMPError.h"
#include "QsSNMPTarget.h"
#include "QsSNMPVarList.h"
#include "SnmpAdapter.h"
#include "SnmpErrors.h"
#include "SnmpValue.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

using QsSNMPErrorHook = void (*)(QsSNMPError* error);
// The completion of an asynchronous operation: the driver handed through, the reply's record
// (its done flag says whether a further GET-NEXT is due) and the request's list.
using QsSNMPCompletion = void (*)(void* driver, QsSNMPError* error, QsSNMPVarList* list);

class QsSNMPRequest {
public:
    QsSNMPRequest();
    // Clears Active and waits, processing non-input events, until no asynchronous request is
    // outstanding, for at most 6000 ms; replies arriving later find nobody and are dropped.
    virtual ~QsSNMPRequest();
    QsSNMPRequest(const QsSNMPRequest&) = delete;
    QsSNMPRequest& operator=(const QsSNMPRequest&) = delete;

    // Copies the default device, scope, security and time-out again.
    void LoadDefaults();

    // One blocking GET or GET-NEXT step; true when a table row was read and the walk goes on.
    // Not sent inside a user action whose earlier blocking request with the same credentials timed
    // out (qs::BlockingAction): it fails with that time-out, reported as any failure is.
    bool GetSync(bool& ok, bool first);
    void GetAsync(bool& ok, QsSNMPCompletion completion, void* driver, bool first);
    // selection: variable indices joined by commas; values: the texts to send, by selection
    // position, or null to send the current value texts. The list's marks and values are
    // restored afterwards, also when an exception leaves the operation.
    bool SetSync(bool& ok, QsSNMPError& error, bool readBack, const std::string& selection,
                 const std::vector<std::string>* values);
    void SetAsync(bool& ok, QsSNMPCompletion completion, void* driver, bool decode,
                  const std::string& selection, const std::vector<std::string>* values);

    bool CheckRowCondition() { return CheckCondition(RowCondition); }
    bool CheckExpression(const std::string& text) { return CheckCondition(text); }
    std::uint64_t GetErrorSequence() const { return ErrorCount; }

    // Gives the index columns their values from a row's instance suffix; -514 when it is short.
    void SetRowIndex(const std::string& rowSuffix);
    // The instance suffix of the row whose index values the key columns hold.
    std::string GetRowIndex();

    // Internal steps of the four operations; raise -509, -510 and -515.
    qs::SnmpTarget MakeTargets() const;
    static constexpr int kFirstRead = 0;
    static constexpr int kNextRead = 1;
    static constexpr int kWrite = 2;
    std::vector<qs::SnmpVarBind> MakePdu(int kind);

    // Variable i's OID with the list's instance suffix.
    std::string ColumnOid(int i) const;

    virtual std::string ExpandReferences(const std::string& expression, bool quoteTexts,
                                         const std::string& marker);
    virtual std::string DecodeIndexPart(int k, const std::string& suffix);
    virtual std::string EncodeIndexPart(int k);
    virtual void StoreVb(int i, const qs::SnmpVarBind& vb);
    virtual void FillVb(int i, qs::SnmpVarBind& vb);
    virtual void ApplyFormula(int i, bool afterGet);
    virtual bool CheckCondition(const std::string& expression);
    virtual bool IsEndOfColumn(const std::string& columnOid, const std::string& previousOid,
                               const std::string& receivedOid);

    QsSNMPErrorHook ErrorHook = nullptr;
    bool UseGetNext = false; // an MVT_SV list is read with GET-NEXT
    int Timeout = 0;         // hundredths of a second
    int Retries = 1;
    QsSNMPDevice Device;
    QsSNMPScope Scope;
    QsSNMPSecurity Security;
    QsSNMPVarList List;
    std::string RowCondition;
    bool Active = true;
    int Pending = 0;
    std::uint64_t ErrorCount = 0;
    QsSNMPError LastError; // the last error counted: what a send that was refused reports

private:
    struct DecodeResult {
        bool walkOver = false; // an SNMPv1 agent echoed the names: the end of its view
        int ended = 0;         // columns that ended in this step
        int count = 0;         // readable variables seen
        std::string rowSuffix;
    };
    // What a callback record carries besides the request itself.
    struct AsyncContext {
        QsSNMPCompletion completion = nullptr;
        void* driver = nullptr;
        bool decode = false;
        bool read = false; // a GET or GET-NEXT, not a SET
        std::vector<qs::SnmpVarBind> asked;
        QsSNMPDevice peer;
        qs::PduKind kind = qs::PduKind::Get;
    };

    DecodeResult DecodePass(const std::vector<qs::SnmpVarBind>& reply,
                            const std::vector<qs::SnmpVarBind>& asked, bool v1EndRules);
    bool FinishRow(const DecodeResult& pass);
    std::string EndedColumnOid(const std::string& column);
    void ReportError(int code, const std::string& text);
    void MarkSelection(const std::string& selection, const std::vector<std::string>* values);
    bool SendAsyncWith(const AsyncContext& context, const qs::SnmpTarget& target, qs::PduKind kind);
    void OnAsyncResponse(const AsyncContext& context, int reason, const qs::SnmpReply& reply);
    void DecodeAsyncReply(QsSNMPError& record, const AsyncContext& context, const qs::SnmpReply& reply);
    qs::PduKind ReadKind() const;
    static qs::MappedStatus ReplyStatus(qs::PduKind kind, const std::vector<qs::SnmpVarBind>& asked,
                                        const qs::SnmpReply& reply);
    bool CheckItemType(bool& ok);
    // One blocking exchange, unless the user action running here already saw a blocking request
    // with the same credentials time out (qs::BlockingAction): then nothing is sent and the reply
    // is that time-out again, so the request fails and reports as the first one did.
    static qs::SnmpReply SendLatched(const qs::SnmpTarget& target, qs::PduKind kind,
                                     const std::vector<qs::SnmpVarBind>& asked);
    std::string ReferenceText(int d, bool quoteTexts);

    std::shared_ptr<int> alive_; // callback records of this request check it before running
};
