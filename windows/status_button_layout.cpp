#include "windows/status_button_layout.h"

#include "engine/contest_log.h"
#include "windows/status_texts.h"

namespace windows {

namespace {

// The worked-with table: the row height is a seventh of the button; the row
// of "160m" is not drawn, the header stands in its place. The pixel figures
// here and below are those of a window at 96 DPI.
constexpr int kTableRows = 7;
constexpr int kFirstDrawnRow = 1;
constexpr int kLastDrawnRow = 5;
constexpr int kDrawnCells = 4;
constexpr int kCellX[kDrawnCells] = {20, 100, 180, 260};
constexpr int kRowTextTop = 20;
constexpr int kBarTopOffset = -5;
constexpr int kBarBottomOffset = -13;

// The DXCC grid: one entry per 40 pixels, a new line every 15.
constexpr int kGridLeft = 5;
constexpr int kGridColumnWidth = 40;
constexpr int kGridLineHeight = 15;

DrawOp Fill(const PixelRect& rect, RgbColour colour) {
    return DrawOp{DrawOp::kFill, rect, colour, std::string()};
}

// Draws texts at 96-DPI positions scaled to the window's DPI.
class TextPlacer {
public:
    explicit TextPlacer(int dpi) : m_Dpi(dpi) {}
    int operator()(int pixels) const { return platform::ScalePixels(pixels, m_Dpi); }
    DrawOp Text(int x, int y, const std::string& text) const {
        return TextAt((*this)(x), (*this)(y), text);
    }
    static DrawOp TextAt(int x, int y, const std::string& text) {
        return DrawOp{DrawOp::kText, PixelRect{x, y, x, y}, RgbColour{0, 0, 0}, text};
    }

private:
    const int m_Dpi;
};

void LayoutWorkedWithView(const StatusButtonData& data, const PixelRect& item, const TextPlacer& at,
                          std::vector<DrawOp>& ops) {
    ops.push_back(Fill(item, kWorkedWithBackground));
    const int rowHeight = item.bottom / kTableRows;
    if (data.hostBand >= 0) {
        // The bar lies behind the text of the current band's row.
        ops.push_back(
            Fill(PixelRect{0, (data.hostBand + 1) * rowHeight + at(kBarTopOffset), item.right,
                           (data.hostBand + 2) * rowHeight + at(kBarBottomOffset)},
                 kBandBarColour));
    }
    ops.push_back(at.Text(20, 18, kHeaderBand));
    ops.push_back(at.Text(100, 18, kHeaderCw));
    ops.push_back(at.Text(180, 0, data.hostCall));
    ops.push_back(at.Text(178, 18, kHeaderSsb));
    ops.push_back(at.Text(245, 18, kHeaderStateProv));
    for (int k = kFirstDrawnRow; k <= kLastDrawnRow; ++k) {
        if (static_cast<std::size_t>(k) >= data.bandRows.size()) {
            break;
        }
        const std::vector<std::string>& row = data.bandRows[static_cast<std::size_t>(k)];
        for (std::size_t cell = 0; cell < kDrawnCells && cell < row.size(); ++cell) {
            ops.push_back(
                TextPlacer::TextAt(at(kCellX[cell]), at(kRowTextTop) + k * rowHeight, row[cell]));
        }
    }
}

void LayoutDxccView(const StatusButtonData& data, const PixelRect& item, const TextPlacer& at,
                    std::vector<DrawOp>& ops) {
    ops.push_back(Fill(item, kDxccBackground));
    if (data.hostBand < 0) {
        return;
    }
    const int columnWidth = at(kGridColumnWidth);
    int x = at(kGridLeft);
    int y = 0;
    for (const std::string& prefix : data.workedDxcc) {
        ops.push_back(TextPlacer::TextAt(x, y, prefix));
        x += columnWidth;
        if (x > item.right - columnWidth) {
            y += at(kGridLineHeight);
            x = at(kGridLeft);
        }
    }
}

}  // namespace

StatusButtonData SnapshotStatusButtonData(engine::ContestLog& log, const std::string& hostCall,
                                          int32_t hostBand, int32_t hostMode) {
    StatusButtonData data;
    data.hostCall = hostCall;
    data.hostBand = hostBand;
    engine::ContestLog::Locked logData(log);
    if (!data.hostCall.empty()) {
        data.bandRows = logData->m_BandRows;
    } else if (hostMode == 0 || hostMode == 1) {
        data.workedDxcc = logData->m_WorkedDxcc[hostMode].Items();
    }
    return data;
}

std::vector<DrawOp> LayoutStatusButton(const StatusButtonData& data, const PixelRect& item,
                                       int dpi) {
    std::vector<DrawOp> ops;
    const TextPlacer at(dpi);
    if (data.hostCall.empty()) {
        LayoutDxccView(data, item, at, ops);
    } else {
        LayoutWorkedWithView(data, item, at, ops);
    }
    return ops;
}

ButtonPlacement PlaceStatusButton(const PixelRect& client) {
    return ButtonPlacement{client.left + 1, client.top + 1, client.right - 4, client.bottom - 4};
}

}  // namespace windows
