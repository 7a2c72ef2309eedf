#include "CatalogueWalk.h"

std::vector<PlacedEntry> AllMenuEntries() {
    std::vector<PlacedEntry> all;
    qs::ForEachMenuEntry(qs::MainMenuItems(), [&](const qs::MenuEntry& entry, const qs::MenuPlace& place) {
        all.push_back({&entry, place});
    });
    return all;
}

std::vector<PlacedEntry> EntriesOfKind(qs::CommandKind kind) {
    std::vector<PlacedEntry> found;
    for (const PlacedEntry& e : AllMenuEntries()) {
        if (e.entry->kind == kind) {
            found.push_back(e);
        }
    }
    return found;
}

std::vector<PanelView> AllPanels() {
    std::vector<PanelView> panels;
    for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
        const qs::PageDef& p = *e.entry->page;
        if (p.kind != qs::PageKind::Paged) {
            panels.push_back(
                {e.place.path, p.vars, p.itemType, p.keyCount, p.add, p.del, p.formats, p.editHidden});
        }
        for (const qs::TabDef& tab : p.tabs) {
            panels.push_back({e.place.path + " / " + tab.caption, tab.vars, tab.itemType, tab.keyCount,
                              tab.add, tab.del, tab.formats});
        }
    }
    return panels;
}
