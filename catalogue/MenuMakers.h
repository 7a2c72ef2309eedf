// Short forms of the menu entries.
#pragma once

#include "CatalogueTypes.h"

namespace qs {

inline constexpr bool kHidden = true;

constexpr MenuEntry PageItem(const char* caption, const char* name, const PageDef& page,
                             bool hidden = false) {
    return {
        .caption = caption, .objectName = name, .hidden = hidden, .kind = CommandKind::Page, .page = &page};
}

constexpr MenuEntry DialogItem(const char* caption, const char* name, const DialogDef& dialog) {
    return {.caption = caption, .objectName = name, .kind = CommandKind::Dialog, .dialog = &dialog};
}

constexpr MenuEntry ToolItem(const char* caption, const char* name, const char* topic) {
    return {.caption = caption, .objectName = name, .kind = CommandKind::Tool, .topic = topic};
}

constexpr MenuEntry Submenu(const char* caption, const char* name, std::span<const MenuEntry> children,
                            bool hidden = false) {
    return {.caption = caption, .objectName = name, .hidden = hidden, .children = children};
}

// An item without a command (its submenu comes with its own feature area, or it is unused).
constexpr MenuEntry Placeholder(const char* caption, const char* name, bool hidden = false) {
    return {.caption = caption, .objectName = name, .hidden = hidden};
}

constexpr MenuEntry Separator(const char* name) {
    return {.caption = "-", .objectName = name, .kind = CommandKind::Separator};
}

constexpr MenuEntry DirectItem(const char* caption, const char* name, DirectCommand command,
                               std::span<const MenuEntry> children = {}) {
    return {.caption = caption,
            .objectName = name,
            .kind = CommandKind::Direct,
            .direct = command,
            .children = children};
}

constexpr MenuEntry EmptyItem(const char* caption, const char* name,
                              std::span<const MenuEntry> children = {}) {
    return {.caption = caption, .objectName = name, .kind = CommandKind::Empty, .children = children};
}

} // namespace qs
