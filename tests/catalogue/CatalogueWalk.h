// Every entry of the main menu with its place, for tests over the whole catalogue.
#pragma once

#include "MainMenu.h"

#include <string>
#include <vector>

struct PlacedEntry {
    const qs::MenuEntry* entry;
    qs::MenuPlace place;
};

std::vector<PlacedEntry> AllMenuEntries();
std::vector<PlacedEntry> EntriesOfKind(qs::CommandKind kind);

// One descriptor table with the settings that refer into it: a page, or one tab of a page.
struct PanelView {
    std::string where;
    const QsSNMPVarDesc* vars;
    std::uint8_t itemType;
    int keyCount;
    qs::StatusDef add;
    qs::StatusDef del;
    std::span<const qs::FormatDef> formats;
    bool editHidden = false;
};

std::vector<PanelView> AllPanels();
