#include "AccessMarks.h"

#include "QsSNMPRequest2Controls.h"
#include "QsSNMPVarList.h"

#include <algorithm>

namespace qs {

AccessMarks::AccessMarks(QsSNMPVarList& list) : list_(list) {
    for (int i = 0; i < list.GetCount(); ++i) {
        saved_.push_back(list.GetVar(i)->Access);
    }
}

AccessMarks::~AccessMarks() {
    RestoreAll();
}

void AccessMarks::Exclude(std::span<const int> columns) {
    for (const int c : columns) {
        if (c >= 0 && c < static_cast<int>(saved_.size())) {
            list_.GetVar(c)->Access |= ACC_INVALID;
        }
    }
}

void AccessMarks::Restore(std::span<const int> columns) {
    for (const int c : columns) {
        if (c >= 0 && c < static_cast<int>(saved_.size())) {
            list_.GetVar(c)->Access = saved_[static_cast<std::size_t>(c)];
        }
    }
}

void AccessMarks::KeepOnly(std::span<const int> managed, std::span<const int> keep) {
    for (const int c : managed) {
        const bool kept = std::find(keep.begin(), keep.end(), c) != keep.end();
        const int one[] = {c};
        kept ? Restore(one) : Exclude(one);
    }
}

void AccessMarks::RestoreAll() {
    const int count = std::min(list_.GetCount(), static_cast<int>(saved_.size()));
    for (int i = 0; i < count; ++i) {
        list_.GetVar(i)->Access = saved_[static_cast<std::size_t>(i)];
    }
}

bool SendSequence(QsSNMPRequest2Controls& request, std::span<const int> managed,
                  const std::vector<SetStep>& steps, bool refreshAfterSet) {
    AccessMarks marks(request.Request.List);
    for (const SetStep& step : steps) {
        marks.KeepOnly(managed, step);
        if (!request.Apply(refreshAfterSet, true, std::string(), nullptr)) {
            return false;
        }
    }
    return true;
}

} // namespace qs
