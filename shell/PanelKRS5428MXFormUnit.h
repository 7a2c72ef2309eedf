// The KRS-5400MX-28's front panel: a picture of the switch's front with its Power, RPS, Console
// and Alarm LEDs, a LED per port and a link picture over every port socket, all driven by the
// device's front-panel status object.
#pragma once

#include "Form.h"
#include "PanelLinkRules.h"

#include <array>

class TImage;
class TLabel;
class TPanel;
class TTimer;

class TPanelKRS5428MX_Form : public TForm {
public:
    explicit TPanelKRS5428MX_Form(TComponent* owner);

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

    // Shows each port's link picture from portspeedled's text, port by port. Raises
    // EConvertError at the first port whose status byte is missing or malformed.
    void ApplyLinkPictures();
    // After a malformed status text: no copper picture of ports 1 to 24 shows.
    void HideCopperPictures();

protected:
    // A combo port's LED panel is about to show for the first time.
    virtual void ComboLedPanelShown(int port, TPanel* panel, bool fibre);

private:
    void BuildPicture();
    void BuildCopperPort(int port);
    void BuildComboPort(int port);
    void BuildLedPanels();
    TImage* Overlay(const QString& name, const char* picture, int left, int top);
    TPanel* LedPanel(const QString& name, int left, int top);
    void ShowCombo(int port, qs::ComboLink link);

    std::array<std::array<bool, 2>, 29> m_comboLedShown{};
};
