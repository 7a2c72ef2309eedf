// Table dialogs' row state: the buttons that work on a selected row are enabled while one is
// selected, those that add a row while none is; and the "Samples" count that follows the list's
// rows as a walk adds them.
#pragma once

#include <functional>
#include <vector>

class TControl;
class TListView;
class TStaticText;

namespace qs {

class RowButtons {
public:
    RowButtons(std::vector<TControl*> whenSelected, std::vector<TControl*> whenNone);
    // Enables one set and disables the other.
    void Show(bool rowSelected) const;

private:
    std::vector<TControl*> selected_;
    std::vector<TControl*> none_;
};

// Chains behind the list view's change handler: the count shows the number of rows.
void FollowRowCount(TListView* listView, TStaticText* count);
// Widens every shown column to its title and the rows in view, so no text is cut short.
void FitColumns(TListView* listView);
// Shows the number of rows now.
void ShowRowCount(const TListView* listView, TStaticText* count);

} // namespace qs
