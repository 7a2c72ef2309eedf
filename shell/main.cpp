// The program: started by the management platform with the device address and its SNMP
// credentials as parameters ("/I10.0.0.5", "/Rpublic", ...).
#include "AclDialogs.h"
#include "CatalogueMenu.h"
#include "DialogClasses.h"
#include "FormFont.h"
#include "Layer2Dialogs.h"
#include "MainUnit.h"
#include "PageCommand.h"
#include "SecurityDialogs.h"
#include "StartupRules.h"

#include <QApplication>

int main(int argc, char** argv) {
    qs::FixFontResolution(); // the forms are laid out for 96 pixels per inch
    QApplication app(argc, argv);
    std::vector<std::string> parameters;
    for (int i = 1; i < argc; ++i) {
        parameters.emplace_back(argv[i]);
    }
    // Other users can read the process list: the communities and pass phrases leave it now.
    qs::HideSecretArguments(argc, argv);
    qs::InstallCatalogueMenu();
    qs::InstallPageOpener();
    qs::RegisterLayer2Dialogs(qs::Dialogs());
    qs::RegisterSecurityDialogs(qs::Dialogs());
    qs::RegisterAclDialogs(qs::Dialogs());
    return qs::RunMainProgram(parameters);
}
