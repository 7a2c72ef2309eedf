// The model name, the port count of a model and the port part list.

#include "DeviceModel.h"

#include <gtest/gtest.h>

namespace {

TEST(PortCountOfModel, KnowsTheSmallModelsWithoutRegardToCase) {
    const struct {
        const char* name;
        int ports;
    } cases[] = {{"KRS-5400-10", 10},  {"krs-5400-10", 10}, {"Krs-5400-18", 18},
                 {"KRS-5400-10 ", 28}, {"KRS-5400-28", 28}, {"", 28}};
    for (const auto& c : cases) {
        EXPECT_EQ(PortCountOfModel(c.name), c.ports) << '"' << c.name << '"';
    }
    EXPECT_EQ(PortCountOfModel(DeviceModelName), 28);
}

TEST(DeviceModel, FixedTexts) {
    EXPECT_EQ(DeviceModelName, "KRS-5400-28 Vorev Ethernet");
    EXPECT_EQ(DeviceAddressText, "");
}

TEST(PortNameList, NamesTheSixtyFourBitPositions) {
    const std::string text = PortNameList();
    EXPECT_EQ(text.substr(0, 8), "0,1,2,3,");
    EXPECT_EQ(text.substr(text.size() - 6), ",62,63");
    EXPECT_EQ(std::count(text.begin(), text.end(), ','), 63);
    EXPECT_EQ(text.find(' '), std::string::npos);
}

} // namespace
