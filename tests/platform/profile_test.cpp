// The private-profile rules. The same tests run against Windows' own
// functions (under Wine) and against our portable implementation.
#include <gtest/gtest.h>

#include "platform/profile.h"
#include "tests/common/scratch_dir.h"

using namespace platform;

namespace {

const char kFile[] = "Plugins\\test.ini";
const char kPath[] = "Plugins/test.ini";

std::string Read(const char* section, const char* key, std::size_t size = 100) {
    return ReadIniString(kFile, section, key, "dflt", size);
}

}  // namespace

TEST(Profile, MissingFileSectionOrKeyGivesTheDefault) {
    ScratchDir dir;
    EXPECT_EQ("dflt", Read("Settings", "x"));
    WriteFileBytes(kPath, "[Other]\r\nx=1\r\n[Settings]\r\ny=2\r\n");
    EXPECT_EQ("dflt", Read("Settings", "x"));
    EXPECT_EQ("dflt", Read("Missing", "y"));
    EXPECT_EQ("", ReadIniString(kFile, "Settings", "x", "", 100));
}

TEST(Profile, ReadsValuesAsStored) {
    ScratchDir dir;
    WriteFileBytes(kPath,
                   "[Settings]\r\n"
                   "plain=17\r\n"
                   "  spaced  =  a b  \r\n"
                   "quoted=\"q v\"\r\n"
                   "half=\"open\r\n"
                   "empty=\r\n"
                   "negative=-5\r\n"
                   "twice=first\r\n"
                   "twice=second\r\n"
                   "[second]\n"
                   "unix=lf\n");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    } const cases[] = {
        {"Settings", "plain", "17"},
        {"SETTINGS", "PLAIN", "17"},  // names match without regard to case
        {"settings", "Plain", "17"},
        {"Settings", "spaced", "a b"},  // blanks around keys and values are trimmed
        {"Settings", "quoted", "q v"},  // a pair of quotes is removed
        {"Settings", "half", "\"open"},
        {"Settings", "empty", ""},
        {"Settings", "negative", "-5"},
        {"Settings", "twice", "first"},
        {"Second", "unix", "lf"},  // bare line feeds end lines too
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, Read(c.section, c.key)) << c.section << "/" << c.key;
    }
}

TEST(Profile, ValuesArriveCutToTheBuffer) {
    ScratchDir dir;
    WriteFileBytes(kPath, "[Settings]\r\nlong=0123456789\r\n");
    EXPECT_EQ("0123456789", Read("Settings", "long", 11));
    EXPECT_EQ("012345678", Read("Settings", "long", 10));
    EXPECT_EQ("0", Read("Settings", "long", 2));
    EXPECT_EQ("", Read("Settings", "long", 1));
    EXPECT_EQ("dfl", Read("Settings", "missing", 4));
}

// Lengths around the sizes a reader that grows its buffer passes through.
TEST(Profile, WholeValuesArriveWhateverTheirLength) {
    ScratchDir dir;
    const std::size_t lengths[] = {0, 1, 254, 255, 256, 511, 512, 70000};
    std::string file = "[Settings]\r\n";
    for (std::size_t length : lengths) {
        file += "v" + std::to_string(length) + "=" + std::string(length, 'x') + "\r\n";
    }
    WriteFileBytes(kPath, file);
    for (std::size_t length : lengths) {
        const std::string key = "v" + std::to_string(length);
        EXPECT_EQ(std::string(length, 'x'), ReadWholeIniString(kFile, "Settings", key.c_str(), ""))
            << key;
    }
    const std::string longDefault(300, 'd');
    EXPECT_EQ(longDefault, ReadWholeIniString(kFile, "Settings", "missing", longDefault.c_str()));
    EXPECT_EQ("dflt", ReadWholeIniString("Missing\\x.ini", "Settings", "v1", "dflt"));
}

TEST(Profile, WritesCreateReplaceAndDelete) {
    ScratchDir dir;
    EXPECT_TRUE(WriteIniString(kFile, "Settings", "Start", "1"));
    EXPECT_EQ("[Settings]\r\nStart=1\r\n", ReadFileBytes(kPath));
    EXPECT_TRUE(WriteIniString(kFile, "Settings", "stat_x", "-5"));
    EXPECT_TRUE(WriteIniString(kFile, "settings", "START", "0"));
    EXPECT_TRUE(WriteIniString(kFile, "Other", "k", "v"));
    EXPECT_EQ("0", Read("Settings", "Start"));
    EXPECT_EQ("-5", Read("Settings", "stat_x"));
    EXPECT_EQ("v", Read("Other", "k"));
    EXPECT_TRUE(WriteIniString(kFile, "Settings", "stat_x", nullptr));
    EXPECT_EQ("dflt", Read("Settings", "stat_x"));
    EXPECT_EQ("0", Read("Settings", "Start"));
}

// Blanks around the names asked for do not count, in reads and in writes (a
// second key of the same name would hide the new value behind the old).
TEST(Profile, NamesAskedForAreTrimmedToo) {
    ScratchDir dir;
    WriteFileBytes(kPath, "[Settings]\r\nStart=0\r\n");
    EXPECT_EQ("0", Read(" Settings\t", "\tStart "));
    EXPECT_TRUE(WriteIniString(kFile, "Settings ", " START", "1"));
    EXPECT_EQ("1", Read("Settings", "Start"));
    EXPECT_TRUE(WriteIniString(kFile, "\tOther", "Key\t", "v"));
    EXPECT_EQ("v", Read("Other", "Key"));
    EXPECT_EQ("v", Read("  OTHER ", " key "));
}

TEST(Profile, ShorterFileLeavesNothingOfTheLongerBehind) {
    ScratchDir dir;
    EXPECT_TRUE(WriteIniString(kFile, "Settings", "Claimed", "161280"));
    EXPECT_TRUE(WriteIniString(kFile, "Settings", "Start", "1"));
    EXPECT_TRUE(WriteIniString(kFile, "Settings", "Claimed", "0"));
    EXPECT_EQ("[Settings]\r\nClaimed=0\r\nStart=1\r\n", ReadFileBytes(kPath));
    EXPECT_TRUE(WriteIniString(kFile, "Settings", "Claimed", nullptr));
    EXPECT_EQ("[Settings]\r\nStart=1\r\n", ReadFileBytes(kPath));
}

TEST(Profile, KeepsWhatOthersWrote) {
    ScratchDir dir;
    WriteFileBytes(kPath, "[Settings]\r\nName=Jo\r\nClub=YCCC\r\n\r\n[Later]\r\nx=1\r\n");
    EXPECT_TRUE(WriteIniString(kFile, "Settings", "Email", "jo@example.org"));
    EXPECT_TRUE(WriteIniString(kFile, "Settings", "Name", "Jo Doe"));
    EXPECT_EQ("Jo Doe", Read("Settings", "Name"));
    EXPECT_EQ("YCCC", Read("Settings", "Club"));
    EXPECT_EQ("jo@example.org", Read("Settings", "Email"));
    EXPECT_EQ("1", Read("Later", "x"));
}

TEST(Profile, WriteDoesNotCreateAMissingFolder) {
    ScratchDir dir;
    EXPECT_FALSE(WriteIniString("Missing\\x.ini", "Settings", "k", "v"));
    EXPECT_FALSE(FileExists("Missing"));
    EXPECT_EQ("dflt", ReadIniString("Missing\\x.ini", "Settings", "k", "dflt", 100));
}
