#include "MainMenuBar.h"

#include "DirectCommands.h"
#include "Form.h"
#include "Menu.h"

#include <QAction>
#include <QMenu>

#include <exception>
#include <memory>

namespace qs {

namespace {

// Menu texts treat "&" as an accelerator mark; the captions are shown as they stand.
QString MenuText(const char* caption) {
    return QString::fromUtf8(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

using Handlers = std::shared_ptr<const MenuCommandHandlers>;

TNotifyEvent CommandOf(const MenuEntry& entry, const Handlers& handlers) {
    switch (entry.kind) {
    case CommandKind::Page:
        return [handlers, page = entry.page](TObject*) {
            if (handlers->page) {
                handlers->page(*page);
            }
        };
    case CommandKind::Dialog:
        return [handlers, dialog = entry.dialog](TObject*) {
            if (handlers->dialog) {
                handlers->dialog(*dialog);
            }
        };
    case CommandKind::Tool:
        return [handlers, topic = std::string(entry.topic)](TObject*) {
            if (handlers->tool) {
                handlers->tool(topic);
            }
        };
    case CommandKind::Direct:
        return [handlers, direct = entry.direct](TObject*) {
            if (handlers->direct) {
                handlers->direct(direct);
            }
        };
    default:
        return nullptr;
    }
}

TMenuItem* BuildItem(TForm* form, const MenuEntry& entry, const Handlers& handlers) {
    auto* item = new TMenuItem(form);
    const QString name = QString::fromUtf8(entry.objectName);
    item->SetName(name);
    item->Action()->setObjectName(name);
    item->SetCaption(MenuText(entry.caption));
    item->SetVisible(!entry.hidden);
    item->OnClick = CommandOf(entry, handlers);
    for (const MenuEntry& child : entry.children) {
        item->Add(BuildItem(form, child, handlers));
    }
    if (!entry.children.empty() && item->OnClick) {
        QObject::connect(item->Action()->menu<QMenu*>(), &QMenu::aboutToShow, item,
                         [item] { item->Click(); });
    }
    return item;
}

} // namespace

void FillMainMenu(TForm* form, TMainMenu& menu, std::span<const MenuEntry> items,
                  const MenuCommandHandlers& handlers) {
    const auto shared = std::make_shared<const MenuCommandHandlers>(handlers);
    for (const MenuEntry& entry : items) {
        menu.Add(BuildItem(form, entry, shared));
    }
}

TMainMenu* BuildMainMenu(TForm* form, std::span<const MenuEntry> items, const MenuCommandHandlers& handlers) {
    auto* menu = new TMainMenu(form);
    menu->SetName(QStringLiteral("MainMenu1"));
    FillMainMenu(form, *menu, items, handlers);
    return menu;
}

void ApplyRmonState(TForm* form, const std::string& stateText) {
    const std::optional<bool> enabled = RmonToolsEnabled(stateText);
    if (!enabled) {
        return;
    }
    for (const char* name : kRmonToolItems) {
        if (auto* item = dynamic_cast<TMenuItem*>(form->FindComponent(QString::fromLatin1(name)))) {
            item->SetEnabled(*enabled);
        }
    }
}

void RunRmonMenuRead(TForm* form, const std::function<std::string()>& readState,
                     const std::function<void(const std::string&)>& mainStatus) {
    std::string stateText;
    try {
        stateText = readState();
    } catch (const std::exception& e) {
        if (mainStatus) {
            mainStatus(e.what());
        }
        return;
    }
    ApplyRmonState(form, stateText);
}

} // namespace qs
