// Every entry of the main menu with its place, for tests over the whole catalogue.
#pragma once

#include "MainMenu.h"

#include <vector>

struct PlacedEntry {
    const qs::MenuEntry* entry;
    qs::MenuPlace place;
};

std::vector<PlacedEntry> AllMenuEntries();
std::vector<PlacedEntry> EntriesOfKind(qs::CommandKind kind);
