#include "host/replay/cabrillo_reader.h"

#include "host/replay/ascii_text.h"

using namespace platform;

namespace {

const char kStartOfLog[] = "START-OF-LOG";
const char kEndOfLog[] = "END-OF-LOG";
const char kQso[] = "QSO";

// The tag of a line and what follows its colon; false for a line without one.
bool SplitTag(const std::string& line, std::string& tag, std::string& value) {
    const std::string text = TrimWhiteSpace(line);
    const std::size_t colon = text.find(':');
    if (colon == 0 || colon == std::string::npos || text.find_first_of(" \t") < colon) {
        return false;
    }
    tag = UpperCased(text.substr(0, colon));
    value = TrimWhiteSpace(text.substr(colon + 1));
    return true;
}

// The lines of a text without their line ends, LF or CR LF.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(from, end - from));
        from = end + 1;
    }
    return lines;
}

}  // namespace

bool IsCabrilloText(const std::string& text) {
    for (const std::string& line : Lines(text)) {
        if (!TrimWhiteSpace(line).empty()) {
            std::string tag;
            std::string value;
            return SplitTag(line, tag, value) && tag == kStartOfLog;
        }
    }
    return false;
}

Result<CabrilloLog> ParseCabrillo(const std::string& text) {
    if (!IsCabrilloText(text)) {
        return Result<CabrilloLog>::Failure(
            LineError(1, "no START-OF-LOG: this is no Cabrillo log"));
    }
    CabrilloLog log;
    int number = 0;
    for (const std::string& line : Lines(text)) {
        ++number;
        CabrilloLine tagged;
        if (!SplitTag(line, tagged.tag, tagged.value)) {
            continue;
        }
        if (tagged.tag == kEndOfLog) {
            break;
        }
        tagged.line = number;
        (tagged.tag == kQso ? log.qsos : log.header).push_back(std::move(tagged));
    }
    return Result<CabrilloLog>::Success(std::move(log));
}
