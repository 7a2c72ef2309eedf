#include "SnmpErrors.h"

#include "MessageTable.h"
#include "QsException.h"

namespace qs {

namespace {

struct CodeRange {
    int first; // the range's code nearest to zero
    int last;
    MessageTable& (*table)();
    int firstEntry; // the entry of `first`
};

const CodeRange* FindRange(int code) {
    static const CodeRange ranges[] = {
        {0, 0, QsSnmpErrTable, 0},       {-1, -25, CommonErrTable, 1},     {-101, -118, SnmpErrTable, 0},
        {-201, -217, SnmpV3ErrTable, 0}, {-301, -314, SnmpUsmErrTable, 0}, {-401, -423, SnmpClassErrTable, 0},
        {-501, -530, QsSnmpErrTable, 1},
    };
    for (const auto& range : ranges) {
        if (code <= range.first && code >= range.last) {
            return &range;
        }
    }
    return nullptr;
}

} // namespace

std::string FrameworkErrorText(int code) {
    const CodeRange* range = FindRange(code);
    if (range == nullptr) {
        range = FindRange(err::UnknownStatus);
        code = err::UnknownStatus;
    }
    return range->table().Text(range->first - code + range->firstEntry);
}

void RaiseFrameworkError(int code) {
    throw QsException(FrameworkErrorText(code), code);
}

} // namespace qs

namespace {

int FrameworkCodeOf(int status) {
    if (status == 0 || status == 1400 || status == -1401) {
        return qs::err::Ok;
    }
    if (status == 1407) {
        return qs::err::ShortPassPhrase; // a plain word, not the library's "authentication error"
    }
    if (status >= 1401 && status <= 1414) {
        return 1100 - status;
    }
    if (status >= -1418 && status <= -1402) {
        return status + 1201;
    }
    if (status >= 1 && status <= 18) {
        return -100 - status;
    }
    if (status >= -23 && status <= -1) {
        return status - 400;
    }
    return qs::err::UnknownStatus;
}

} // namespace

qs::MappedStatus MapSnmpStatus(int status) {
    const int code = FrameworkCodeOf(status);
    return {code, qs::FrameworkErrorText(code)};
}
