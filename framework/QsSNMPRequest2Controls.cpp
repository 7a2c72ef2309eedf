#include "QsSNMPRequest2Controls.h"

#include "Application.h"
#include "Clock.h"
#include "Control.h"
#include "Dialogs.h"
#include "Memo.h"
#include "MessageTable.h"
#include "SnmpErrors.h"
#include "StatusBar.h"
#include "Strings.h"
#include "TextUtils.h"

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
    MessageBox(Owner ? Owner->Widget() : nullptr, QString::fromStdString(message), Application->Title, MB_OK);
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
    LastOperation = 0;
    ShowStatusOrBox(error->message);
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
