// Short forms of the page definitions that most pages share.
#pragma once

#include "CatalogueTypes.h"
#include "QsSNMPVarList.h"

namespace qs {

// An editor page over scalars.
constexpr PageDef ScalarPage(const char* title, const QsSNMPVarDesc* vars) {
    return {.title = title, .kind = PageKind::Editor, .vars = vars, .itemType = SVT_SV};
}

// A table page without Add and Delete.
constexpr PageDef ListPage(const char* title, const QsSNMPVarDesc* vars, std::uint8_t itemType, int keys) {
    return {.title = title, .kind = PageKind::List, .vars = vars, .itemType = itemType, .keyCount = keys};
}

// A table whose rows are only added and deleted: Edit is hidden and a double-click does nothing.
constexpr PageDef AddDeletePage(const char* title, const QsSNMPVarDesc* vars, int keys, int statusVar) {
    return {.title = title,
            .kind = PageKind::List,
            .vars = vars,
            .itemType = MVT_UMV,
            .keyCount = keys,
            .add = {statusVar, "createAndGo"},
            .del = {statusVar, "destroy"},
            .editHidden = true,
            .doubleClick = false};
}

// A table page whose rows are added and deleted through its row-status column; Edit stays.
constexpr PageDef WithAddDelete(PageDef page, int statusVar) {
    page.add = {statusVar, "createAndGo"};
    page.del = {statusVar, "destroy"};
    return page;
}

constexpr PageDef WithHeight(PageDef page, int height) {
    page.pageHeight = height;
    return page;
}

constexpr PageDef WithTimeout(PageDef page, int timeout) {
    page.timeout = timeout;
    return page;
}

constexpr PageDef WithFormats(PageDef page, std::span<const FormatDef> formats) {
    page.formats = formats;
    return page;
}

} // namespace qs
