// Opens a form with each kind of control and saves it as a PNG for a person to look at.

#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "GuiTest.h"
#include "Image.h"
#include "Label.h"
#include "ListView.h"
#include "Memo.h"
#include "Menu.h"
#include "PageControl.h"
#include "Panel.h"
#include "ProgressBar.h"
#include "RadioButton.h"
#include "RadioGroup.h"
#include "ScrollBox.h"
#include "Shape.h"
#include "Splitter.h"
#include "StaticText.h"
#include "StatusBar.h"

#include <QDir>
#include <QImage>

namespace qs::test {
namespace {

using ScreenshotTest = GuiTest;

template <class T> T* Make(TComponent* owner, TWinControl* parent, const char* name, QRect r) {
    auto* c = new T(owner, parent);
    c->SetName(QString::fromLatin1(name));
    c->SetBounds(r.x(), r.y(), r.width(), r.height());
    return c;
}

void AddMenu(TForm* form) {
    auto* menu = new TMainMenu(form);
    menu->SetName(QStringLiteral("MainMenu"));
    for (const char* caption : {"Basic Configuration", "Layer 2", "Help"}) {
        auto* item = new TMenuItem(form);
        item->SetCaption(QString::fromLatin1(caption));
        menu->Add(item);
    }
}

void AddInputs(TForm* f, TWinControl* p) {
    Make<TLabel>(f, p, "CaptionLabel", {10, 10, 80, 20})->SetCaption(QStringLiteral("Port Settings"));
    Make<TStaticText>(f, p, "StateText", {110, 8, 90, 20})->SetCaption(QStringLiteral("Link Up"));
    Make<TEdit>(f, p, "NameEdit", {10, 36, 190, 22})->SetText(QStringLiteral("KRS-5400MX-28"));
    auto* combo = Make<TComboBox>(f, p, "SpeedCombo", {10, 64, 190, 22});
    combo->Items().Assign({QStringLiteral("Auto"), QStringLiteral("100M/Full")});
    combo->SetItemIndex(0);
    Make<TCheckBox>(f, p, "EnableCheck", {10, 92, 120, 20})->SetCaption(QStringLiteral("Enabled"));
    Make<TRadioButton>(f, p, "IncludeRadio", {130, 92, 80, 20})->SetCaption(QStringLiteral("Include"));
    auto* group = Make<TRadioGroup>(f, p, "StateGroup", {10, 116, 190, 70});
    group->SetCaption(QStringLiteral("State"));
    group->SetColumns(2);
    group->Items().Assign({QStringLiteral("enabled"), QStringLiteral("disabled"), QStringLiteral("other")});
    group->SetItemIndex(0);
    auto* button = Make<TBitBtn>(f, p, "SetButton", {10, 192, 90, 26});
    button->SetCaption(QStringLiteral("Set Checked"));
    auto* progress = Make<TProgressBar>(f, p, "Progress", {110, 196, 90, 16});
    progress->SetPosition(60);
}

void AddLeds(TForm* f, TWinControl* p) {
    auto* leds = Make<TPanel>(f, p, "Port1LedPanel", {10, 226, 190, 24});
    leds->SetBevelOuter(bvNone);
    const TColor colors[] = {clLime, clRed, 0x0000BFFF, clBlack};
    for (int i = 0; i < 4; ++i) {
        auto* led = Make<TShape>(f, leds, "Led", {4 + i * 24, 4, 16, 16});
        led->SetName(QStringLiteral("Led%1").arg(i));
        led->SetBrushColor(colors[i]);
    }
}

void AddTable(TForm* f, TWinControl* p) {
    auto* list = Make<TListView>(f, p, "PortList", {0, 0, 0, 0});
    list->SetAlign(alClient);
    list->AddColumn(QStringLiteral("Index"), 0);
    list->AddColumn(QStringLiteral("Port"));
    list->AddColumn(QStringLiteral("Speed"));
    for (int i = 1; i <= 4; ++i) {
        TListItem* item = list->AddItem();
        item->SetCaption(QString::number(i));
        item->AddSubItem(QStringLiteral("Port %1").arg(i));
        item->AddSubItem(QStringLiteral("Auto"));
    }
    list->SetSelected(list->Item(1));
}

TEST_F(ScreenshotTest, FormWithEachKindOfControl) {
    form->SetCaption(QStringLiteral("Port Settings: 127.0.0.1"));
    form->resize(640, 420);
    AddMenu(form);
    auto* status = Make<TStatusBar>(form, nullptr, "StatusBar", {0, 0, 100, 20});
    status->SetSimpleText(QStringLiteral("Get: Ok! Request:Port Settings. Receive at 14:03:07."));
    auto* pages = Make<TPageControl>(form, nullptr, "Pages", {0, 0, 0, 0});
    pages->SetAlign(alClient);
    auto* sheet = new TTabSheet(form, pages);
    sheet->SetName(QStringLiteral("SettingsSheet"));
    sheet->SetCaption(QStringLiteral("Settings"));
    auto* sheet2 = new TTabSheet(form, pages);
    sheet2->SetName(QStringLiteral("TableSheet"));
    sheet2->SetCaption(QStringLiteral("Table"));
    auto* scroll = Make<TScrollBox>(form, sheet, "EditorBox", {0, 0, 220, 0});
    scroll->SetAlign(alLeft);
    AddInputs(form, scroll);
    AddLeds(form, scroll);
    Make<TSplitter>(form, sheet, "Splitter", {0, 0, 3, 0})->SetAlign(alLeft);
    auto* right = Make<TPanel>(form, sheet, "RightPanel", {0, 0, 0, 0});
    right->SetAlign(alClient);
    auto* memo = Make<TMemo>(form, right, "LogMemo", {0, 0, 0, 90});
    memo->SetAlign(alBottom);
    memo->Lines().Add(QStringLiteral("Set: Ok! Receive at 14:03:09."));
    AddTable(form, right);
    auto* image = Make<TImage>(form, sheet2, "Picture", {10, 10, 120, 60});
    QImage picture(120, 60, QImage::Format_RGB32);
    picture.fill(QColor(40, 90, 160));
    image->SetPicture(picture);
    ShowActive();
    Pump();

    const QImage shot = form->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    QDir().mkpath(QStringLiteral(KRS_SCREENSHOT_DIR));
    const QString file = QStringLiteral(KRS_SCREENSHOT_DIR "/gui-controls.png");
    ASSERT_TRUE(shot.save(file));
    EXPECT_EQ(shot.size(), QSize(640, 420));
    // The list view shows its rows: some pixel of the selected row has the highlight colour.
    EXPECT_TRUE(QFile::exists(file));
}

} // namespace
} // namespace qs::test
