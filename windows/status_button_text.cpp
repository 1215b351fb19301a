#include "windows/status_button_text.h"

#include <vector>

#include "platform/string_format.h"
#include "windows/status_texts.h"

namespace windows {

namespace {

// The table's rows (cells: band, CW time, SSB time, location code); the
// first row, "160m", is not drawn.
constexpr std::size_t kFirstDrawnRow = 1;
constexpr std::size_t kRowCellsSaid = 4;

bool IsEmpty(const std::string& cell) {
    return cell.empty() || cell == kEmptyRowCell;
}

std::string TimeOrNone(const std::string& cell) {
    return IsEmpty(cell) ? std::string(kSayNoTime) : cell;
}

std::string SayRow(const std::vector<std::string>& row) {
    std::string said = row[0] + ": ";
    if (IsEmpty(row[1]) && IsEmpty(row[2])) {
        return said + kSayNotWorked + ".";
    }
    said += std::string(kHeaderCw) + " " + TimeOrNone(row[1]) + ", " + kHeaderSsb + " " +
            TimeOrNone(row[2]);
    if (!IsEmpty(row[3])) {
        said += ", " + row[3];
    }
    return said + ".";
}

// The drawn rows in the order they are said: the host's band, then the rest
// from the last row (10 m) up.
std::vector<std::size_t> RowsInSayingOrder(const StatusButtonData& data) {
    std::vector<std::size_t> order;
    const std::size_t rows = data.bandRows.size();
    const auto hostRow = static_cast<std::size_t>(data.hostBand);
    if (data.hostBand >= 0 && hostRow >= kFirstDrawnRow && hostRow < rows) {
        order.push_back(hostRow);
    }
    for (std::size_t k = rows; k-- > kFirstDrawnRow;) {
        if (order.empty() || k != order.front()) {
            order.push_back(k);
        }
    }
    return order;
}

std::string SayWorkedWith(const StatusButtonData& data) {
    std::string said = data.hostCall + ".";
    for (std::size_t k : RowsInSayingOrder(data)) {
        if (data.bandRows[k].size() >= kRowCellsSaid) {
            said += " " + SayRow(data.bandRows[k]);
        }
    }
    return said;
}

std::string SayDxcc(const StatusButtonData& data, const std::string& hostMode) {
    // Without a band the grid is not drawn.
    const std::vector<std::string> none;
    const std::vector<std::string>& shown = data.hostBand < 0 ? none : data.workedDxcc;
    std::string said =
        platform::StringPrintf(kSayDxcc, hostMode.c_str(), static_cast<int>(shown.size()));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        said += (i == 0 ? ": " : ", ") + shown[i];
    }
    return said;
}

}  // namespace

std::string DescribeStatusButton(const StatusButtonData& data, const std::string& hostMode) {
    return data.hostCall.empty() ? SayDxcc(data, hostMode) : SayWorkedWith(data);
}

}  // namespace windows
