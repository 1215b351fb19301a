// The status button's painting, worked out as fills and texts.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/contest_log.h"
#include "windows/status_button_layout.h"

using namespace platform;
using namespace engine;
using namespace windows;

namespace {

std::string Describe(const DrawOp& op) {
    std::ostringstream out;
    if (op.kind == DrawOp::kFill) {
        out << "fill " << op.rect.left << "," << op.rect.top << "," << op.rect.right << ","
            << op.rect.bottom << " " << int{op.colour.red} << "," << int{op.colour.green} << ","
            << int{op.colour.blue};
    } else {
        out << "text " << op.rect.left << "," << op.rect.top << " '" << op.text << "'";
    }
    return out.str();
}

std::vector<std::string> Describe(const std::vector<DrawOp>& ops) {
    std::vector<std::string> lines;
    for (const DrawOp& op : ops) {
        lines.push_back(Describe(op));
    }
    return lines;
}

// The band rows as the refresh leaves them for a callsign worked on 10 m.
std::vector<std::vector<std::string>> RowsWorkedOnTenMetres() {
    std::vector<std::vector<std::string>> rows;
    for (const char* band : {"160m", "80m", "40m", "20m", "15m"}) {
        rows.push_back({band, "   -", "   -", "   -", "   -"});
    }
    rows.push_back({"10m", "14:05", "15:30", "TX", "   -"});
    return rows;
}

StatusButtonData WorkedWith(int32_t band) {
    StatusButtonData data;
    data.hostCall = "K1ABC";
    data.hostBand = band;
    data.bandRows = RowsWorkedOnTenMetres();
    return data;
}

StatusButtonData Dxcc(int32_t band, std::vector<std::string> prefixes) {
    StatusButtonData data;
    data.hostBand = band;
    data.workedDxcc = std::move(prefixes);
    return data;
}

}  // namespace

TEST(StatusButtonLayout, WorkedWithViewDrawsTheTableOverTheBandBar) {
    // A 182-pixel-high button: rows of 26 pixels.
    const std::vector<std::string> expected = {
        "fill 0,0,360,182 255,255,198",
        "fill 0,151,360,169 198,255,255",
        "text 20,18 'Band'",
        "text 100,18 'CW'",
        "text 180,0 'K1ABC'",
        "text 178,18 'SSB'",
        "text 245,18 'State/Prov'",
        "text 20,46 '80m'",
        "text 100,46 '   -'",
        "text 180,46 '   -'",
        "text 260,46 '   -'",
        "text 20,72 '40m'",
        "text 100,72 '   -'",
        "text 180,72 '   -'",
        "text 260,72 '   -'",
        "text 20,98 '20m'",
        "text 100,98 '   -'",
        "text 180,98 '   -'",
        "text 260,98 '   -'",
        "text 20,124 '15m'",
        "text 100,124 '   -'",
        "text 180,124 '   -'",
        "text 260,124 '   -'",
        "text 20,150 '10m'",
        "text 100,150 '14:05'",
        "text 180,150 '15:30'",
        "text 260,150 'TX'",
    };
    EXPECT_EQ(expected, Describe(LayoutStatusButton(WorkedWith(5), {0, 0, 360, 182})));
}

TEST(StatusButtonLayout, BandBarLiesBehindTheCurrentBandsRow) {
    struct Case {
        int bottom;
        int32_t band;
        const char* bar;  // null: no bar
    } const cases[] = {
        {182, 5, "fill 0,151,300,169 198,255,255"},
        {182, 0, "fill 0,21,300,39 198,255,255"},
        {182, 3, "fill 0,99,300,117 198,255,255"},
        {70, 3, "fill 0,35,300,37 198,255,255"},     // rows of 10 pixels
        {188, 4, "fill 0,125,300,143 198,255,255"},  // 188 / 7 = 26: integer division
        {6, 2, "fill 0,-5,300,-13 198,255,255"},     // under 7 pixels the rows have no height
        {182, -1, nullptr},                          // no band: no bar, the table still drawn
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "bottom " << c.bottom << " band " << c.band);
        const std::vector<std::string> ops =
            Describe(LayoutStatusButton(WorkedWith(c.band), {0, 0, 300, c.bottom}));
        ASSERT_EQ(c.bar ? 27u : 26u, ops.size());
        if (c.bar) {
            EXPECT_EQ(c.bar, ops[1]);
        }
        EXPECT_EQ("text 180,0 'K1ABC'", ops[c.bar ? 4 : 3]);
    }
}

TEST(StatusButtonLayout, RowsWithoutHeightAllStartAtTwenty) {
    const std::vector<std::string> ops =
        Describe(LayoutStatusButton(WorkedWith(-1), {0, 0, 300, 6}));
    ASSERT_EQ(26u, ops.size());
    for (std::size_t i = 6; i < ops.size(); ++i) {
        EXPECT_NE(std::string::npos, ops[i].find(",20 '")) << ops[i];
    }
}

TEST(StatusButtonLayout, MissingRowsAndCellsAreLeftOut) {
    StatusButtonData data = WorkedWith(-1);
    data.bandRows = {{"160m", "a"}, {"80m", "12:00"}};
    const std::vector<std::string> expected = {
        "fill 0,0,300,70 255,255,198",
        "text 20,18 'Band'",
        "text 100,18 'CW'",
        "text 180,0 'K1ABC'",
        "text 178,18 'SSB'",
        "text 245,18 'State/Prov'",
        "text 20,30 '80m'",
        "text 100,30 '12:00'",
    };
    EXPECT_EQ(expected, Describe(LayoutStatusButton(data, {0, 0, 300, 70})));
}

TEST(StatusButtonLayout, DxccViewShowsOnlyTheBackgroundWithoutBandOrPrefixes) {
    const std::vector<std::string> background = {"fill 0,0,200,100 255,250,198"};
    EXPECT_EQ(background, Describe(LayoutStatusButton(Dxcc(-1, {"K", "DL"}), {0, 0, 200, 100})));
    EXPECT_EQ(background, Describe(LayoutStatusButton(Dxcc(5, {}), {0, 0, 200, 100})));
}

TEST(StatusButtonLayout, DxccGridWrapsBeforeTheRightEdge) {
    struct Case {
        int right;
        std::vector<std::string> texts;
    } const cases[] = {
        // At 84 pixels or less every entry has a line of its own.
        {84, {"text 5,0 'K'", "text 5,15 'DL'", "text 5,30 'JA'", "text 5,45 'VE'"}},
        {40, {"text 5,0 'K'", "text 5,15 'DL'", "text 5,30 'JA'", "text 5,45 'VE'"}},
        // At 85 the second entry still fits (45 is not beyond 85 - 40).
        {85, {"text 5,0 'K'", "text 45,0 'DL'", "text 5,15 'JA'", "text 45,15 'VE'"}},
        // At 125 three entries share a line.
        {125, {"text 5,0 'K'", "text 45,0 'DL'", "text 85,0 'JA'", "text 5,15 'VE'"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.right);
        std::vector<std::string> expected = {"fill 0,0," + std::to_string(c.right) +
                                             ",100 255,250,198"};
        expected.insert(expected.end(), c.texts.begin(), c.texts.end());
        EXPECT_EQ(expected, Describe(LayoutStatusButton(Dxcc(5, {"K", "DL", "JA", "VE"}),
                                                        {0, 0, c.right, 100})));
    }
}

TEST(StatusButtonLayout, ButtonFillsTheClientAreaLessItsMargin) {
    struct Case {
        PixelRect client;
        int left, top, width, height;
    } const cases[] = {
        {{0, 0, 100, 60}, 1, 1, 96, 56},
        {{0, 0, 364, 190}, 1, 1, 360, 186},
        {{0, 0, 4, 4}, 1, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.client.right << "x" << c.client.bottom);
        const ButtonPlacement place = PlaceStatusButton(c.client);
        EXPECT_EQ(c.left, place.left);
        EXPECT_EQ(c.top, place.top);
        EXPECT_EQ(c.width, place.width);
        EXPECT_EQ(c.height, place.height);
    }
}

class StatusButtonSnapshot : public testing::Test {
protected:
    void SetUp() override {
        ContestLog::Locked data(m_Log);
        data->m_WorkedDxcc[0].AddIfNew("DL");
        data->m_WorkedDxcc[1].AddIfNew("JA");
        data->m_WorkedDxcc[1].AddIfNew("VE");
        data->m_BandRows = RowsWorkedOnTenMetres();
    }
    ContestLog m_Log;
};

TEST_F(StatusButtonSnapshot, TheHostsModeSelectsTheWorkedList) {
    struct Case {
        int32_t mode;
        std::vector<std::string> list;
    } const cases[] = {
        {0, {"DL"}}, {1, {"JA", "VE"}}, {-1, {}},  // before the first refresh
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        const StatusButtonData data = SnapshotStatusButtonData(m_Log, "", 5, c.mode);
        EXPECT_EQ(c.list, data.workedDxcc);
        EXPECT_EQ(5, data.hostBand);
        EXPECT_TRUE(data.bandRows.empty());
    }
}

TEST_F(StatusButtonSnapshot, ACallsignTakesTheBandRows) {
    const StatusButtonData data = SnapshotStatusButtonData(m_Log, "K1ABC", -1, 1);
    EXPECT_EQ("K1ABC", data.hostCall);
    EXPECT_EQ(-1, data.hostBand);
    EXPECT_EQ(RowsWorkedOnTenMetres(), data.bandRows);
    EXPECT_TRUE(data.workedDxcc.empty());
}
