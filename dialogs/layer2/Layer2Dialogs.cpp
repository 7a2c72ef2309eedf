#include "Layer2Dialogs.h"

#include "DialogEntry.h"
#include "Vlancurrenttableformunit.h"
#include "Vlanportinfomationunit.h"
#include "Vlanstaticformunit.h"

namespace qs {

void RegisterLayer2Dialogs(DialogRegistry& registry) {
    registry.Register("TVlanStaticForm", DialogEntry<TVlanStaticForm>(&VlanStaticForm));
    registry.Register("TVLanCurrentTableForm", DialogEntry<TVLanCurrentTableForm>(&VLanCurrentTableForm));
    registry.Register("TVLanPortInfomationForm",
                      DialogEntry<TVLanPortInfomationForm>(&VLanPortInfomationForm));
}

} // namespace qs
