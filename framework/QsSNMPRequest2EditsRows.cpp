// The read and write steps of the request-to-edits driver, and the list-view rows: columns in a
// fixed order (hidden columns first), one item per row, the selected row back into the values.
#include "Application.h"
#include "PortListTexts.h"
#include "QsByteForms.h"
#include "QsSNMPRequest2Edits.h"

namespace {

// A blocking walk handles window messages between its rows, at most kPumpInterval ms apart, so
// the window takes input and repaints while it runs.
constexpr qint64 kPumpInterval = 25; // ms

} // namespace

void QsSNMPRequest2Edits::BeforeGet() {
    if (ListView) {
        EnsureColumns();
        ListView->ClearItems();
    }
    pumpClock_.invalidate(); // the first row of a read is always followed by message processing
    if (BeforeGetHook) {
        BeforeGetHook();
    }
}

void QsSNMPRequest2Edits::BeforeSet() {
    if (BeforeSetHook) {
        BeforeSetHook();
    }
}

void QsSNMPRequest2Edits::OnRow() {
    if (ListView) {
        AddRow();
        PumpMessages();
    } else {
        ShowValues(-1);
    }
}

// An asynchronous walk returns to the event loop after every row: it processes nothing here, so
// drawing never holds back its next request.
void QsSNMPRequest2Edits::PumpMessages() {
    if (Mode != RM_BLOCKING || (pumpClock_.isValid() && pumpClock_.elapsed() < kPumpInterval)) {
        return;
    }
    Application->ProcessMessages(); // user input is handled between the rows of a walk
    pumpClock_.start();
}

void QsSNMPRequest2Edits::CollectValues() {
    for (int i = 0; i < Request.List.GetCount(); ++i) {
        Request.List.GetVar(i)->Value.clear();
    }
    if (ListView) {
        RowToValues();
    }
    ReadControls(-1);
}

void QsSNMPRequest2Edits::AfterGet() {
    if (ListView) {
        ListView->FlushItems(); // the walk's last rows are shown with its end
    }
    if (ListView && EnableOnSelect && Request.List.ItemType == MVT_FMV) {
        EnableBoundControls(false);
    }
    if (AfterGetHook) {
        AfterGetHook();
    }
}

void QsSNMPRequest2Edits::AfterSet() {
    if (AfterSetHook) {
        AfterSetHook();
    }
}

void QsSNMPRequest2Edits::OnSelectItem(TObject* Sender, TListItem* Item, bool Selected) {
    if (SavedOnSelectItem) {
        SavedOnSelectItem(Sender, Item, Selected);
    }
    if (!Selected) {
        return;
    }
    if (EnableOnSelect) {
        EnableBoundControls(true);
    }
    if (ListView) {
        RowToValues();
    }
    ShowValues(-1);
}

std::vector<int> QsSNMPRequest2Edits::ColumnOrder() const {
    std::vector<int> order;
    const QsSNMPVarList& list = Request.List;
    for (int i = 0; i < list.GetCount(); ++i) {
        if (list.IsHiddenColumn(i)) {
            order.push_back(i);
        }
    }
    for (int i = 0; i < list.GetCount(); ++i) {
        if (list.IsColumn(i)) {
            order.push_back(i);
        }
    }
    return order;
}

// The column-to-variable map is recorded here and used by AddRow and RowToValues, so marks set
// later (before a write) cannot shift a row's texts into other variables.
void QsSNMPRequest2Edits::EnsureColumns() {
    if (!ListView) {
        return;
    }
    const std::vector<int> order = ColumnOrder();
    if (ListView->ColumnCount() >= static_cast<int>(order.size())) {
        if (columnVars_.empty()) {
            columnVars_ = order;
        }
        return;
    }
    ListView->ClearColumns();
    for (const int v : order) {
        ListView->AddColumn(QString::fromStdString(Request.List.GetVar(v)->Name),
                            Request.List.IsHiddenColumn(v) ? 0 : -2);
    }
    columnVars_ = order;
}

void QsSNMPRequest2Edits::AddRow() {
    if (!ListView) {
        return;
    }
    // The row goes in complete: a handler of the list view's change event may close the page.
    QStringList texts;
    for (const int v : columnVars_) {
        const QsSNMPVar& var = *Request.List.GetVar(v);
        const bool portList = var.Syntax == SYN_BITLIST && !qs::IsValueMarker(var.Value);
        texts << QString::fromStdString(portList ? BitListToPortText(var.Value, true) : var.Value);
    }
    ListView->AddItem(texts);
}

void QsSNMPRequest2Edits::RowToValues() {
    TListItem* item = ListView ? ListView->Selected() : nullptr;
    if (!item) {
        return;
    }
    for (std::size_t c = 0; c < columnVars_.size(); ++c) {
        const int sub = static_cast<int>(c) - 1;
        if (sub >= item->SubItemCount()) {
            break;
        }
        QsSNMPVar& var = *Request.List.GetVar(columnVars_[c]);
        const std::string text = (c == 0 ? item->Caption() : item->SubItem(sub)).toStdString();
        var.Value = var.Syntax == SYN_BITLIST ? TextInBrackets(text) : text;
    }
}
