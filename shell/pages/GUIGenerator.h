#pragma once
// The panels every generic page is built from: the button column (TCtrlBtnPanel), the status
// line (TMsgPanel), the frame that holds a content beside the column and above the status line
// (TSNMPPanel), the editor grid and page (TEditsPanel, TSNMPEditorPanel) and the list content
// and page (TListViewPanel, TSNMPListViewPanel).

#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Form.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "ScrollBox.h"
#include "Splitter.h"
#include "StaticText.h"
#include "StatusBar.h"

#include <functional>
#include <memory>
#include <vector>

class QsSNMPRequest2Edits;

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

// The frame of a page: a content beside the button column and above the status line. It binds
// the page's request to the status line and sizes the form it is attached to.
class TSNMPPanel : public TPanel {
public:
    // sharedMsgPanel: null for a page; the page's own status line for its Add and Edit sub-forms.
    TSNMPPanel(TComponent* owner, TMsgPanel* sharedMsgPanel, QsSNMPRequest2Edits* request);

    void SetContent(TControl* content);
    void AttachToForm(TForm* form);

    void RefreshClick(TObject* Sender);
    void CloseClick(TObject* Sender);
    void StopClick(TObject* Sender);

    QsSNMPRequest2Edits* Request; // not owned; cleared by the host once it has freed it
    TCtrlBtnPanel* BtnPanel;
    TPanel* ClientPanel;
    TMsgPanel* MsgPanel = nullptr;
    TForm* HostForm = nullptr;
    TControl* Content = nullptr;
    TSplitter* Splitter;
    TStatusBar* StatusBar; // the status line in use, own or shared

protected:
    // Shows an exception from a read or a write in the status line.
    void ShowError(const std::exception& e);
};

// A port-list field of the editor grid: check boxes per row and the number of ports.
struct TPortListSetting {
    int Columns;
    int Count;
};

// One item of the editor grid.
struct UISnmpVar {
    int Kind = 0; // 1 read-only edit, 2 writable edit, 3 writable combo, 4 read-only option text
    QString Format;
    TWinControl* Control = nullptr; // TEdit (kinds 1, 2, 4) or TComboBox (kind 3)
    TCheckBox* CheckBox = nullptr;
    TLabel* Label = nullptr;
    std::unique_ptr<TPortListSetting> PortList;
};

constexpr int kHiddenItemTag = 6666;   // a select box hidden by HideItem
constexpr int kNeverEmptyTag = 99;     // a value control that is never reported empty
constexpr int kActiveAllowedTag = 100; // a value control exempt from the "active" rule

// The editor grid: one row per variable (select box, caption, value control) on a scroll box.
class TEditsPanel : public TPanel {
public:
    TEditsPanel(TComponent* owner, QsSNMPRequest2Edits* request);

    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);
    void LayoutItems(bool resize);

    void HideItem(int i);
    void ShowItem(int i);
    void UncheckItem(int i);
    void ClearItem(int i);
    void EnableItem(int i);
    void DisableItem(int i);
    void MakeItemReadOnly(int i);
    void MakeItemWritable(int i);
    int ClearAllItems();
    void ApplyAccess(bool tick);
    void SetDisabledColors(TColor fontColour, TColor backColour);

    bool IsReadOnlyItem(int i) const;
    bool IsKeyItem(int i) const;
    bool IsItemEmpty(int i) const;
    bool AllItemsReadOnly() const;
    int CountTickable() const;
    int CountTicked() const;
    int ItemCount() const { return static_cast<int>(Items.size()); }

    void SelectBoxClick(TObject* Sender);
    void ComboChange(TObject* Sender);
    void ApplyTagRule(TComboBox* combo);

    void SetPortListItem(int index, int columns, int count);
    void PickPortList(TObject* Sender);

    // The frame that shows the grid now (a page, or an Add or Edit sub-form), or null.
    TSNMPPanel* Frame() const;

    QsSNMPRequest2Edits* Request;
    std::vector<UISnmpVar> Items;
    TScrollBox* ScrollBox;
    int ValueWidth = 121;
    TColor DisabledFontColor = clBlack;
    TColor DisabledColor = clBtnFace;
    bool DefaultTick = false;

private:
    void BuildItems();
    void BuildItem(int i);
    void SetValueColours(int i, TColor font, TColor back);
};

// An editor page: a frame whose content is the editor grid.
class TSNMPEditorPanel : public TSNMPPanel {
public:
    TSNMPEditorPanel(TComponent* owner, QsSNMPRequest2Edits* request);

    void SetVarFormat(int index, const char* format);
    void SetVarFormatChecked(int index, const char* format, bool (*validator)(TControl*));
    void SetLabelWidth(int width);

    void Apply(TObject* Sender);
    void CheckAll(TObject* Sender);
    void ClearChecks(TObject* Sender);

    TEditsPanel* EditsPanel;
    bool ShowWaitAfterSet = false;
    int WaitTime = 1;

private:
    bool MarkUnticked(std::vector<int>& marked);
    bool SendTicked();
};

// The list content of a table page.
class TListViewPanel : public TPanel {
public:
    TListViewPanel(TComponent* owner, QsSNMPRequest2Edits* request);
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);

    TListView* ListView;
    int DeleteStatusVar = -1;
    int AddStatusVar = -1;
    QString AddStatusValue;
    QString DeleteStatusValue;
};

// A list page hook: called with its context and the button (or list) that caused it.
using TPageHook = std::function<void(void* context, TObject* Sender)>;
struct TPageHookSlot {
    TPageHook Code;
    void* Context = nullptr;
};

// A table page: the list, and the editor grid lent to the Add and Edit sub-forms.
class TSNMPListViewPanel : public TSNMPEditorPanel {
public:
    TSNMPListViewPanel(TComponent* owner, QsSNMPRequest2Edits* request);

    void SetAddStatus(int addStatusVar, const char* addStatusValue);
    void SetDeleteStatus(int deleteStatusVar, const char* deleteStatusValue);

    void ListRefresh(TObject* Sender);
    void EditClick(TObject* Sender);
    void AddClick(TObject* Sender);
    void DeleteClick(TObject* Sender);
    void ShowAddDialog();
    void ShowEditDialog();

    void ListClick(TObject* Sender);
    void ListDblClick(TObject* Sender);
    void ListChange(TObject* Sender);
    void ListMouseMove(int x, int y);

    TListViewPanel* ListPanel;
    TPageHookSlot OnBeforeAdd;
    TPageHookSlot OnAfterAdd;
    TPageHookSlot OnBeforeEdit;
    TPageHookSlot OnAfterEdit;

private:
    void UpdateCount();
    void WaitWhileBusy(int maxMs);
    QString SubFormCaption(const QString& suffix) const;
    void RunSubForm(const QString& suffix, bool edit);
    void ShowSubForm(const QString& suffix, bool edit);
    void PrepareAddItems(TSNMPPanel* frame);
    void PrepareEditItems(TSNMPPanel* frame);
    void DeleteRow();
};
