#include "PanelKRS5428MXFormUnit.h"

#include "Application.h"
#include "BlockingAction.h"
#include "DeviceMib.h"
#include "Image.h"
#include "Label.h"
#include "LedColorMaps.h"
#include "MainUnit.h"
#include "Panel.h"
#include "PanelPictures.h"
#include "QsSNMPRequest2Edits.h"
#include "QsSNMPRequest2Leds.h"
#include "StatusBar.h"
#include "Timer.h"

#include <QElapsedTimer>
#include <QImage>

namespace {

constexpr int kPanelWidth = 795;
constexpr int kPanelHeight = 109;
const char* const kLedListName = " LED Status";

// Left edge of each pair of copper ports (1/2, 3/4, ... 23/24); the even port of some pairs sits
// one pixel further right.
constexpr int kPairLeft[12] = {260, 289, 318, 347, 376, 405, 444, 473, 502, 531, 560, 589};

int EvenPortShift(int pair) {
    return (pair == 0 || pair == 1 || pair == 6 || pair == 7) ? 1 : 0;
}

struct ComboPlace {
    int copperLeft, copperTop, fibreLeft, fibreTop, ledTop;
};
constexpr ComboPlace kCombo[4] = {
    {665, 40, 623, 40, 44}, {665, 61, 623, 62, 60}, {694, 40, 729, 40, 75}, {694, 61, 729, 61, 91}};

} // namespace

TPanelKRS5428MX_Form::TPanelKRS5428MX_Form(TComponent* owner) : TForm(owner) {
    setObjectName(QStringLiteral("PanelKRS5428MX_Form"));
    setWindowFlags(Qt::Widget);
    SetClientWidth(kPanelWidth);
    SetClientHeight(kPanelHeight);
    BuildPicture();
    for (int port = 1; port <= 24; ++port) {
        BuildCopperPort(port);
    }
    for (int port = 25; port <= 28; ++port) {
        BuildComboPort(port);
    }
    BuildLedPanels();
    portspeedled = new TLabel(this);
    portspeedled->SetName(QStringLiteral("portspeedled"));
    portspeedled->SetCaption(QStringLiteral("portspeedled"));
    portspeedled->SetLeft(18);
    portspeedled->SetTop(5);
    portspeedled->Hide();
    Timer1 = new TTimer(this);
    Timer1->SetName(QStringLiteral("Timer1"));
    Timer1->SetInterval(5000);
    Timer1->SetEnabled(false);
    Timer1->OnTimer = [this](TObject* s) { Timer1Timer(s); };
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    OnDestroy = [this](TObject* s) { FormDestroy(s); };
}

TPanelKRS5428MX_Form::~TPanelKRS5428MX_Form() {
    StopRequests();
}

// Any exception ends the creation and leaves what was built so far; its text goes to the status
// line, so a panel that stays dark says why.
void TPanelKRS5428MX_Form::FormCreate(TObject*) {
    try {
        StartRequests();
    } catch (const std::exception& e) {
        ShowStartFailure(e.what());
    }
}

// The line reads as the LED read's own status line would.
void TPanelKRS5428MX_Form::ShowStartFailure(const std::string& text) {
    if (MainForm == nullptr) {
        return;
    }
    QsSNMPRequest2Controls line(this);
    line.Request.List.Name = kLedListName;
    line.SetStatusPanel(MainForm->StatusBar->Panels(0));
    line.ShowStatus(text);
}

void TPanelKRS5428MX_Form::StartRequests() {
    StatusRequest = std::make_unique<QsSNMPRequest2Edits>(this);
    StatusRequest->Request.List = QsSNMPVarList(FrontPanelLedStatusVars, MVT_SV, 0);
    StatusRequest->Request.List.AppendSuffix("1");
    StatusRequest->Mode = RM_BLOCKING;
    StatusRequest->BindLabel(0, portspeedled);
    StatusRequest->Refresh();

    LedRequest = std::make_unique<QsSNMPRequest2Leds>(this);
    LedRequest->Request.List = QsSNMPVarList(FrontPanelLedStatusVars, MVT_SV, 0);
    LedRequest->Request.List.AppendSuffix("1");
    LedRequest->AddLeds(0, "1", &PowerLedColors(), PowerLedPanel, 1, 10, stRectangle, 4, 4);
    LedRequest->AddLeds(0, "2", &RpsLedColors(), RPSLEDPanel, 1, 10, stRectangle, 4, 4);
    LedRequest->AddLeds(0, "3", &ConsoleLedColors(), ConsoleLedPanel, 1, 10, stRectangle, 4, 4);
    LedRequest->AddLeds(0, "9", &AlarmLedColors(), AlarmLEDPanel, 1, 10, stRectangle, 4, 4);
    for (int n = 1; n <= 24; ++n) {
        LedRequest->AddLeds(0, std::to_string(n + 31), &PortLedColors(), Ports[n].ledPanel, 1, 6, stRectangle,
                            4, 4);
    }
    // A first read that failed (a device still booting) must not leave the LEDs dead for the
    // session: the pictures wait for the next poll, the LEDs start polling now.
    ApplyLinkPicturesOrHide();
    if (MainForm != nullptr) {
        LedRequest->SetStatusPanel(MainForm->StatusBar->Panels(0));
    }
    LedRequest->Request.List.Name = kLedListName;
    LedRequest->StartPolling(500);
    Timer1->SetEnabled(true);
}

void TPanelKRS5428MX_Form::Timer1Timer(TObject*) {
    // The tick is a user action of its own, wherever it fires (inside a modal window, between the
    // rows of a walk): its time-out neither stops nor is stopped by the action it interrupts.
    const qs::BlockingAction tick;
    bool answered = false;
    if (StatusRequest) {
        try {
            answered = StatusRequest->Refresh();
        } catch (const std::exception&) {
        }
    }
    ApplyLinkPicturesOrHide();
    // The device answers again: the LEDs and the status line say so now, not a poll later.
    if (answered && LedRequest && LedRequest->LastPollFailed() && !LedRequest->Busy) {
        LedRequest->OnPollTimer();
    }
}

void TPanelKRS5428MX_Form::ApplyLinkPicturesOrHide() {
    try {
        ApplyLinkPictures();
    } catch (const std::exception&) {
        HideCopperPictures();
    }
}

// The main window closes and then deletes its panels: closing only stops the requests.
void TPanelKRS5428MX_Form::FormClose(TObject*, TCloseAction& action) {
    StopRequests();
    action = caHide;
}

void TPanelKRS5428MX_Form::FormDestroy(TObject*) {
    StopRequests();
    Timer1->SetEnabled(false);
}

void TPanelKRS5428MX_Form::StopRequests() {
    if (LedRequest) {
        LedRequest->StopPolling();
        LedRequest->Request.Active = false;
        QElapsedTimer waited;
        waited.start();
        while (LedRequest->Busy && waited.elapsed() < 6000) {
            Application->ProcessMessagesWithoutInput();
        }
        LedRequest.reset();
    }
    StatusRequest.reset();
}

void TPanelKRS5428MX_Form::BuildPicture() {
    Image1 = new TImage(this);
    Image1->SetName(QStringLiteral("Image1"));
    Image1->SetBounds(0, 0, kPanelWidth, kPanelHeight);
    Image1->SetPicture(qs::PanelPicture("front"));
}

TImage* TPanelKRS5428MX_Form::Overlay(const QString& name, const char* picture, int left, int top) {
    auto* image = new TImage(this);
    image->SetName(name);
    const QImage pic = qs::PanelPicture(picture);
    image->SetBounds(left, top, pic.width(), pic.height());
    image->SetPicture(pic);
    image->Hide();
    return image;
}

void TPanelKRS5428MX_Form::BuildCopperPort(int port) {
    const int pair = (port - 1) / 2;
    const bool odd = port % 2 == 1;
    const int left = kPairLeft[pair] + (odd ? 0 : EvenPortShift(pair));
    const int top = odd ? (port == 3 ? 39 : 40) : 61;
    const QString n = QString::number(port);
    Ports[port].green = Overlay(QStringLiteral("Portgreen") + n, "copper-green", left, top);
    Ports[port].orange = Overlay(QStringLiteral("PortOrange") + n, "copper-orange", left, top);
}

void TPanelKRS5428MX_Form::BuildComboPort(int port) {
    const ComboPlace& at = kCombo[port - 25];
    const QString n = QStringLiteral("Port") + QString::number(port);
    PortPictures& p = Ports[port];
    p.green = Overlay(n + "green", "copper-green", at.copperLeft, at.copperTop);
    p.orange = Overlay(n + "Orange", "copper-orange", at.copperLeft, at.copperTop);
    p.fibreGreen = Overlay(n + "Fgreen", "fibre-green", at.fibreLeft, at.fibreTop);
    p.fibreOrange = Overlay(n + "FOrange", "fibre-orange", at.fibreLeft, at.fibreTop);
    p.ledPanel = LedPanel(n + "LedPanel", 152, at.ledTop);
    p.ledPanelF = LedPanel(n + "LedPanelF", 152, at.ledTop);
    p.ledPanel->Hide();
    p.ledPanelF->Hide();
}

TPanel* TPanelKRS5428MX_Form::LedPanel(const QString& name, int left, int top) {
    auto* panel = new TPanel(this);
    panel->SetName(name);
    panel->SetBounds(left, top, 4, 4);
    panel->SetColor(clBlack);
    panel->SetBevelOuter(bvNone);
    return panel;
}

void TPanelKRS5428MX_Form::BuildLedPanels() {
    PowerLedPanel = LedPanel(QStringLiteral("PowerLedPanel"), 29, 43);
    ConsoleLedPanel = LedPanel(QStringLiteral("ConsoleLedPanel"), 29, 54);
    AlarmLEDPanel = LedPanel(QStringLiteral("AlarmLEDPanel"), 29, 65);
    RPSLEDPanel = LedPanel(QStringLiteral("RPSLEDPanel"), 29, 77);
    for (int n = 1; n <= 24; ++n) {
        Ports[n].ledPanel = LedPanel(QStringLiteral("Port%1LedPanel").arg(n), 66 + 13 * ((n - 1) / 4),
                                     43 + 13 * ((n - 1) % 4));
    }
}

void TPanelKRS5428MX_Form::ApplyLinkPictures() {
    const std::string text = portspeedled->Caption().toStdString();
    for (int port = 1; port <= 24; ++port) {
        const qs::CopperLink link = qs::CopperLinkOf(qs::PortStatusByte(text, port));
        Ports[port].orange->SetVisible(link == qs::CopperLink::Orange);
        Ports[port].green->SetVisible(link == qs::CopperLink::Green);
    }
    for (int port = 25; port <= 28; ++port) {
        ShowCombo(port, qs::ComboLinkOf(qs::PortStatusByte(text, port)));
    }
}

void TPanelKRS5428MX_Form::ShowCombo(int port, qs::ComboLink link) {
    PortPictures& p = Ports[port];
    using qs::ComboLink;
    p.fibreGreen->SetVisible(link == ComboLink::FibreGreen);
    p.green->SetVisible(link == ComboLink::CopperGreen);
    p.orange->SetVisible(link == ComboLink::CopperOrange);
    p.fibreOrange->SetVisible(link == ComboLink::FibreOrange);
    const bool fibre = link == ComboLink::FibreGreen || link == ComboLink::FibreOrange;
    const bool copper = link == ComboLink::CopperGreen || link == ComboLink::CopperOrange;
    for (const bool isFibre : {false, true}) {
        TPanel* panel = isFibre ? p.ledPanelF : p.ledPanel;
        const bool show = isFibre ? fibre : copper;
        // Each combo LED panel gets its LED the first time it shows, and keeps it.
        if (show && LedRequest && !m_comboLedShown[port][isFibre]) {
            m_comboLedShown[port][isFibre] = true;
            LedRequest->AddLeds(0, std::to_string(port + 31), &ComboPortLedColors(), panel, 1, 10,
                                stRectangle, 4, 4);
        }
        panel->SetVisible(show);
    }
}

void TPanelKRS5428MX_Form::HideCopperPictures() {
    for (int port = 1; port <= 24; ++port) {
        Ports[port].green->Hide();
        Ports[port].orange->Hide();
    }
}
