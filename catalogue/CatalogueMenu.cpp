#include "CatalogueMenu.h"

#include "Application.h"
#include "DeviceSystemMib.h"
#include "DialogCommand.h"
#include "Dialogs.h"
#include "DirectCommands.h"
#include "MainMenu.h"
#include "MainMenuBar.h"
#include "MainUnit.h"
#include "QsSNMPRequest.h"
#include "StaticText.h"

namespace qs {

namespace {

std::function<void(const PageDef&)>& PageOpener() {
    static std::function<void(const PageDef&)> opener;
    return opener;
}

// One blocking GET of the RMON state; an answer replaces the holder's text, no answer leaves it
// and shows why in the main window's status line.
std::string ReadRmonState(TMainForm& form) {
    QsSNMPRequest request;
    request.List = QsSNMPVarList(RmonStateVars, SVT_SV, 0);
    bool ok = false;
    request.GetSync(ok, true);
    if (ok) {
        form.ST_RmonState->SetCaption(QString::fromStdString(request.List.GetVar(0)->Value));
    } else if (request.GetErrorSequence() > 0) {
        form.SetStatusText(QString::fromStdString(request.LastError.message)); // the menu says why
    }
    return form.ST_RmonState->Caption().toStdString();
}

void RunDirect(TMainForm& form, DirectCommand command) {
    auto toStatus = [&form](const std::string& text) { form.SetStatusText(QString::fromStdString(text)); };
    switch (command) {
    case DirectCommand::Reboot:
        RunReboot(
            [&form](const std::string& text, const std::string& caption) {
                return MessageBox(&form, QString::fromStdString(text), QString::fromStdString(caption),
                                  MB_YESNO | MB_ICONQUESTION) == IDYES;
            },
            SendScalarSet,
            [&form](const std::string& message) {
                MessageBox(&form, QString::fromStdString(message), Application->Title, MB_OK);
            });
        break;
    case DirectCommand::RmonStateRead:
        RunRmonMenuRead(
            &form, [&form] { return ReadRmonState(form); }, toStatus);
        break;
    case DirectCommand::RefreshPanel:
        form.Refresh1Click(&form);
        break;
    }
}

void BuildCatalogueMenu(TMainForm& form, TMainMenu& menu) {
    MenuCommandHandlers handlers;
    handlers.page = [](const PageDef& page) {
        if (PageOpener()) {
            RunPageCommand(page, PageOpener());
        }
    };
    handlers.dialog = [&form](const DialogDef& dialog) {
        RunDialogCommand(dialog, Dialogs(), DeviceAddress, [&form](const std::string& text) {
            form.SetStatusText(QString::fromStdString(text));
        });
    };
    handlers.tool = [&form](const std::string& topic) { form.RunMibTool(topic, ""); };
    handlers.direct = [&form](DirectCommand command) { RunDirect(form, command); };
    FillMainMenu(&form, menu, MainMenuItems(), handlers);
}

} // namespace

void SetPageOpener(std::function<void(const PageDef&)> opener) {
    PageOpener() = std::move(opener);
}

void InstallCatalogueMenu() {
    TMainForm::SetMenuBuilder(&BuildCatalogueMenu);
}

} // namespace qs
