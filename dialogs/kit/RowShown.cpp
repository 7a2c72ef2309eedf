#include "RowShown.h"

#include "ListView.h"

namespace qs {

void FollowRowShown(TListView* listView, std::function<void()> step) {
    TLVSelectItemEvent shown = listView->OnSelectItem;
    listView->OnSelectItem = [shown, step = std::move(step)](TObject* sender, TListItem* item,
                                                             bool selected) {
        if (shown) {
            shown(sender, item, selected);
        }
        step();
    };
}

} // namespace qs
