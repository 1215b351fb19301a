// Countries of callsigns from the country file: exact calls, longest
// prefixes, slashed forms, WAE-only entities, and files that cannot serve.
#include <gtest/gtest.h>

#include "host/replay/call_country.h"
#include "host/replay/country_table.h"
#include "tests/common/scratch_dir.h"
#include "tests/replay/replay_paths.h"

namespace {

// A few entities in the file's own layout, overrides and all.
const char kCountryText[] =
    "Canada:                   05:  09:  NA:   44.35:    78.75:     5.0:  VE:\n"
    "    VA,VE,VO1,VY2,=VE2EM/M,\n"
    "    VE3(4)[4],=VE1REC/LH;\n"
    "United States:            05:  08:  NA:   37.60:    91.87:     5.0:  K:\n"
    "    AA,K,N,W,AA0(4)[7],=KH6XX(31)[61],=DL2MM/MM;\n"
    "Hawaii:                   31:  61:  OC:   21.12:   157.48:    10.0:  KH6:\n"
    "    AH6,KH6,=K6HI<21.3/157.8>;\n"
    "Guantanamo Bay:           08:  11:  NA:   20.00:    75.00:     5.0:  KG4:\n"
    "    KG4;\n"
    "Italy:                    15:  28:  EU:   42.82:   -12.58:    -1.0:  I:\n"
    "    I{EU},IK;\n"
    "Sicily:                   15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\n"
    "    IT9,=IK1ABC;\n"
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n"
    "    DA,DL,=VE1DL~-1.0~;\n"
    "European Russia:          16:  29:  EU:   53.65:   -41.37:    -4.0:  UA:\n"
    "    R,UA;\n"
    "Asiatic Russia:           17:  30:  AS:   55.88:   -84.08:    -7.0:  UA9:\n"
    "    UA9,R9;\n";

CountryTable SmallTable() {
    Result<CountryTable> table = CountryTable::Parse(kCountryText);
    EXPECT_TRUE(table.Ok()) << table.Error();
    return table.Ok() ? table.Value() : CountryTable();
}

struct Case {
    const char* call;
    const char* prefix;
};

void ExpectPrefixes(const CountryTable& table, const Case* begin, const Case* end) {
    for (const Case* c = begin; c != end; ++c) {
        EXPECT_EQ(c->prefix, DxccPrefix(table, c->call)) << "callsign " << c->call;
    }
}

}  // namespace

TEST(CallCountry, ResolvesCallsFromTheFilesEntries) {
    const CountryTable table = SmallTable();
    EXPECT_EQ(8u, table.EntityCount()) << "the WAE-only entity is left out";
    const Case cases[] = {
        {"K1ABC", "K"},    {"AA0XY", "K"},    {"VE3ABC", "VE"},
        {"VO1AB", "VE"},   {"KH6ABC", "KH6"},  // the longer prefix wins over K
        {"KH6XX", "K"},                        // an exact call wins over every prefix
        {"K6HI", "KH6"},                       // also with a position in brackets
        {"VE1DL", "DL"},                       // and with a time offset
        {"KG4AB", "KG4"},  {"IT9ABC", "I"},    // Sicily's calls count for Italy
        {"IK1ABC", "I"},                       // an exact call of Sicily too
        {"UA9XYZ", "UA9"}, {"RA3ABC", "UA"},  {"ve3abc", "VE"},  // letters in either case
        {" K1ABC ", "K"},  {"QQ1ABC", ""},                       // no country
        {"", ""},
    };
    ExpectPrefixes(table, std::begin(cases), std::end(cases));
}

TEST(CallCountry, SlashedCallsignsGoWhereTheStationIs) {
    const CountryTable table = SmallTable();
    const Case cases[] = {
        {"VE3/W1AW", "VE"},  // the shorter part says where
        {"W1AW/VE3", "VE"},    {"DL/K1ABC", "DL"},   {"K1ABC/DL", "DL"},
        {"KH6/W1AW/P", "KH6"}, {"W1AW/P", "K"},  // operating suffixes say nothing of the place
        {"W1AW/M", "K"},       {"W1AW/QRP", "K"},    {"W1AW/A", "K"},
        {"DL1ABC/MM", "DL"},                          // at sea: the base callsign's country
        {"DL1ABC/AM", "DL"},   {"DL2MM/MM", "K"},     // listed exactly, suffix and all
        {"VE2EM/M", "VE"},     {"UA3ABC/9", "UA9"},   // a digit moves the call area
        {"W1AW/4", "K"},       {"KH6AB/1", "K"},      // KH1 is no Hawaiian prefix, K is
        {"VE1REC/LH", "VE"},   {"K1ABC/VE3AB", "K"},  // parts as long as each other: the first
        {"/W1AW", "K"},        {"W1AW/", "K"},       {"/", ""},
    };
    ExpectPrefixes(table, std::begin(cases), std::end(cases));
}

TEST(CallCountry, BrokenCountryFilesAreErrors) {
    struct BrokenCase {
        const char* text;
        const char* error;
    } const cases[] = {
        {"", "no country entity in the file"},
        {"\n\n  \n", "no country entity in the file"},
        {"Sicily: 15: 28: EU: 37.50: -14.00: -1.0: *IT9:\n IT9;", "no country entity in the file"},
        {"Canada: 05: 09: NA: 44.35: 78.75: 5.0: VE:\n VE;\nMexico: 06: 10: NA:\n XE;",
         "line 3: entity without its eight header fields"},
        {"Canada: 05: 09: NA: 44.35: 78.75: 5.0: :\n VE;",
         "line 1: entity without its eight header fields"},
        {"Canada: 05: 09: NA: 44.35: 78.75: 5.0: VE:\n VE;\n\nMexico: 06: 10: NA: 21.32: "
         "100.23: 6.0: XE:\n XE,\n",
         "line 4: entity without its closing ';' at the end of the file"},
    };
    for (const BrokenCase& c : cases) {
        const Result<CountryTable> table = CountryTable::Parse(c.text);
        EXPECT_FALSE(table.Ok()) << c.text;
        EXPECT_EQ(c.error, table.Error()) << c.text;
    }
}

TEST(CallCountry, MissingFileIsAnError) {
    ScratchDir dir;
    const Result<CountryTable> table = CountryTable::Load("no-such-cty.dat");
    EXPECT_FALSE(table.Ok());
    EXPECT_EQ(0u, table.Error().find("cannot open no-such-cty.dat")) << table.Error();

    WriteFileBytes("cty.dat", "Canada: 05: 09: NA: 44.35: 78.75: 5.0: VE:\n VE,\n");
    EXPECT_EQ("cty.dat, line 1: entity without its closing ';' at the end of the file",
              CountryTable::Load("cty.dat").Error());
}

// The file as Debian ships it; the cases are forms a contest log meets.
TEST(CallCountry, DebiansCountryFile) {
    const Result<CountryTable> table = CountryTable::Load(MachinePath(kDebianCountryFile));
    ASSERT_TRUE(table.Ok()) << table.Error() << " (./dev deps installs hamradio-files)";
    EXPECT_GT(table.Value().EntityCount(), 300u);
    const Case cases[] = {
        {"W1AW", "K"},       {"K1ABC", "K"},      {"AA0XY", "K"},      {"VE3ABC", "VE"},
        {"VA7XY", "VE"},     {"VO1AB", "VE"},     {"VY0ABC", "VE"},    {"XE1ABC", "XE"},
        {"XE3XY", "XE"},     {"KL7ABC", "KL"},    {"KH6ABC", "KH6"},   {"KP4ABC", "KP4"},
        {"DL1ABC", "DL"},    {"G4ABC", "G"},      {"GM4ABC", "GM"},    {"M0ABC", "G"},
        {"JA1ABC", "JA"},    {"UA3ABC", "UA"},    {"UA9ABC", "UA9"},   {"VK2ABC", "VK"},
        {"IT9ABC", "I"},     {"4U1VIC", "OE"},    {"TA1ABC", "TA"},    {"VE3/W1AW", "VE"},
        {"W1AW/VE3", "VE"},  {"W1AW/P", "K"},     {"DL1ABC/MM", "DL"}, {"UA3ABC/9", "UA9"},
        {"KH6/W1AW", "KH6"}, {"F/ON4ABC/P", "F"},
    };
    ExpectPrefixes(table.Value(), std::begin(cases), std::end(cases));
}
