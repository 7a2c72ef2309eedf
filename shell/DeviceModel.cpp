#include "DeviceModel.h"

#include <algorithm>
#include <cctype>

const std::string DeviceModelName = "KRS-5400-28 Vorev Ethernet";
const std::string DeviceAddressText;

namespace {
bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}
} // namespace

int PortCountOfModel(const std::string& modelName) {
    if (SameTextIgnoringCase(modelName, "KRS-5400-10")) {
        return 10;
    }
    if (SameTextIgnoringCase(modelName, "KRS-5400-18")) {
        return 18;
    }
    return 28;
}

std::string PortNameList() {
    std::string text;
    for (int i = 0; i < 64; ++i) {
        if (i > 0) {
            text += ',';
        }
        text += std::to_string(i);
    }
    return text;
}
