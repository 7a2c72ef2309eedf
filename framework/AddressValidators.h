// The address validators: each reads a control's text and applies its rule. The IPv4 check and
// the recover-time check show their own simple message box when the text fails.
#pragma once

class TControl;

bool IsValidIPv4Control(TControl* control);
bool IsMulticastIPv4Control(TControl* control);
bool IsIPv6HexControl(TControl* control);
bool IsMulticastIPv6Control(TControl* control);
bool IsValidMacControl(TControl* control);
bool IsMulticastMacControl(TControl* control);
bool IsUnicastMacControl(TControl* control);
bool IsValidRecoverTime(TControl* control);
