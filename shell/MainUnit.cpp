#include "MainUnit.h"

#include "About.h"
#include "Application.h"
#include "Dialogs.h"
#include "Menu.h"
#include "MibTools.h"
#include "PanelKRS5428MXFormUnit.h"
#include "QsSNMPSession.h"
#include "ScrollBox.h"
#include "StartupRules.h"
#include "StaticText.h"
#include "StatusBar.h"

#include <QBoxLayout>
#include <QLabel>

std::string DeviceAddress;
TMainForm* MainForm = nullptr;

namespace {

TMainForm::MenuBuilder g_menuBuilder = nullptr;

TMenuItem* Item(TMainForm* form, TMenuItem* parent, const char* name, const char* caption) {
    auto* item = new TMenuItem(form);
    item->SetName(QString::fromLatin1(name));
    item->SetCaption(QString::fromLatin1(caption));
    if (parent != nullptr) {
        parent->Add(item);
    }
    return item;
}

// The menu the window has of its own, until the catalogue installs the full one.
void BuildOwnMenu(TMainForm& form, TMainMenu& menu) {
    menu.Add(Item(&form, nullptr, "VACM1", "SNMP v3"));
    TMenuItem* help = Item(&form, nullptr, "Help1", "Help");
    Item(&form, help, "Help2", "Help");
    Item(&form, help, "About1", "About");
    menu.Add(help);
    menu.Add(Item(&form, nullptr, "Refresh1", "Refresh"));
}

TStaticText* HiddenText(TMainForm* form, const char* name) {
    auto* text = new TStaticText(form);
    text->SetName(QString::fromLatin1(name));
    text->SetCaption(QString::fromLatin1(name));
    text->Hide();
    return text;
}

} // namespace

void TMainForm::SetMenuBuilder(MenuBuilder builder) {
    g_menuBuilder = builder;
}

TMainForm::TMainForm(TComponent* owner, const std::vector<std::string>& parameters) : TForm(owner) {
    setObjectName(QStringLiteral("MainForm"));
    SetCaption(QStringLiteral("MainForm"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    SetClientWidth(791);
    SetClientHeight(143);
    BuildControls();
    BuildMenu();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnActivate = [this](TObject* s) { FormActivate(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    StartUp(parameters);
}

TMainForm::~TMainForm() {
    if (MainForm == this) {
        MainForm = nullptr;
    }
}

void TMainForm::BuildControls() {
    StatusBar = new TStatusBar(this);
    StatusBar->SetName(QStringLiteral("StatusBar"));
    StatusBar->SetHeight(20);
    StatusBar->SetAlign(alBottom);
    StatusBar->AddPanel(50);
    // The one panel is the status line: it reaches to the bar's right edge.
    if (auto* label = StatusBar->findChild<QLabel*>(QStringLiteral("Panel"))) {
        label->setMaximumWidth(QWIDGETSIZE_MAX);
        if (auto* box = qobject_cast<QBoxLayout*>(StatusBar->layout())) {
            box->setStretchFactor(label, 1);
        }
    }
    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetName(QStringLiteral("ScrollBox1"));
    ScrollBox1->SetAlign(alClient);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ST_Version = HiddenText(this, "ST_Version");
    ST_RmonState = HiddenText(this, "ST_RmonState");
    ST_8021xStatus = HiddenText(this, "ST_8021xStatus");
}

void TMainForm::BuildMenu() {
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName(QStringLiteral("MainMenu1"));
    (g_menuBuilder != nullptr ? g_menuBuilder : BuildOwnMenu)(*this, *MainMenu1);
    WireMenu();
}

void TMainForm::WireMenu() {
    VACM1 = dynamic_cast<TMenuItem*>(FindComponent(QStringLiteral("VACM1")));
    Refresh1 = dynamic_cast<TMenuItem*>(FindComponent(QStringLiteral("Refresh1")));
    if (Refresh1 != nullptr) {
        Refresh1->OnClick = [this](TObject* s) { Refresh1Click(s); };
    }
    if (auto* help = dynamic_cast<TMenuItem*>(FindComponent(QStringLiteral("Help2")))) {
        help->OnClick = [this](TObject* s) { Help2Click(s); };
    }
    if (auto* about = dynamic_cast<TMenuItem*>(FindComponent(QStringLiteral("About1")))) {
        about->OnClick = [this](TObject* s) { About1Click(s); };
    }
}

void TMainForm::StartUp(const std::vector<std::string>& parameters) {
    InitSnmpSession("");
    DefaultSecurity.version = 0;
    const std::string moduleDir = qs::ReadModuleDirectory();
    qs::LoadMessageFiles(moduleDir);
    const std::string configDir = qs::ReadConfigDirectory();
    if (parameters.empty()) {
        ShowMessage(QStringLiteral("No parameter input"));
        Application->Terminate();
    } else {
        qs::CommandLineRules rules(configDir, DeviceAddress, ToolArgs);
        for (const std::string& p : parameters) {
            rules.Apply(p);
        }
    }
    if (VACM1 != nullptr) {
        VACM1->SetEnabled(DefaultSecurity.version == 3);
    }
    // An SNMPv3 agent's engine is discovered by the front panel's first read, a blocking one:
    // discovering it here as well would make a silent agent cost two time-outs at start-up.
}

void TMainForm::FormCreate(TObject*) {
    try {
        Activated = false;
        SetCaption(QString::fromStdString(DeviceAddress));
        FrontPanels.clear();
    } catch (const std::exception& e) {
        SetStatusText(QString::fromLocal8Bit(e.what()));
    }
}

void TMainForm::FormActivate(TObject*) {
    if (!Activated) {
        Activated = true;
        ShowFrontPanel();
    }
}

void TMainForm::FormClose(TObject*, TCloseAction& action) {
    action = caFree;
    FrontPanels.clear();
}

void TMainForm::SetStatusText(const QString& text) {
    StatusBar->Panels(0)->SetText(text);
}

void TMainForm::ShowFrontPanel() {
    auto* panel = new TPanelKRS5428MX_Form(this);
    panel->PerformCreate();
    const int width = panel->ClientWidth();
    const int height = panel->ClientHeight();
    panel->setParent(ScrollBox1->ClientWidget());
    panel->SetBounds(0, 0, width, height);
    SetClientWidth(width + 3);
    SetClientHeight(height + StatusBar->Height() + 3);
    ScrollBox1->FitContents();
    panel->Show();
    if (Width() < panel->Width()) {
        SetWidth(panel->Width() + 4);
    }
    setFixedSize(size());
    FrontPanels.push_back(panel);
}

void TMainForm::CloseFrontPanels() {
    for (TPanelKRS5428MX_Form* panel : FrontPanels) {
        panel->Close();
        delete panel;
    }
    FrontPanels.clear();
}

void TMainForm::Refresh1Click(TObject*) {
    if (MessageBox(this, QStringLiteral("Refresh panel may take a long time. Are you sure?"),
                   Application->Title, MB_OKCANCEL) == IDOK) {
        CloseFrontPanels();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        ShowFrontPanel();
    }
}

void TMainForm::Help2Click(TObject*) {}

// The box's texts are final before it shows, whether or not the window system activates it
// (without activation it stayed blank).
void TMainForm::About1Click(TObject*) {
    auto* about = new TAboutForm(nullptr);
    AboutForm = about;
    about->FormActivate(about);
    about->ShowModal();
    delete about;
    AboutForm = nullptr;
}

std::string TMainForm::BuildMibToolCommand(const std::string& topic) const {
    return qs::BuildMibToolCommandLine(topic, DeviceAddress, ToolArgs);
}

// A tool that could not be started says so, naming the program the user would have to install.
void TMainForm::RunMibTool(const std::string& topic, const std::string& extra) const {
    if (!qs::RunMibToolCommand(topic, extra, DeviceAddress, ToolArgs)) {
        MessageBox(const_cast<TMainForm*>(this), QString::fromStdString(qs::MibToolFailureText(topic)),
                   Application->Title, MB_OK);
    }
}

namespace qs {

int RunMainProgram(const std::vector<std::string>& parameters) {
    TApplication& app = EnsureApplication();
    app.Title = QStringLiteral("KRS-5400MX-28Module");
    try {
        MainForm = qs::CreateForm<TMainForm>(nullptr, parameters);
    } catch (const std::exception& e) {
        app.ShowException(QString::fromLocal8Bit(e.what()));
        return 0;
    }
    app.MainForm = MainForm;
    if (app.Terminated()) {
        delete MainForm;
        return 0;
    }
    MainForm->Show();
    const int code = app.Run();
    // A close frees the window once control is back in the loop, which may already have ended.
    delete MainForm;
    return code;
}

} // namespace qs
