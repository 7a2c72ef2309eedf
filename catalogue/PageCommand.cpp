#include "PageCommand.h"

#include "AddressValidators.h"
#include "CatalogueMenu.h"
#include "Edit.h"
#include "GUIConfigForm.h"
#include "MainUnit.h"
#include "PageHooks.h"
#include "QsException.h"
#include "QsSNMPRequest2Edits.h"

#include <cstring>

namespace qs {
namespace {

using Validator = bool (*)(TControl*);

// The validators a format may name, by the name the catalogue gives them.
Validator ValidatorNamed(const char* name) {
    struct Entry {
        const char* name;
        Validator check;
    };
    static const Entry kValidators[] = {
        {"IsValidIPv4Control", IsValidIPv4Control},   {"IsMulticastIPv4Control", IsMulticastIPv4Control},
        {"IsIPv6HexControl", IsIPv6HexControl},       {"IsMulticastIPv6Control", IsMulticastIPv6Control},
        {"IsValidMacControl", IsValidMacControl},     {"IsMulticastMacControl", IsMulticastMacControl},
        {"IsUnicastMacControl", IsUnicastMacControl}, {"IsValidRecoverTime", IsValidRecoverTime},
    };
    for (const Entry& e : kValidators) {
        if (std::strcmp(e.name, name) == 0) {
            return e.check;
        }
    }
    throw QsException(std::string("Unknown validator ") + name, 0);
}

QsSNMPRequest2Edits* NewRequest(TConfigForm& form, const QsSNMPVarDesc* vars, std::uint8_t itemType, int keys,
                                int timeout) {
    auto* request = new QsSNMPRequest2Edits(&form);
    request->Request.List = QsSNMPVarList(vars, itemType, keys);
    if (timeout > 0) {
        request->Request.Timeout = timeout;
    }
    return request;
}

void ApplyFormats(TSNMPEditorPanel& panel, std::span<const FormatDef> formats) {
    for (const FormatDef& f : formats) {
        if (f.validator != nullptr) {
            panel.SetVarFormatChecked(f.var, f.format, ValidatorNamed(f.validator));
        } else {
            panel.SetVarFormat(f.var, f.format);
        }
    }
}

TSNMPEditorPanel* AddPanel(TConfigForm& form, const PageDef& page) {
    QsSNMPRequest2Edits* request = NewRequest(form, page.vars, page.itemType, page.keyCount, page.timeout);
    if (page.kind == PageKind::List) {
        return form.SetListViewPage(request, page.add.var, page.add.text, page.del.var, page.del.text);
    }
    return form.SetEditorPage(request);
}

// Edit hidden, double-click editing off where asked, Stop shown where asked; the button column
// closes up again.
void ApplyButtons(TSNMPEditorPanel& panel, bool editHidden, bool doubleClick, bool stopShown) {
    auto* list = dynamic_cast<TSNMPListViewPanel*>(&panel);
    if (list == nullptr || !editHidden) {
        return;
    }
    panel.BtnPanel->EditBtn->Hide();
    if (stopShown) {
        panel.BtnPanel->StopBtn->Show();
    }
    if (!doubleClick) {
        list->ListPanel->ListView->OnDblClick = nullptr;
    }
    panel.BtnPanel->Arrange();
}

void AddTabs(TConfigForm& form, const PageDef& page) {
    form.MakePaged();
    for (const TabDef& tab : page.tabs) {
        QsSNMPRequest2Edits* request = NewRequest(form, tab.vars, tab.itemType, tab.keyCount, page.timeout);
        // On the request's own copy, before the tab builds its grid and columns from it.
        if (tab.readKey >= 0) {
            request->Request.List.GetVar(tab.readKey)->Access = ACC_READONLY;
        }
        TSNMPEditorPanel* panel = tab.kind == PageKind::List
                                      ? form.AddListViewPage(tab.caption, request, tab.add.var, tab.add.text,
                                                             tab.del.var, tab.del.text)
                                      : form.AddEditorPage(tab.caption, request);
        ApplyFormats(*panel, tab.formats);
        ApplyButtons(*panel, tab.editHidden, tab.doubleClick, tab.stopShown);
    }
}

void ApplySettings(TConfigForm& form, TSNMPEditorPanel& panel, const PageDef& page) {
    if (page.hook != nullptr) {
        InstallPageHook(page.hook, panel);
    }
    ApplyFormats(panel, page.formats);
    if (page.valueWidth == kKeepCurrentWidth && panel.EditsPanel->ItemCount() > 0) {
        panel.SetLabelWidth(panel.EditsPanel->Items[0].Control->Width());
    } else if (page.valueWidth > 0) {
        panel.SetLabelWidth(page.valueWidth);
    }
    if (page.portList.var >= 0) {
        panel.EditsPanel->SetPortListItem(page.portList.var, page.portList.columns, page.portList.count);
    }
    for (const TagDef& t : page.tags) {
        panel.EditsPanel->Items[static_cast<std::size_t>(t.var)].Control->Tag = t.tag;
    }
    ApplyButtons(panel, page.editHidden, page.doubleClick, page.stopShown);
    if (page.pageHeight > 0) {
        form.SetHeight(page.pageHeight);
    }
}

} // namespace

std::unique_ptr<TConfigForm> BuildPage(const PageDef& page) {
    auto form = std::make_unique<TConfigForm>();
    form->SetCaption(QString::fromUtf8(page.title) + QStringLiteral(": ") +
                     QString::fromStdString(DeviceAddress));
    if (page.kind == PageKind::Paged) {
        AddTabs(*form, page);
        if (page.pageHeight > 0) {
            form->SetHeight(page.pageHeight);
        }
    } else {
        ApplySettings(*form, *AddPanel(*form, page), page);
    }
    return form;
}

void OpenPage(const PageDef& page) {
    std::unique_ptr<TConfigForm> form = BuildPage(page);
    form->ShowModal();
}

void InstallPageOpener() {
    SetPageOpener(OpenPage);
}

} // namespace qs
