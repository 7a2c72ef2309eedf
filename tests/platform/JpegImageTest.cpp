#include "JpegImage.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

struct Picture {
    const char* name;
    int width;
    int height;
};

class PanelPicture : public testing::TestWithParam<Picture> {};

// The overlays are laid over the device picture at fixed rectangles, so their sizes matter.
TEST_P(PanelPicture, DecodesAtItsDesignedSize) {
    const Picture& p = GetParam();
    qs::JpegImage image;
    ASSERT_TRUE(qs::DecodeJpegFile(std::string(KRS_RESOURCES_DIR) + "/panel/" + p.name, image));
    EXPECT_EQ(image.width, p.width);
    EXPECT_EQ(image.height, p.height);
    EXPECT_EQ(image.rgb.size(), static_cast<std::size_t>(p.width * p.height * 3));
}

INSTANTIATE_TEST_SUITE_P(Panel, PanelPicture,
                         testing::Values(Picture{"front.jpg", 795, 109}, Picture{"copper-green.jpg", 26, 12},
                                         Picture{"copper-orange.jpg", 26, 12},
                                         Picture{"fibre-green.jpg", 32, 12},
                                         Picture{"fibre-orange.jpg", 32, 12}),
                         [](const auto& param) { return std::to_string(param.index); });

TEST(JpegImage, RefusesWhatIsNoPictureWithoutEndingTheProgram) {
    qs::test::TempDir dir;
    dir.Write("text.jpg", "this is not a picture");
    dir.Write("empty.jpg", "");
    dir.Write("header-only.jpg", std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10));
    for (const char* name : {"text.jpg", "empty.jpg", "header-only.jpg", "missing.jpg"}) {
        qs::JpegImage image;
        EXPECT_FALSE(qs::DecodeJpegFile(dir.Path(name), image)) << name;
        EXPECT_EQ(image.width, 0) << name;
        EXPECT_TRUE(image.rgb.empty()) << name;
    }
}

} // namespace
