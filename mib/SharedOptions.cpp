#include "SharedOptions.h"

const QsOption EnabledDisabledOptions[] = {{1, "enabled"}, {2, "disabled"}, {}};
const QsOption TrueFalseOptions[] = {{1, "true"}, {2, "false"}, {}};
const QsOption DisabledEnabledOptions[] = {{2, "disabled"}, {3, "enabled"}, {}};
const QsOption RowStatusShortOptions[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};
const QsOption RowStatusOptions[] = {{1, "active"},
                                     {2, "notInService"},
                                     {3, "notReady"},
                                     {4, "createAndGo"},
                                     {5, "createAndWait"},
                                     {6, "destroy"},
                                     {}};
const QsOption StorageTypeOptions[] = {{1, "other"},     {2, "volatile"}, {3, "nonVolatile"},
                                       {4, "permanent"}, {5, "readOnly"}, {}};
const QsOption OtherStartOptions[] = {{1, "other"}, {2, "start"}, {}};
const QsOption EnableDisableOptions[] = {{1, "enable"}, {2, "disable"}, {}};
const QsOption DisabledEnabled12Options[] = {{1, "disabled"}, {2, "enabled"}, {}};
const QsOption NoneStartOptions[] = {{1, "none"}, {2, "start"}, {}};
const QsOption InactiveActiveOptions[] = {{1, "inactive"}, {2, "active"}, {}};
