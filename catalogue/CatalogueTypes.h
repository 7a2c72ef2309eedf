// The main menu as data: page definitions, dialog and tool commands, and the menu tree that
// binds them to items. Everything here is constant data; the page framework, the dialog
// registry and the menu builder turn it into windows.
#pragma once

#include "QsSNMPVar.h"

#include <cstdint>
#include <span>

namespace qs {

enum class PageKind : std::uint8_t {
    Editor, // one editor panel over scalars (or the last row of a table)
    List,   // one list-view panel over a table, with optional Add and Delete
    Paged,  // tab sheets, each with its own request and panel
};

// A row-status operation of a list page: the status column and the option text it writes.
// var -1 means the page has no such button.
struct StatusDef {
    int var = -1;
    const char* text = nullptr;
};

// An edit format for one variable, applied in table order. With a validator name the format
// is attached together with that named check function.
struct FormatDef {
    int var = 0;
    const char* format = nullptr;
    const char* validator = nullptr;
};

// An edit turned into a port-list field that opens a port picker.
struct PortListDef {
    int var = -1;
    int columns = 0;
    int count = 0;
};

// A Tag written on one value control after the page is built.
struct TagDef {
    int var = 0;
    int tag = 0;
};

// Value width that leaves every value control as wide as the layout made the first one.
inline constexpr int kKeepCurrentWidth = -1;

// One tab sheet of a paged form.
struct TabDef {
    const char* caption = nullptr;
    PageKind kind = PageKind::Editor; // Editor or List
    const QsSNMPVarDesc* vars = nullptr;
    std::uint8_t itemType = 0;
    int keyCount = 0;
    StatusDef add;
    StatusDef del;
    std::span<const FormatDef> formats;
    bool editHidden = false;
    bool doubleClick = true; // with editHidden: whether a double-click still edits
    bool stopShown = false;
    int readKey = -1; // a key column the tab also reads from the agent, as a readonly column
};

// Everything a generic page command builds its page from.
// A page's command is named after its menu item: object name plus "Click".
struct PageDef {
    const char* title = nullptr; // caption before ": " and the device address
    PageKind kind = PageKind::Editor;
    const QsSNMPVarDesc* vars = nullptr; // null for a paged form
    std::uint8_t itemType = 0;           // QsItemType
    int keyCount = 0;
    StatusDef add;
    StatusDef del;
    std::span<const FormatDef> formats;
    int valueWidth = 0; // 0: the editor's default; kKeepCurrentWidth
    PortListDef portList;
    std::span<const TagDef> tags;
    bool editHidden = false;
    bool doubleClick = true; // with editHidden: whether a double-click still edits
    bool stopShown = false;
    bool forceV2cIfV1 = false; // read with SNMPv2c when SNMPv1 is configured
    int pageHeight = 0;        // 0: as built
    int timeout = 0;           // hundredths of a second; 0: the default time-out
    std::span<const TabDef> tabs;
    const char* hook = nullptr; // name of a page hook installed after the build
};

enum class DialogOwner : std::uint8_t { Application, MainForm };

// What a dialog command does with the class's global instance pointer.
enum class GlobalPolicy : std::uint8_t {
    Set,       // set after the constructor returns, cleared after the dialog is deleted
    Untouched, // the class has a global; this command leaves it alone
    NoGlobal,  // the class has none
};

// A dialog command.
struct DialogDef {
    const char* className = nullptr; // "TCurrentTimeForm"
    const char* title = nullptr;     // null: the command sets no caption
    DialogOwner owner = DialogOwner::Application;
    GlobalPolicy global = GlobalPolicy::Set;
    int mode = -1;                  // second constructor argument; -1: none
    bool catchToMainStatus = false; // exceptions go to the main status line
};

enum class DirectCommand : std::uint8_t { Reboot, RmonStateRead, RefreshPanel };

enum class CommandKind : std::uint8_t {
    None,      // a submenu or placeholder without a command
    Separator, // a dash between items
    Page,
    Dialog,
    Tool,
    Direct,
    Empty, // a command that does nothing
};

// One item of the main menu. An item with children opens a submenu; if it also has a command,
// the command runs before the submenu opens.
struct MenuEntry {
    const char* caption = nullptr; // exact, including blanks and line feeds
    const char* objectName = nullptr;
    bool hidden = false; // the item itself is invisible (and so are its children)
    CommandKind kind = CommandKind::None;
    const PageDef* page = nullptr;
    const DialogDef* dialog = nullptr;
    const char* topic = nullptr; // external MIB tool topic, "/TMIB_Info"
    DirectCommand direct = DirectCommand::Reboot;
    std::span<const MenuEntry> children;
};

} // namespace qs
