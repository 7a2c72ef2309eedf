#pragma once
// The panels every generic page is built from: the button column (TCtrlBtnPanel), the status
// line (TMsgPanel), the frame that holds a content beside the column and above the status line
// (TSNMPPanel), the editor grid and page (TEditsPanel, TSNMPEditorPanel) and the list content
// and page (TListViewPanel, TSNMPListViewPanel).

#include "Button.h"
#include "Label.h"
#include "Panel.h"
#include "StaticText.h"
#include "StatusBar.h"

#include <vector>

// The command buttons of a page, stacked by Arrange. The buttons have no handlers of their
// own: the page that owns the column wires them.
class TCtrlBtnPanel : public TPanel {
public:
    explicit TCtrlBtnPanel(TComponent* owner);

    // Stacks the controls of ArrangeList from MarginTop, 5 pixels apart; hidden ones take no
    // room. The panel ends 10 pixels below the Close button.
    void Arrange();
    // The height the stacked controls need (Close's bottom + 10), whatever the alignment
    // has stretched the panel to.
    int ColumnHeight() const { return CloseBtn->Top() + CloseBtn->Height() + 10; }

    TStaticText* SamplesCount;
    TLabel* SamplesLabel;
    TBitBtn* RefreshBtn;
    TBitBtn* EditBtn;
    TBitBtn* SetCheckedBtn;
    TBitBtn* AddBtn;
    TBitBtn* DeleteBtn;
    TBitBtn* CheckAllBtn;
    TBitBtn* ClearChecksBtn;
    TBitBtn* StopBtn;
    TBitBtn* CloseBtn;
    std::vector<TControl*> ArrangeList;
    int MarginLeft = 10;
    int MarginTop = 10;

private:
    TBitBtn* NewButton(const char* name, const char* caption);
    void LoadGlyphs();
};

// The one-line status bar at the bottom of a page.
class TMsgPanel : public TPanel {
public:
    explicit TMsgPanel(TComponent* owner);
    TStatusBar* StatusBar;
};
