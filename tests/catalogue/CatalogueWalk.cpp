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
