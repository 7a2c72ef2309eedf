// The program's one main window: it starts the SNMP framework, turns the registry, the message
// files, the command line and the device settings file into the default target, and shows the
// switch's front panel with the main menu and the status line.
#pragma once

#include "Form.h"
#include "ToolArgs.h"

#include <string>
#include <vector>

class TMainMenu;
class TMenuItem;
class TPanelKRS5428MX_Form;
class TScrollBox;
class TStaticText;
class TStatusBar;

// The device address given with "/I": the window caption and every page's caption suffix.
extern std::string DeviceAddress;

class TMainForm : public TForm {
public:
    // Runs the whole start-up; raises on a failed SNMP start or a setting that does not convert.
    TMainForm(TComponent* owner, const std::vector<std::string>& parameters);
    ~TMainForm() override;

    void FormCreate(TObject* sender);
    void FormActivate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void ShowFrontPanel();
    void CloseFrontPanels();
    void Refresh1Click(TObject* sender);
    void Help2Click(TObject* sender);
    void About1Click(TObject* sender);

    std::string BuildMibToolCommand(const std::string& topic) const;
    void RunMibTool(const std::string& topic, const std::string& extra) const;

    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* VACM1 = nullptr;
    TMenuItem* Refresh1 = nullptr;
    TStatusBar* StatusBar = nullptr;
    TScrollBox* ScrollBox1 = nullptr;
    TStaticText* ST_Version = nullptr;
    TStaticText* ST_RmonState = nullptr;
    TStaticText* ST_8021xStatus = nullptr;

    std::string PageTitle;
    TToolArgs ToolArgs;
    std::vector<TPanelKRS5428MX_Form*> FrontPanels;
    bool Activated = false;

    // Fills the main menu; the catalogue installs its builder before the window is created.
    // The builder creates its items owned by the window, with the object names the window wires
    // ("VACM1", "Refresh1", "Help2", "About1").
    using MenuBuilder = void (*)(TMainForm& form, TMainMenu& menu);
    static void SetMenuBuilder(MenuBuilder builder);

    // Writes a line into the status line (panel 0).
    void SetStatusText(const QString& text);

private:
    void BuildControls();
    void BuildMenu();
    void WireMenu();
    void StartUp(const std::vector<std::string>& parameters);
};

extern TMainForm* MainForm;

namespace qs {
// The entry point's work: application title, main window, message loop. Returns the exit code.
int RunMainProgram(const std::vector<std::string>& parameters);
} // namespace qs
