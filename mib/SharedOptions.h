// Option-table contents that many enumerated columns of the switch's MIB share. Each column
// still gets its own option list built from one of these tables.
#pragma once

#include "QsOptionList.h"

extern const QsOption EnabledDisabledOptions[];
extern const QsOption TrueFalseOptions[];
extern const QsOption DisabledEnabledOptions[];
extern const QsOption RowStatusShortOptions[];
extern const QsOption RowStatusOptions[];
extern const QsOption StorageTypeOptions[];
extern const QsOption OtherStartOptions[];
extern const QsOption EnableDisableOptions[];
extern const QsOption DisabledEnabled12Options[];
extern const QsOption NoneStartOptions[];
extern const QsOption InactiveActiveOptions[];
