// krs-sim's command line and its users file.
#include "Options.h"

#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace krssim {
namespace {

using testing::HasSubstr;

bool parse(std::vector<std::string> args, Options& options, std::string& error) {
    args.insert(args.begin(), "krs-sim");
    std::vector<char*> argv;
    for (auto& a : args) {
        argv.push_back(a.data());
    }
    return parseOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

TEST(OptionsTest, ReadsEveryOption) {
    Options o;
    std::string error;
    ASSERT_TRUE(parse({"--port",
                       "0",
                       "--ipv6",
                       "--read-community",
                       "r",
                       "--write-community",
                       "w",
                       "--user",
                       "alice:SHA:alicepass1:DES:aliceprivpass",
                       "--journal",
                       "j",
                       "--save",
                       "s",
                       "--no-answer",
                       "--delay",
                       "250",
                       "--drop-every",
                       "4",
                       "--set-error",
                       ".1.3.6.1.2.1.1.5.0=wrongValue",
                       "--bad-next",
                       ".1.3.6.1.2.1.2",
                       "--drop-under",
                       ".1.3.6.1.2.1.158",
                       "--flip-links",
                       "3",
                       "--engine-id",
                       "bay-7",
                       "--engine-boots",
                       "12"},
                      o, error))
        << error;
    EXPECT_EQ(o.port, 0);
    EXPECT_TRUE(o.ipv6 && o.noAnswer);
    EXPECT_EQ(o.readCommunity + o.writeCommunity, "rw");
    ASSERT_EQ(o.users.size(), 1u);
    EXPECT_EQ(o.users[0].auth, "SHA");
    EXPECT_EQ(o.users[0].privPass, "aliceprivpass");
    EXPECT_EQ(o.delayMs, 250);
    EXPECT_EQ(o.dropEvery, 4);
    ASSERT_EQ(o.setFaults.size(), 1u);
    EXPECT_EQ(o.setFaults[0].status, WrongValue);
    EXPECT_EQ(o.brokenNext, (Oid{1, 3, 6, 1, 2, 1, 2}));
    EXPECT_EQ(o.dropUnder, (Oid{1, 3, 6, 1, 2, 1, 158}));
    EXPECT_EQ(o.flipSeconds, 3);
    EXPECT_EQ(o.engineId, "bay-7");
    EXPECT_EQ(o.engineBoots, 12);
}

TEST(OptionsTest, UsersFileNamesTheBadLine) {
    std::string path = testing::TempDir() + "users-" + std::to_string(getpid()) + ".txt";
    std::ofstream(path) << "# users\n\ncarol\nbob:SHA:bobpass123\ndave:MD5:short\n";
    Options o;
    std::string error;
    EXPECT_FALSE(parse({"--users", path}, o, error));
    EXPECT_THAT(error, HasSubstr(path + ":5: bad user \"dave:MD5:short\""));
    ASSERT_EQ(o.users.size(), 2u);
    EXPECT_EQ(o.users[0].name, "carol");
    EXPECT_EQ(o.users[0].auth, "none");
    EXPECT_EQ(o.users[1].name, "bob");
    std::remove(path.c_str());
}

TEST(OptionsTest, RefusesMalformedUsers) {
    for (const char* text : {"", ":MD5:password1", "eve:MD4:password1", "eve:MD5",
                             "eve:MD5:password1:AES:password2", "eve:MD5:password1:DES:short"}) {
        UsmUser user;
        std::string error;
        EXPECT_FALSE(parseUser(text, user, error)) << text;
    }
}

TEST(OptionsTest, RefusesAnEngineIdThatDoesNotFit) {
    for (const std::string& text : {std::string(), std::string(28, 'e')}) {
        Options o;
        std::string error;
        EXPECT_FALSE(parse({"--engine-id", text}, o, error)) << text;
        EXPECT_THAT(error, HasSubstr("--engine-id"));
    }
}

} // namespace
} // namespace krssim
