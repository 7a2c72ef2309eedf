// The managed model's fixed name, the (empty) device text that sub-dialog captions carry, the
// port count of a model and the part list that binds one unit's 64 port boxes to its bits.
#pragma once

#include <string>

// "KRS-5400-28 Vorev Ethernet": the picker's caption suffix and the input of PortCountOfModel.
extern const std::string DeviceModelName;
// Empty and never assigned; dialogs append it to provisional captions, where it adds nothing.
extern const std::string DeviceAddressText;

// 10 for "KRS-5400-10", 18 for "KRS-5400-18" (both without regard to case), otherwise 28.
int PortCountOfModel(const std::string& modelName);

// "0,1,...,63": box i of a unit's port boxes carries bit position i of the port list.
std::string PortNameList();
