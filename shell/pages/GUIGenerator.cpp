#include "GUIGenerator.h"

#include "PageLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

TCtrlBtnPanel::TCtrlBtnPanel(TComponent* owner) : TPanel(owner) {
    SetName(QStringLiteral("BtnPanel"));
    SetBevelOuter(bvNone);
    SamplesCount = new TStaticText(this, this);
    SamplesCount->SetName(QStringLiteral("SamplesCount"));
    SamplesCount->SetCaption(QStringLiteral("0"));
    SamplesCount->SetBounds(0, 0, qs::kColumnControlWidth * 8 / 10, 17);
    SamplesLabel = new TLabel(this, this);
    SamplesLabel->SetName(QStringLiteral("SamplesLabel"));
    SamplesLabel->SetAutoSize(false);
    SamplesLabel->SetCaption(QStringLiteral("Samples"));
    SamplesLabel->setAlignment(Qt::AlignCenter);
    SamplesLabel->SetBounds(0, 0, qs::kColumnControlWidth, 13);
    CheckAllBtn = NewButton("CheckAllBtn", "Check All");
    ClearChecksBtn = NewButton("ClearChecksBtn", "Clear Checks");
    RefreshBtn = NewButton("RefreshBtn", "Refresh");
    EditBtn = NewButton("EditBtn", "Edit");
    SetCheckedBtn = NewButton("SetCheckedBtn", "Set Checked");
    AddBtn = NewButton("AddBtn", "Add");
    DeleteBtn = NewButton("DeleteBtn", "Delete");
    StopBtn = NewButton("StopBtn", "Stop");
    CloseBtn = NewButton("CloseBtn", "Close");
    // Keyboard order is the order of creation above; the column's order is its own.
    ArrangeList = {SamplesCount, SamplesLabel, RefreshBtn,     EditBtn, SetCheckedBtn, AddBtn,
                   DeleteBtn,    CheckAllBtn,  ClearChecksBtn, StopBtn, CloseBtn};
    LoadGlyphs();
    AddBtn->Hide();
    DeleteBtn->Hide();
    StopBtn->Hide();
    Arrange();
    SetWidth(2 * MarginLeft + RefreshBtn->Width());
    SetAlign(alRight);
}

TBitBtn* TCtrlBtnPanel::NewButton(const char* name, const char* caption) {
    auto* b = new TBitBtn(this, this);
    b->SetName(QString::fromLatin1(name));
    b->SetCaption(QString::fromLatin1(caption));
    b->SetBounds(0, 0, qs::kColumnControlWidth, qs::kButtonHeight);
    return b;
}

// A glyph file in the working directory replaces a button's caption by its picture. A file
// that cannot be loaded leaves that button's caption and the next files are still tried.
void TCtrlBtnPanel::LoadGlyphs() {
    const std::pair<TBitBtn*, const char*> glyphs[] = {{RefreshBtn, "Get.bmp"},
                                                       {EditBtn, "Set.bmp"},
                                                       {SetCheckedBtn, "SetCheck.bmp"},
                                                       {AddBtn, "Add.bmp"},
                                                       {DeleteBtn, "Delete.bmp"},
                                                       {CheckAllBtn, "SelectAll.bmp"},
                                                       {ClearChecksBtn, "SelectNone.bmp"},
                                                       {CloseBtn, "Close.bmp"},
                                                       {StopBtn, "Stop.bmp"}};
    const QDir dir = QDir::current();
    for (const auto& [button, file] : glyphs) {
        const QString path = dir.filePath(QString::fromLatin1(file));
        if (QFileInfo::exists(path) && button->LoadGlyph(path)) {
            button->SetCaption(QString());
        }
    }
}

void TCtrlBtnPanel::Arrange() {
    std::vector<qs::ColumnEntry> entries;
    for (TControl* c : ArrangeList) {
        entries.push_back({c->Visible(), c->Height()});
    }
    const std::vector<int> tops = qs::ColumnTops(entries);
    for (std::size_t i = 0; i < ArrangeList.size(); ++i) {
        ArrangeList[i]->SetBounds(MarginLeft, tops[i], qs::kColumnControlWidth, ArrangeList[i]->Height());
    }
    SetHeight(ColumnHeight());
}

TMsgPanel::TMsgPanel(TComponent* owner) : TPanel(owner) {
    SetName(QStringLiteral("MsgPanel"));
    SetBevelOuter(bvNone);
    SetHeight(20);
    StatusBar = new TStatusBar(this, this);
    StatusBar->SetName(QStringLiteral("StatusBar"));
    StatusBar->SetHeight(20);
    StatusBar->SetAlign(alBottom);
}
