#include "RowSelection.h"

#include "ListView.h"
#include "StaticText.h"

namespace qs {

RowButtons::RowButtons(std::vector<TControl*> whenSelected, std::vector<TControl*> whenNone)
    : selected_(std::move(whenSelected)), none_(std::move(whenNone)) {}

void RowButtons::Show(bool rowSelected) const {
    for (TControl* c : selected_) {
        c->SetEnabled(rowSelected);
    }
    for (TControl* c : none_) {
        c->SetEnabled(!rowSelected);
    }
}

void FitColumns(TListView* listView) {
    for (int i = 0; i < listView->ColumnCount(); ++i) {
        if (listView->ColumnWidth(i) > 0) {
            listView->resizeColumnToContents(i);
        }
    }
}

void ShowRowCount(const TListView* listView, TStaticText* count) {
    count->SetCaption(QString::number(listView->ItemCount()));
}

void FollowRowCount(TListView* listView, TStaticText* count) {
    TLVChangeEvent previous = listView->OnChange;
    listView->OnChange = [listView, count, previous](TObject* sender, TListItem* item, TItemChange change) {
        if (previous) {
            previous(sender, item, change);
        }
        ShowRowCount(listView, count);
    };
}

} // namespace qs
