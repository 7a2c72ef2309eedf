// The request-to-controls driver: runs one QsSNMPRequest for a window, a read (Refresh) or a
// write (Apply), blocking or through the event pump, hands every accepted row to OnRow and
// reports the outcome as a status line from the snmp.msg templates or in a message box.
#pragma once

#include "QsSNMPRequest.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TObject;
class TStatusPanel;
class TStrings;
class TWinControl;
class QsSNMPRequest2Controls;

enum QsRequestMode : std::uint8_t { RM_BLOCKING = 0, RM_ASYNC = 1 };

using QsSNMPDoneEvent = std::function<void(QsSNMPRequest2Controls* Sender, QsSNMPError* error)>;

namespace qs {
// What the driver knows of its own operation. A base, so it outlives the member request, whose
// destructor may still deliver replies.
struct DriverState {
    int depth = 0;
    bool destroying = false;
};
} // namespace qs

class QsSNMPRequest2Controls : private qs::DriverState {
public:
    explicit QsSNMPRequest2Controls(TWinControl* owner);
    // Replies that arrive while the request waits for them here reach nobody.
    virtual ~QsSNMPRequest2Controls();
    QsSNMPRequest2Controls(const QsSNMPRequest2Controls&) = delete;
    QsSNMPRequest2Controls& operator=(const QsSNMPRequest2Controls&) = delete;

    QsSNMPRequest Request;
    QsSNMPDoneEvent OnGetDone;
    QsSNMPDoneEvent OnSetDone;
    QsRequestMode Mode = RM_ASYNC;
    bool Busy = false;
    TWinControl* Owner;
    int RowCount = 0;
    TObject* StatusOutput = nullptr; // a TMemo, TStatusBar or TStatusPanel; null = boxes
    int LastOperation = 0;           // 0 read, 1 write: the snmp.msg template shown
    bool RefreshAfterSet = true;
    QsSNMPRequest* FilterSource = nullptr;
    std::string RowFilter;

    void SetStatusBar(TObject* output) { StatusOutput = output; }
    void SetStatusPanel(TStatusPanel* panel);
    bool Refresh();
    bool Apply(bool refreshAfterSet, bool collectValues, const std::string& selection, TStrings* values);
    void ShowStatus(const std::string& message);
    std::string GetRowFilter();
    void ShowSetError(QsSNMPError* error);
    // Where a read began: the user action (qs::BlockingAction::Current, 0: none) and its place
    // among all reads.
    struct ReadOrigin {
        std::uint64_t action = 0;
        std::uint64_t serial = 0;
    };
    // A failed read of the given origin: its message in the status line, or in a box without a
    // status output when boxWithoutOutput. Until a read begun later in another action shows its
    // outcome there, the success line of a read begun in the same action, or begun before the
    // failed one, leaves the failure standing: a window one of whose reads failed never reads
    // "Ok!" for the others.
    void ShowReadFailure(const std::string& message, ReadOrigin origin, bool boxWithoutOutput = true);
    // The origin of the last Refresh.
    ReadOrigin Origin() const { return origin_; }
    void OnAsyncGetDone(QsSNMPError* error);
    void OnAsyncSetDone(QsSNMPError* error);

    // True while Refresh, Apply or a completion of this driver runs. A window that is asked to
    // close meanwhile clears the request's active flag and closes once it is false again: the
    // operation below the close must unwind before the request may be freed.
    bool InOperation() const { return depth > 0; }

protected:
    virtual void BeforeGet() {}
    virtual void BeforeSet() {}
    virtual void OnRow() {}
    virtual void CollectValues() {}
    virtual void OnGetError(QsSNMPError* error);
    virtual void OnSetResult(QsSNMPError* error);
    virtual void AfterGet() {}
    virtual void AfterSet() {}

    // A message box with the application's title, parented by the owner window.
    void ShowBox(const std::string& message);
    // The status line, or a message box without a status output.
    void ShowStatusOrBox(const std::string& message);

private:
    struct Depth;
    void ShowReadSuccess();
    bool Accepted(const std::string& filter);
    bool ReadBlocking();
    void ReadAsync(bool& ok);
    void FinishRead(QsSNMPError* error);
    void StopRead(QsSNMPError* error);
    void ContinueRead(QsSNMPError* error);
    void NotSent(int operation);
    bool WriteBlocking(const std::string& selection, const std::vector<std::string>* values);
    static void GetCompletion(void* driver, QsSNMPError* error, QsSNMPVarList* list);
    static void SetCompletion(void* driver, QsSNMPError* error, QsSNMPVarList* list);

    ReadOrigin origin_;
};
