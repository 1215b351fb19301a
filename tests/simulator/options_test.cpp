// The host simulator's command line.
#include <gtest/gtest.h>

#include "host/simulator/options.h"
#include "tests/common/scratch_dir.h"

namespace {

Result<SimulatorOptions> Parse(std::vector<std::string> args) {
    return ParseOptions(args);
}

}  // namespace

TEST(SimulatorOptions, ReadsEveryOption) {
    const Result<SimulatorOptions> parsed = Parse({"--log",
                                                   "a.adi",
                                                   "--cty",
                                                   "c.dat",
                                                   "--my-call",
                                                   "N1ZQX",
                                                   "--open-windows",
                                                   "--type",
                                                   "K1ABC",
                                                   "--type",
                                                   "W5XYZ,28450000,SSB",
                                                   "--type",
                                                   "DL1A,28012000",
                                                   "--screenshots",
                                                   "pics",
                                                   "--report",
                                                   "--header",
                                                   "NAME=Pat Q. Operator",
                                                   "--header",
                                                   "SOAPBOX=",
                                                   "--module",
                                                   "m.dll"});
    ASSERT_TRUE(parsed.Ok()) << parsed.Error();
    const SimulatorOptions& o = parsed.Value();
    EXPECT_EQ("a.adi", o.logPath);
    EXPECT_EQ("c.dat", o.countryPath);
    EXPECT_EQ("N1ZQX", o.myCall);
    EXPECT_TRUE(o.openWindows);
    ASSERT_EQ(3u, o.typed.size());
    EXPECT_EQ("K1ABC", o.typed[0].call);
    EXPECT_EQ(28400000.0, o.typed[0].freqHz) << "the default frequency";
    EXPECT_EQ("CW", o.typed[0].mode);
    EXPECT_EQ(28450000.0, o.typed[1].freqHz);
    EXPECT_EQ("SSB", o.typed[1].mode);
    EXPECT_EQ("CW", o.typed[2].mode);
    EXPECT_EQ("pics", o.screenshotDir);
    EXPECT_TRUE(o.report);
    ASSERT_EQ(2u, o.header.size());
    EXPECT_EQ("NAME", o.header[0].field);
    EXPECT_EQ("Pat Q. Operator", o.header[0].value);
    EXPECT_EQ("", o.header[1].value);
    EXPECT_EQ("m.dll", o.modulePath);
    EXPECT_FALSE(o.help);
}

TEST(SimulatorOptions, DefaultsAndHelp) {
    const Result<SimulatorOptions> parsed = Parse({"--help"});
    ASSERT_TRUE(parsed.Ok());
    EXPECT_TRUE(parsed.Value().help);
    EXPECT_EQ("Plugins\\ARRL-10M_CW_SSB.dll", parsed.Value().modulePath);
    EXPECT_NE(std::string::npos, UsageText().find("--header-file FILE"));
}

TEST(SimulatorOptions, MistakesAreNamed) {
    struct Case {
        std::vector<std::string> args;
        const char* error;
    } const cases[] = {
        {{"--log"}, "--log needs a value or is unknown"},
        {{"--frobnicate", "x"}, "unknown option --frobnicate"},
        {{"log.adi"}, "unexpected argument log.adi"},
        {{"--report"}, "--report needs --log"},
        {{"--type", ",28000000"}, "--type needs a callsign"},
        {{"--type", "K1ABC,fast"}, "--type K1ABC,fast: the frequency is not a number of Hz"},
        {{"--type", "K1ABC,-5"}, "--type K1ABC,-5: the frequency is not a number of Hz"},
        {{"--header", "COLOUR=blue"},
         "--header COLOUR=blue: expected FIELD=VALUE with a field of the header dialog"},
        {{"--header", "NAME"},
         "--header NAME: expected FIELD=VALUE with a field of the header dialog"},
        {{"--header-file", "missing.txt"}, "cannot read the header file missing.txt"},
    };
    for (const Case& c : cases) {
        const Result<SimulatorOptions> parsed = Parse(c.args);
        ASSERT_FALSE(parsed.Ok()) << c.error;
        EXPECT_EQ(c.error, parsed.Error());
    }
}

TEST(SimulatorOptions, HeaderFileHoldsOneValueALine) {
    ScratchDir dir;
    WriteFileBytes("header.txt", "NAME=Pat\r\n\r\nCLUB=YCCC\nSOAPBOX=a\\nb\n");
    Result<SimulatorOptions> parsed = Parse({"--header-file", "header.txt", "--header", "NAME=Jo"});
    ASSERT_TRUE(parsed.Ok()) << parsed.Error();
    const std::vector<HeaderEntry>& h = parsed.Value().header;
    ASSERT_EQ(4u, h.size());
    EXPECT_EQ("Pat", h[0].value);
    EXPECT_EQ("CLUB", h[1].field);
    EXPECT_EQ("a\\nb", h[2].value) << "line breaks are the dialog's business";
    EXPECT_EQ("Jo", h[3].value) << "later values follow earlier ones";

    WriteFileBytes("bad.txt", "NAME=Pat\nWHAT=ever\n");
    parsed = Parse({"--header-file", "bad.txt"});
    ASSERT_FALSE(parsed.Ok());
    EXPECT_EQ(0u, parsed.Error().find("bad.txt, line 2: ")) << parsed.Error();
}
