#include "host/replay/call_country.h"

#include <algorithm>
#include <vector>

#include "host/replay/ascii_text.h"

using namespace platform;

namespace {

const char* const kOperatingSuffixes[] = {"P", "M", "MM", "AM", "QRP", "A", "R", "LH"};

bool IsOperatingSuffix(const std::string& part) {
    for (const char* suffix : kOperatingSuffixes) {
        if (part == suffix) {
            return true;
        }
    }
    return false;
}

bool IsCallAreaDigit(const std::string& part) {
    return part.size() == 1 && AllDigits(part);
}

// The call area is the last digit of the callsign's prefix, and so of the
// callsign itself, whose suffix has letters only.
void MoveCallArea(std::string& call, char digit) {
    const std::size_t area = call.find_last_of("0123456789");
    if (area != std::string::npos) {
        call[area] = digit;
    }
}

std::vector<std::string> SplitAtSlashes(const std::string& call) {
    std::vector<std::string> parts;
    std::size_t pos = 0;
    while (pos <= call.size()) {
        const std::size_t slash = std::min(call.find('/', pos), call.size());
        if (slash > pos) {
            parts.push_back(call.substr(pos, slash - pos));
        }
        pos = slash + 1;
    }
    return parts;
}

std::string Lookup(const CountryTable& table, const std::string& part) {
    const std::string* prefix = table.ExactCall(part);
    if (!prefix) {
        prefix = table.LongestPrefix(part);
    }
    return prefix ? *prefix : std::string();
}

}  // namespace

std::string DxccPrefix(const CountryTable& table, const std::string& call) {
    const std::string text = UpperCased(TrimWhiteSpace(call));
    if (const std::string* exact = table.ExactCall(text)) {
        return *exact;
    }
    std::vector<std::string> parts = SplitAtSlashes(text);
    while (parts.size() > 1 && IsOperatingSuffix(parts.back())) {
        parts.pop_back();
    }
    if (parts.size() > 1 && IsCallAreaDigit(parts.back())) {
        const char digit = parts.back()[0];
        parts.pop_back();
        MoveCallArea(parts.back(), digit);
    }
    if (parts.empty()) {
        return std::string();
    }
    if (parts.size() == 1) {
        return Lookup(table, parts[0]);
    }
    return Lookup(table, parts[1].size() < parts[0].size() ? parts[1] : parts[0]);
}
