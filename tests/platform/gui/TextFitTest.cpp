// The forms' font, controls that grow to their texts, list rows with room below the text and
// windows larger than the screen that open within it.

#include "Button.h"
#include "CheckBox.h"
#include "Edit.h"
#include "FormFont.h"
#include "GuiTest.h"
#include "Label.h"
#include "ListView.h"
#include "RadioGroup.h"
#include "StaticText.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QImage>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>

namespace qs::test {
namespace {

using TextFit = GuiTest;

TEST_F(TextFit, FormsUseElevenPixelFormFontThroughAStandIn) {
    const QFont font = QApplication::font();
    EXPECT_EQ(font.pixelSize(), 11);
    EXPECT_EQ(font.families().first(), "MS Sans Serif");
    const QFontInfo used(form->font());
    EXPECT_EQ(used.pixelSize(), 11);
    // The face drawn is the design's own or a metric-compatible stand-in, never another sans.
    const QStringList usable = FormFontFamilies();
    EXPECT_TRUE(usable.contains(used.family())) << used.family().toStdString();
    EXPECT_EQ(qgetenv("QT_FONT_DPI"), "96");
    EXPECT_EQ(ScreenPixelsPerInch(), 96);
}

// A control narrower than its text grows to it, whether the text came before the design's bounds
// (widened when the window is shown) or after (widened at once); one wide enough keeps its width.
TEST_F(TextFit, ControlsGrowToTheirTexts) {
    const QString longText = QStringLiteral("Torvik KRS-5400-28 Vorev Ethernet Management Module");
    struct Case {
        const char* what;
        std::function<TControl*()> make;
        std::function<void(TControl*, const QString&)> setText;
    };
    const std::vector<Case> cases = {
        {"label",
         [&] {
             auto* c = new TLabel(form);
             c->SetAutoSize(false);
             return c;
         },
         [](TControl* c, const QString& t) { dynamic_cast<TLabel*>(c)->SetCaption(t); }},
        {"static text", [&] { return new TStaticText(form); },
         [](TControl* c, const QString& t) { dynamic_cast<TStaticText*>(c)->SetCaption(t); }},
        {"button", [&] { return new TButton(form); },
         [](TControl* c, const QString& t) { dynamic_cast<TButton*>(c)->SetCaption(t); }},
        {"check box", [&] { return new TCheckBox(form); },
         [](TControl* c, const QString& t) { dynamic_cast<TCheckBox*>(c)->SetCaption(t); }},
        {"read-only edit",
         [&] {
             auto* c = new TEdit(form);
             c->SetReadOnly(true);
             return c;
         },
         [](TControl* c, const QString& t) { dynamic_cast<TEdit*>(c)->SetText(t); }},
    };
    for (const Case& c : cases) {
        TControl* before = c.make();
        c.setText(before, longText);
        before->SetBounds(10, 10, 60, 21);
        TControl* shortText = c.make();
        c.setText(shortText, QStringLiteral("OK"));
        shortText->SetBounds(10, 40, 60, 21);
        form->Show();
        TControl* after = c.make();
        after->SetBounds(10, 70, 60, 21);
        c.setText(after, longText);
        const int advance = before->Widget()->fontMetrics().horizontalAdvance(longText);
        EXPECT_GE(before->Width(), advance) << c.what << ": text set before the bounds";
        EXPECT_GE(after->Width(), advance) << c.what << ": text set on a shown window";
        EXPECT_EQ(shortText->Width(), 60) << c.what << ": a wide enough control keeps its width";
        EXPECT_EQ(before->Left(), 10) << c.what;
        delete before;
        delete shortText;
        delete after;
    }
}

TEST_F(TextFit, EditableEditsAndRightAlignedLabelsKeepTheirPlace) {
    auto* edit = new TEdit(form);
    edit->SetBounds(10, 10, 40, 21);
    edit->SetText(QStringLiteral("an editable value longer than its box"));
    auto* label = new TLabel(form);
    label->SetAutoSize(false);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->SetBounds(200, 40, 40, 13);
    label->SetCaption(QStringLiteral("Current Time:"));
    form->SetClientWidth(400);
    form->Show();
    EXPECT_EQ(edit->Width(), 40) << "an edit the user types into scrolls its text";
    EXPECT_EQ(label->Left() + label->Width(), 240) << "a right-aligned label keeps its right edge";
    EXPECT_GE(label->contentsRect().width(), label->fontMetrics().horizontalAdvance(label->Caption()));
}

TEST_F(TextFit, RadioGroupGrowsToItsItems) {
    auto* group = new TRadioGroup(form);
    group->SetBounds(10, 10, 50, 60);
    group->SetCaption(QStringLiteral("Mode"));
    group->Items().Add(QStringLiteral("Shared VLAN learning"));
    group->Items().Add(QStringLiteral("Independent VLAN learning"));
    form->Show();
    for (auto* b : group->findChildren<QRadioButton*>()) {
        EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
    }
}

// List columns widen to their header and to every value put into them; hidden columns stay hidden.
TEST_F(TextFit, ListColumnsWidenToHeaderAndValues) {
    auto* list = new TListView(form);
    list->SetBounds(0, 0, 300, 120);
    list->AddColumn(QStringLiteral("MAC Address"), 20);
    list->AddColumn(QStringLiteral("Type"), 30);
    list->AddColumn(QStringLiteral("Hidden"), 0);
    list->AddItem({QStringLiteral("00:11:22:33:44:55"), QStringLiteral("ieee8023"), QStringLiteral("x")});
    TListItem* added = list->AddItem();
    added->SetCaption(QStringLiteral("1"));
    added->AddSubItem(QStringLiteral("a much longer type name"));
    form->Show();
    const QFontMetrics fm(list->font());
    EXPECT_GT(list->ColumnWidth(0), fm.horizontalAdvance(QStringLiteral("00:11:22:33:44:55")));
    EXPECT_GT(list->ColumnWidth(1), fm.horizontalAdvance(QStringLiteral("a much longer type name")));
    EXPECT_EQ(list->ColumnWidth(2), 0);
    list->SetColumnWidth(0, 10); // the design's width, set after the values: still fits them
    EXPECT_GT(list->ColumnWidth(0), fm.horizontalAdvance(QStringLiteral("00:11:22:33:44:55")));
    EXPECT_GE(list->ColumnWidth(0), list->header()->sectionSizeHint(0));
}

// The lowest dark pixel row of a rendered row: an underscore must reach below the letters and
// stay above the grid line that closes the row.
int LowestInk(const QImage& image, const QRect& row) {
    for (int y = row.bottom(); y >= row.top(); --y) {
        for (int x = row.left(); x <= row.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 0x80) {
                return y;
            }
        }
    }
    return -1;
}

TEST_F(TextFit, ListRowsShowUnderscoresAboveTheGridLine) {
    auto* list = new TListView(form);
    list->SetBounds(0, 0, 200, 100);
    list->AddColumn(QStringLiteral("View"), 80);
    list->AddItem({QStringLiteral("all")});
    list->AddItem({QStringLiteral("_all_")});
    form->Show();
    list->FlushItems();
    Pump();
    const QImage image = list->viewport()->grab().toImage();
    const QRect plain = list->visualItemRect(list->Item(0));
    const QRect underscored = list->visualItemRect(list->Item(1));
    EXPECT_GE(plain.height(), list->fontMetrics().height() + 2);
    const int letters = LowestInk(image, plain) - plain.top();
    const int withUnderscore = LowestInk(image, underscored) - underscored.top();
    EXPECT_GT(withUnderscore, letters) << "the underscore is drawn below the letters";
    EXPECT_LT(withUnderscore, underscored.height() - 1) << "and above the grid line";
}

// A window larger than the screen opens within the screen's free area; its controls scroll
// into view, and the designed client size is kept.
TEST_F(TextFit, WindowLargerThanTheScreenOpensWithinIt) {
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        int width, height;
        bool scrolls;
    };
    for (const Case c :
         {Case{free.width() + 142, 300, true}, Case{300, free.height() + 50, true}, Case{300, 200, false}}) {
        auto* window = new TForm;
        window->SetClientWidth(c.width);
        window->SetClientHeight(c.height);
        auto* close = new TButton(window);
        close->SetCaption(QStringLiteral("Close"));
        close->SetBounds(c.width - 80, c.height - 30, 75, 25);
        window->Show();
        EXPECT_LE(window->frameGeometry().width(), free.width());
        EXPECT_LE(window->frameGeometry().height(), free.height());
        EXPECT_TRUE(free.contains(window->frameGeometry().topLeft()));
        auto* scroll = window->findChild<QScrollArea*>(QStringLiteral("ClientScroll"));
        EXPECT_EQ(scroll != nullptr, c.scrolls) << c.width << "x" << c.height;
        EXPECT_EQ(window->ClientWidth(), c.width);
        EXPECT_EQ(window->ClientHeight(), c.height);
        if (scroll != nullptr) {
            scroll->ensureWidgetVisible(close);
            const QRect seen(scroll->viewport()->mapTo(window, QPoint(0, 0)), scroll->viewport()->size());
            EXPECT_TRUE(seen.contains(QRect(close->mapTo(window, QPoint(0, 0)), close->size())))
                << "the Close button can be scrolled into view";
        }
        delete window;
    }
}

} // namespace
} // namespace qs::test
