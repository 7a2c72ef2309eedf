#include "PanelKRS5428MXFormUnit.h"

#include "GuiTest.h"
#include "Image.h"
#include "Label.h"
#include "Panel.h"
#include "StrToInt.h"

#include <QDir>
#include <QImage>

namespace qs::test {
namespace {

// A status value text: every byte 00 but the given port bytes.
std::string StatusText(std::initializer_list<std::pair<int, int>> ports, std::size_t length = 120) {
    std::string text(length, '0');
    for (const auto& [port, b] : ports) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", b);
        text.replace(static_cast<std::size_t>(2 * (31 + port)), 2, hex);
    }
    return text;
}

class FrontPanel : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        panel = new TPanelKRS5428MX_Form(form);
    }
    void Apply(const std::string& text) {
        panel->portspeedled->SetCaption(QString::fromStdString(text));
        panel->ApplyLinkPictures();
    }
    bool Shown(const char* name) const {
        auto* c = dynamic_cast<TControl*>(panel->FindComponent(QString::fromLatin1(name)));
        return c != nullptr && c->Widget()->isVisibleTo(panel);
    }
    TPanelKRS5428MX_Form* panel = nullptr;
};

TEST_F(FrontPanel, LaysOutPicturesAndLedsWhereTheDrawingHasThem) {
    EXPECT_EQ(panel->ClientWidth(), 795);
    EXPECT_EQ(panel->ClientHeight(), 109);
    EXPECT_FALSE(panel->Image1->Empty());
    struct Place {
        const char* name;
        int left, top;
    };
    const Place places[] = {
        {"Portgreen1", 260, 40},      {"PortOrange2", 261, 61},  {"Portgreen3", 289, 39},
        {"Portgreen24", 589, 61},     {"Port25green", 665, 40},  {"Port28FOrange", 729, 61},
        {"PowerLedPanel", 29, 43},    {"Port6LedPanel", 79, 56}, {"Port24LedPanel", 131, 82},
        {"Port27LedPanelF", 152, 75}, {"portspeedled", 18, 5}};
    for (const Place& p : places) {
        auto* c = dynamic_cast<TControl*>(panel->FindComponent(QString::fromLatin1(p.name)));
        ASSERT_NE(c, nullptr) << p.name;
        EXPECT_EQ(c->Left(), p.left) << p.name;
        EXPECT_EQ(c->Top(), p.top) << p.name;
    }
    EXPECT_FALSE(Shown("Portgreen1"));
    EXPECT_FALSE(Shown("Port25LedPanel"));
}

TEST_F(FrontPanel, LinkPicturesFollowThePortBytes) {
    Apply(StatusText(
        {{1, 0x01}, {2, 0x03}, {3, 0x02}, {4, 0x04}, {25, 0x03}, {26, 0x23}, {27, 0x62}, {28, 0x02}}));
    EXPECT_TRUE(Shown("PortOrange1") && !Shown("Portgreen1"));
    EXPECT_TRUE(Shown("PortOrange2"));
    EXPECT_TRUE(Shown("Portgreen3") && !Shown("PortOrange3"));
    EXPECT_TRUE(!Shown("Portgreen4") && !Shown("PortOrange4"));
    EXPECT_TRUE(Shown("Port25Fgreen") && Shown("Port25LedPanelF") && !Shown("Port25LedPanel"));
    EXPECT_TRUE(Shown("Port26green") && Shown("Port26LedPanel"));
    EXPECT_TRUE(Shown("Port27Orange") && Shown("Port27LedPanel"));
    EXPECT_TRUE(Shown("Port28FOrange") && Shown("Port28LedPanelF"));
}

TEST_F(FrontPanel, ComboPortShowsOnlyItsCurrentState) {
    Apply(StatusText({{25, 0x23}}));
    Apply(StatusText({{25, 0x02}}));
    for (const char* hidden : {"Port25green", "Port25Orange", "Port25Fgreen", "Port25LedPanel"}) {
        EXPECT_FALSE(Shown(hidden)) << hidden;
    }
    EXPECT_TRUE(Shown("Port25FOrange") && Shown("Port25LedPanelF"));
    Apply(StatusText({}));
    EXPECT_FALSE(Shown("Port25FOrange") || Shown("Port25LedPanelF"));
}

TEST_F(FrontPanel, ShortTextUpdatesThePortsBeforeTheMissingByte) {
    Apply(StatusText({{1, 0x02}}));
    EXPECT_THROW(Apply(StatusText({{1, 0x01}}, 110)), EConvertError);
    EXPECT_TRUE(Shown("PortOrange1"));
    panel->HideCopperPictures();
    EXPECT_FALSE(Shown("PortOrange1"));
}

TEST_F(FrontPanel, SavesAScreenshot) {
    Apply(StatusText({{1, 0x02}, {2, 0x01}, {5, 0x02}, {8, 0x02}, {13, 0x01}, {25, 0x03}, {28, 0x23}}));
    panel->Show();
    form->SetClientWidth(795);
    form->SetClientHeight(109);
    ShowActive();
    QDir().mkpath(QStringLiteral(KRS_SCREENSHOT_DIR));
    const QImage shot = panel->grab().toImage();
    EXPECT_EQ(shot.width(), 795);
    EXPECT_TRUE(shot.save(QStringLiteral(KRS_SCREENSHOT_DIR "/front-panel.png")));
}

} // namespace
} // namespace qs::test
