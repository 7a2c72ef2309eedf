// The KRS-5400MX-28's front panel: a picture of the switch's front with its Power, RPS, Console
// and Alarm LEDs, a LED per port and a link picture over every port socket, all driven by the
// device's front-panel status object.
#pragma once

#include "Form.h"
#include "PanelLinkRules.h"

#include <array>
#include <memory>
#include <string>

class QsSNMPRequest2Edits;
class QsSNMPRequest2Leds;
class TImage;
class TLabel;
class TPanel;
class TTimer;

class TPanelKRS5428MX_Form : public TForm {
public:
    explicit TPanelKRS5428MX_Form(TComponent* owner);
    ~TPanelKRS5428MX_Form() override;

    void FormCreate(TObject* sender);
    void Timer1Timer(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormDestroy(TObject* sender);

    // The link pictures of one port.
    struct PortPictures {
        TImage* green = nullptr;
        TImage* orange = nullptr;
        TImage* fibreGreen = nullptr;  // combo ports only
        TImage* fibreOrange = nullptr; // combo ports only
        TPanel* ledPanel = nullptr;    // combo ports: the copper LED panel
        TPanel* ledPanelF = nullptr;   // combo ports: the fibre LED panel
    };

    TImage* Image1 = nullptr;
    std::array<PortPictures, 29> Ports{}; // index = port number 1 to 28
    TPanel* PowerLedPanel = nullptr;
    TPanel* ConsoleLedPanel = nullptr;
    TPanel* AlarmLEDPanel = nullptr;
    TPanel* RPSLEDPanel = nullptr;
    TLabel* portspeedled = nullptr;
    TTimer* Timer1 = nullptr;
    std::unique_ptr<QsSNMPRequest2Edits> StatusRequest;
    std::unique_ptr<QsSNMPRequest2Leds> LedRequest;

    // Shows each port's link picture from portspeedled's text, port by port. Raises
    // EConvertError at the first port whose status byte is missing or malformed.
    void ApplyLinkPictures();
    // After a malformed status text: no copper picture of ports 1 to 24 shows.
    void HideCopperPictures();

private:
    void BuildPicture();
    void BuildCopperPort(int port);
    void BuildComboPort(int port);
    void BuildLedPanels();
    TImage* Overlay(const QString& name, const char* picture, int left, int top);
    TPanel* LedPanel(const QString& name, int left, int top);
    void ShowCombo(int port, qs::ComboLink link);
    void ApplyLinkPicturesOrHide();
    void StartRequests();
    void ShowStartFailure(const std::string& text);
    void StopRequests();

    std::array<std::array<bool, 2>, 29> m_comboLedShown{};
};
