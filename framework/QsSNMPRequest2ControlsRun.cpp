// The read and write drivers of QsSNMPRequest2Controls: blocking, asynchronous, stop.
#include "QsSNMPRequest2Controls.h"

#include "BlockingAction.h"
#include "QsException.h"
#include "SnmpErrors.h"
#include "Strings.h"

namespace {
const char* const kStopped = "Stop, SNMP Request is not active.";

std::uint64_t g_reads = 0; // reads begun since the program started

std::string OkText() {
    return qs::FrameworkErrorText(qs::err::Ok);
}

// The texts of a value list, or null without one.
const std::vector<std::string>* ValueTexts(TStrings* values, std::vector<std::string>& out) {
    if (!values) {
        return nullptr;
    }
    for (int i = 0; i < values->Count(); ++i) {
        out.push_back(values->Strings(i).toStdString());
    }
    return &out;
}
} // namespace

struct QsSNMPRequest2Controls::Depth {
    explicit Depth(QsSNMPRequest2Controls& d) : driver(d) { ++driver.depth; }
    ~Depth() { --driver.depth; }
    QsSNMPRequest2Controls& driver;
};

bool QsSNMPRequest2Controls::Refresh() {
    const Depth inside(*this);
    origin_ = {qs::BlockingAction::Current(), ++g_reads};
    LastOperation = 0;
    BeforeGet();
    RowCount = 0;
    bool ok = true;
    if (Mode != RM_BLOCKING && Mode != RM_ASYNC) {
        return true;
    }
    Busy = true;
    try {
        if (Mode == RM_BLOCKING) {
            ok = ReadBlocking();
        } else {
            ReadAsync(ok);
        }
    } catch (const QsException& e) {
        Busy = false;
        throw QsException(e.what(), e.helpContext);
    } catch (...) {
        Busy = false; // whatever it was, the driver is not left busy
        throw;
    }
    return ok;
}

bool QsSNMPRequest2Controls::ReadBlocking() {
    const std::string filter = GetRowFilter();
    const std::uint64_t errors = Request.GetErrorSequence();
    bool ok = true;
    if (!Request.List.IsTable()) {
        Request.GetSync(ok, true);
        if (ok && Accepted(filter)) {
            OnRow();
            ++RowCount;
        }
    } else {
        for (bool first = true;;) {
            if (!Request.GetSync(ok, first)) {
                break; // that last step carries no row
            }
            if (!ok) {
                break; // asking the same step again would give the same answer for ever
            }
            if (Accepted(filter)) {
                OnRow();
                ++RowCount;
            }
            first = false;
        }
    }
    AfterGet();
    Busy = false;
    if (ok) {
        ShowReadSuccess();
    } else if (!Request.ErrorHook && Request.GetErrorSequence() != errors) {
        // A failed read never leaves the line of an earlier success standing; the front panel's
        // link read, which has no status output, stays silent.
        ShowReadFailure(Request.LastError.message, origin_, false);
    }
    return ok;
}

void QsSNMPRequest2Controls::ReadAsync(bool& ok) {
    ok = true;
    if (!Request.Active) {
        Busy = false; // nothing sent; the result stays true
        return;
    }
    Request.GetAsync(ok, &GetCompletion, this, true);
    if (!ok) {
        NotSent(0);
    }
}

// A send the library refused ends the operation like a failed reply: the request's error goes
// to the owner's hook or the status output, so the user always learns why nothing came.
void QsSNMPRequest2Controls::NotSent(int operation) {
    Busy = false;
    LastOperation = operation;
    QsSNMPError error = Request.LastError;
    error.peer = Request.Device;
    error.done = true;
    if (operation == 0) {
        OnGetDone ? OnGetDone(this, &error) : OnGetError(&error);
    } else {
        OnSetDone ? OnSetDone(this, &error) : OnSetResult(&error);
    }
}

void QsSNMPRequest2Controls::GetCompletion(void* driver, QsSNMPError* error, QsSNMPVarList*) {
    auto* self = static_cast<QsSNMPRequest2Controls*>(driver);
    if (!self->destroying) {
        self->OnAsyncGetDone(error);
    }
}

void QsSNMPRequest2Controls::SetCompletion(void* driver, QsSNMPError* error, QsSNMPVarList*) {
    auto* self = static_cast<QsSNMPRequest2Controls*>(driver);
    if (!self->destroying) {
        self->OnAsyncSetDone(error);
    }
}

void QsSNMPRequest2Controls::OnAsyncGetDone(QsSNMPError* error) {
    const Depth inside(*this);
    if (error->code != 0) {
        Busy = false;
        LastOperation = 0;
        OnGetDone ? OnGetDone(this, error) : OnGetError(error);
        return;
    }
    try {
        const std::string filter = GetRowFilter();
        if (Request.List.IsTable() && error->done) {
            FinishRead(error);
            return;
        }
        if (Accepted(filter)) {
            OnRow();
            ++RowCount;
        }
        Request.List.IsTable() ? ContinueRead(error) : FinishRead(error);
    } catch (const std::exception& e) {
        Busy = false;
        LastOperation = 0;
        ShowStatusOrBox(e.what());
    }
}

void QsSNMPRequest2Controls::ContinueRead(QsSNMPError* error) {
    if (!Request.Active) {
        StopRead(error);
        return;
    }
    bool ok = false;
    Request.GetAsync(ok, &GetCompletion, this, false);
    if (!ok) {
        NotSent(0);
    }
}

void QsSNMPRequest2Controls::StopRead(QsSNMPError* error) {
    AfterGet();
    Busy = false;
    if (!StatusOutput) {
        return; // without a status output a stopped walk ends silently
    }
    LastOperation = 0;
    if (Request.ErrorHook) {
        QsSNMPError stop;
        stop.message = kStopped;
        stop.sequence = static_cast<std::uint64_t>(-1);
        Request.ErrorHook(&stop);
    } else {
        ShowStatus(kStopped);
    }
    if (OnGetDone) {
        OnGetDone(this, error);
    }
}

void QsSNMPRequest2Controls::FinishRead(QsSNMPError* error) {
    AfterGet();
    Busy = false;
    if (StatusOutput) {
        ShowReadSuccess();
        if (OnGetDone) {
            OnGetDone(this, error);
        }
    }
}

bool QsSNMPRequest2Controls::Apply(bool refreshAfterSet, bool collectValues, const std::string& selection,
                                   TStrings* values) {
    const Depth inside(*this);
    LastOperation = 1;
    RefreshAfterSet = refreshAfterSet;
    BeforeSet();
    if (collectValues) {
        CollectValues();
    }
    if (Mode != RM_BLOCKING && Mode != RM_ASYNC) {
        return true;
    }
    std::vector<std::string> texts;
    const std::vector<std::string>* valueTexts = ValueTexts(values, texts);
    bool ok = true;
    Busy = true;
    try {
        if (Mode == RM_BLOCKING) {
            ok = WriteBlocking(selection, valueTexts);
            if (ok && !StatusOutput) {
                return true; // no read-back in this case
            }
        } else {
            if (!Request.Active) {
                Busy = false; // nothing sent, ok stays true
                return ok;
            }
            Request.SetAsync(ok, &SetCompletion, this, false, selection, valueTexts);
            if (!ok) {
                NotSent(1);
            }
            return ok;
        }
    } catch (const QsException& e) {
        Busy = false;
        throw QsException(e.what(), e.helpContext);
    } catch (...) {
        Busy = false;
        throw;
    }
    if (Request.List.IsTable() && RefreshAfterSet) {
        Refresh();
    }
    return ok;
}

bool QsSNMPRequest2Controls::WriteBlocking(const std::string& selection,
                                           const std::vector<std::string>* values) {
    bool ok = true;
    QsSNMPError error;
    Request.SetSync(ok, error, false, selection, values);
    AfterSet();
    Busy = false;
    if (ok) {
        ShowStatus(OkText());
    } else {
        ShowSetError(&error);
    }
    return ok;
}

void QsSNMPRequest2Controls::OnAsyncSetDone(QsSNMPError* error) {
    const Depth inside(*this);
    try {
        if (error->code == 0) {
            AfterSet();
        }
        Busy = false;
        LastOperation = 1;
        OnSetDone ? OnSetDone(this, error) : OnSetResult(error);
        if (error->code == 0 && Request.List.IsTable() && RefreshAfterSet) {
            Refresh();
        }
    } catch (const std::exception& e) {
        Busy = false;
        ShowStatusOrBox(e.what());
    }
}
