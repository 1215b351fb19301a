// The status button's window text: what a screen reader says of it.
#include <gtest/gtest.h>

#include "windows/status_button_text.h"

using namespace platform;
using namespace windows;

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The rows as the refresh fills them: "   -" where nothing was worked.
Rows TableRows() {
    return {{"160m", "02:00", "   -", "VT", "   -"}, {"80m", "   -", "   -", "   -", "   -"},
            {"40m", "   -", "   -", "   -", "   -"}, {"20m", "   -", "   -", "   -", "   -"},
            {"15m", "   -", "09:15", "", "   -"},    {"10m", "23:48", "   -", "GA", "   -"}};
}

StatusButtonData Data(const char* call, int32_t band, Rows rows, std::vector<std::string> dxcc) {
    StatusButtonData data;
    data.hostCall = call;
    data.hostBand = band;
    data.bandRows = std::move(rows);
    data.workedDxcc = std::move(dxcc);
    return data;
}

}  // namespace

TEST(StatusButtonText, SaysWhatEachViewShows) {
    struct Case {
        const char* what;
        StatusButtonData data;
        const char* mode;
        const char* said;
    } const cases[] = {
        {"worked-with view on 10 m", Data("KV4MF", 5, TableRows(), {}), "CW",
         "KV4MF. 10m: CW 23:48, SSB none, GA. 15m: CW none, SSB 09:15. 20m: not worked. "
         "40m: not worked. 80m: not worked."},
        {"the host's band is said first", Data("KV4MF", 3, TableRows(), {}), "SSB",
         "KV4MF. 20m: not worked. 10m: CW 23:48, SSB none, GA. 15m: CW none, SSB 09:15. "
         "40m: not worked. 80m: not worked."},
        // 160 m is not drawn, so not said, even as the host's band.
        {"160 m is not said", Data("KV4MF", 0, TableRows(), {}), "CW",
         "KV4MF. 10m: CW 23:48, SSB none, GA. 15m: CW none, SSB 09:15. 20m: not worked. "
         "40m: not worked. 80m: not worked."},
        {"rows missing or short", Data("K1ABC", -1, {{"160m"}, {"80m", "x"}}, {}), "CW", "K1ABC."},
        {"DXCC view", Data("", 5, {}, {"3D2/c", "3D2/r", "DL"}), "CW",
         "DXCC worked CW, 3 of 338: 3D2/c, 3D2/r, DL"},
        {"DXCC view, nothing worked", Data("", 5, {}, {}), "USB", "DXCC worked USB, 0 of 338"},
        // Off the bands the grid is not drawn.
        {"DXCC view without a band", Data("", -1, {}, {"DL"}), "CW", "DXCC worked CW, 0 of 338"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.said, DescribeStatusButton(c.data, c.mode));
    }
}
