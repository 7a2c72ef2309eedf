#include "BootCounterFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace qs::bootcounter {
namespace {

namespace fs = std::filesystem;

const std::string kEngine = "QsSNMP_PP_Application";

class BootCounterFile : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/krs-boots-XXXXXX";
        dir_ = ::mkdtemp(pattern);
        file_ = dir_ + "/QsSNMP_PP_BootCounter";
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Contents() const {
        std::ifstream in(file_);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::string dir_;
    std::string file_;
};

TEST(BootCounterEncoding, EachOctetBecomesTwoLettersFromAt) {
    EXPECT_EQ(EncodeEngineId(kEngine), "EAGCECDNDME@EOE@E@EODAG@G@FLFIFCFAGDFIFOFN");
    EXPECT_EQ(EncodeEngineId(std::string("\x00\xff", 2)), "@@OO");
}

TEST_F(BootCounterFile, MissingFileIsAnOpenErrorWithZeroBoots) {
    unsigned boots = 7;
    EXPECT_EQ(Read(file_, kEngine, boots), OpenError);
    EXPECT_EQ(boots, 0u);
}

TEST_F(BootCounterFile, NewFileGetsTheCommentHeaderAndOneEntry) {
    ASSERT_EQ(Save(file_, kEngine, 1), Ok);
    const std::string text = Contents();
    EXPECT_EQ(text.rfind("# \n# This file was created", 0), 0u);
    EXPECT_NE(text.find("\nEAGCECDNDME@EOE@E@EODAG@G@FLFIFCFAGDFIFOFN 1\n"), std::string::npos);
    int comments = 0;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        comments += line.rfind('#', 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(comments, 8);
    EXPECT_FALSE(fs::exists(file_ + ".tmp"));
    unsigned boots = 0;
    EXPECT_EQ(Read(file_, kEngine, boots), Ok);
    EXPECT_EQ(boots, 1u);
}

TEST_F(BootCounterFile, SavingUpdatesOnlyThisEngineAndDropsDuplicates) {
    std::ofstream(file_) << "# kept\nAAAA 5\n"
                         << EncodeEngineId(kEngine) << " 3\n"
                         << EncodeEngineId(kEngine) << " 9\n";
    unsigned boots = 0;
    ASSERT_EQ(Read(file_, kEngine, boots), Ok);
    EXPECT_EQ(boots, 3u);
    ASSERT_EQ(Save(file_, kEngine, 4), Ok);
    EXPECT_EQ(Contents(), "# kept\nAAAA 5\n" + EncodeEngineId(kEngine) + " 4\n");
}

TEST_F(BootCounterFile, OtherEnginesOnlyMeansNoEntry) {
    std::ofstream(file_) << "# c\nAAAA 5\n";
    unsigned boots = 9;
    EXPECT_EQ(Read(file_, kEngine, boots), NoEntry);
    EXPECT_EQ(boots, 0u);
}

TEST_F(BootCounterFile, EntryWithoutANumberIsABadLine) {
    std::ofstream(file_) << EncodeEngineId(kEngine) << " x\n";
    unsigned boots = 0;
    EXPECT_EQ(Read(file_, kEngine, boots), BadLine);
}

TEST_F(BootCounterFile, UnwritablePlaceFailsToSave) {
    const std::string missing = dir_ + "/no/such/dir/QsSNMP_PP_BootCounter";
    EXPECT_NE(Save(missing, kEngine, 1), Ok);
    EXPECT_EQ(Save(file_, std::string(40, 'x'), 1), TooLong);
}

} // namespace
} // namespace qs::bootcounter
