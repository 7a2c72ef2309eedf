#include "QsSNMPRequest2Controls.h"

#include "Application.h"
#include "BlockingAction.h"
#include "Clock.h"
#include "Control.h"
#include "Dialogs.h"
#include "Memo.h"
#include "MessageTable.h"
#include "SnmpErrors.h"
#include "StatusBar.h"
#include "Strings.h"
#include "TextUtils.h"

#include <algorithm>
#include <vector>

namespace {

// Status outputs that show a failed read, with where the read began. Only the latest few can
// still be written to by reads begun before them.
struct FailureMark {
    const TObject* output;
    QsSNMPRequest2Controls::ReadOrigin origin;
};
constexpr std::size_t kFailureMarks = 64;

std::vector<FailureMark>& FailureMarks() {
    static std::vector<FailureMark> marks;
    return marks;
}

void ForgetFailure(const TObject* output) {
    std::erase_if(FailureMarks(), [output](const FailureMark& m) { return m.output == output; });
}

// A failure of the same action, or of a read begun after this one, outranks this one's success.
bool FailureStands(const TObject* output, QsSNMPRequest2Controls::ReadOrigin read) {
    const std::vector<FailureMark>& marks = FailureMarks();
    return std::any_of(marks.begin(), marks.end(), [&](const FailureMark& m) {
        return m.output == output &&
               ((read.action != 0 && m.origin.action == read.action) || m.origin.serial > read.serial);
    });
}

} // namespace

QsSNMPRequest2Controls::QsSNMPRequest2Controls(TWinControl* owner) : Owner(owner) {}

QsSNMPRequest2Controls::~QsSNMPRequest2Controls() {
    Busy = false;
    destroying = true;
}

void QsSNMPRequest2Controls::SetStatusPanel(TStatusPanel* panel) {
    StatusOutput = panel;
}

std::string QsSNMPRequest2Controls::GetRowFilter() {
    if (FilterSource && !RowFilter.empty()) {
        return FilterSource->ExpandReferences(RowFilter, true, "#");
    }
    return {};
}

bool QsSNMPRequest2Controls::Accepted(const std::string& filter) {
    return Request.CheckExpression(filter) && Request.CheckRowCondition();
}

void QsSNMPRequest2Controls::ShowBox(const std::string& message) {
    MessageBox(Owner ? Owner->Widget() : nullptr, QString::fromStdString(message),
               Application ? Application->Title : QString(), MB_OK);
}

void QsSNMPRequest2Controls::ShowStatusOrBox(const std::string& message) {
    StatusOutput ? ShowStatus(message) : ShowBox(message);
}

void QsSNMPRequest2Controls::ShowStatus(const std::string& message) {
    if (!StatusOutput) {
        return;
    }
    std::string line = SnmpMsgTable().Text(LastOperation);
    const std::size_t e = line.find(qs::kError);
    const std::size_t v = line.find(qs::kVarList);
    if (Request.List.Name.empty()) {
        // Everything after "[ERROR]" up to and including the character after "[VARLIST]".
        if (e != std::string::npos && v != std::string::npos && v >= e) {
            line.erase(e + qs::kError.size(), v - e + 3);
        }
    } else {
        line = ReplaceAll(line, qs::kVarList, Request.List.Name);
    }
    line = ReplaceAll(line, qs::kError, message);
    line = ReplaceAll(line, qs::kTime, qs::TimeOfDayText().toStdString());
    const QString text = QString::fromStdString(line);
    if (auto* memo = dynamic_cast<TMemo*>(StatusOutput)) {
        memo->Lines().Add(text);
    } else if (auto* bar = dynamic_cast<TStatusBar*>(StatusOutput)) {
        bar->SetSimpleText(text);
    } else if (auto* panel = dynamic_cast<TStatusPanel*>(StatusOutput)) {
        panel->SetText(text);
    }
}

void QsSNMPRequest2Controls::OnGetError(QsSNMPError* error) {
    ShowReadFailure(error->message, origin_);
}

void QsSNMPRequest2Controls::ShowReadFailure(const std::string& message, ReadOrigin origin,
                                             bool boxWithoutOutput) {
    LastOperation = 0;
    if (!StatusOutput) {
        if (boxWithoutOutput) {
            ShowBox(message);
        }
        return;
    }
    ShowStatus(message);
    ForgetFailure(StatusOutput);
    std::vector<FailureMark>& marks = FailureMarks();
    marks.push_back({StatusOutput, origin});
    if (marks.size() > kFailureMarks) {
        marks.erase(marks.begin());
    }
}

void QsSNMPRequest2Controls::ShowReadSuccess() {
    LastOperation = 0;
    if (StatusOutput && !FailureStands(StatusOutput, origin_)) {
        ForgetFailure(StatusOutput);
        ShowStatus(qs::FrameworkErrorText(qs::err::Ok));
    }
}

void QsSNMPRequest2Controls::OnSetResult(QsSNMPError* error) {
    ShowSetError(error);
}

// A failed write gets a box, and a status line that still told of an earlier success is
// emptied: it never reads "Ok!" after a refused write.
void QsSNMPRequest2Controls::ShowSetError(QsSNMPError* error) {
    LastOperation = 1;
    if (error->code != 0) {
        ShowBox(error->message);
        if (auto* bar = dynamic_cast<TStatusBar*>(StatusOutput)) {
            bar->SetSimpleText(QString());
        } else if (auto* panel = dynamic_cast<TStatusPanel*>(StatusOutput)) {
            panel->SetText(QString());
        }
    } else {
        ShowStatusOrBox(error->message);
    }
}
