#include "host/replay/country_table.h"

#include <algorithm>

#include "host/replay/file_text.h"
#include "platform/text.h"

using namespace platform;

namespace {

// Name, CQ zone, ITU zone, continent, latitude, longitude, UTC offset, primary prefix.
constexpr std::size_t kHeaderFields = 8;
constexpr char kWaeOnlyMark = '*';
constexpr char kExactCallMark = '=';

int CountLines(const std::string& text, std::size_t from, std::size_t to) {
    return static_cast<int>(std::count(text.begin() + from, text.begin() + to, '\n'));
}

// The header fields of an entity, and in `rest` what follows them.
bool SplitHeader(const std::string& entity, std::vector<std::string>& fields, std::string& rest) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < kHeaderFields; ++i) {
        const std::size_t colon = entity.find(':', pos);
        if (colon == std::string::npos) {
            return false;
        }
        fields.push_back(TrimWhiteSpace(entity.substr(pos, colon - pos)));
        pos = colon + 1;
    }
    rest = entity.substr(pos);
    return true;
}

}  // namespace

Result<CountryTable> CountryTable::Parse(const std::string& text) {
    CountryTable table;
    int line = 1;
    std::size_t pos = 0;
    std::string error;
    while (pos < text.size()) {
        std::size_t start = pos;
        while (start < text.size() && IsWhiteSpace(text[start])) {
            ++start;
        }
        line += CountLines(text, pos, start);
        if (start == text.size()) {
            break;
        }
        const std::size_t end = text.find(';', start);
        if (end == std::string::npos) {
            return Result<CountryTable>::Failure(
                LineError(line, "entity without its closing ';' at the end of the file"));
        }
        if (!table.AddEntity(text.substr(start, end - start), line, error)) {
            return Result<CountryTable>::Failure(error);
        }
        line += CountLines(text, start, end);
        pos = end + 1;
    }
    if (table.m_Primaries.empty()) {
        return Result<CountryTable>::Failure("no country entity in the file");
    }
    return Result<CountryTable>::Success(std::move(table));
}

Result<CountryTable> CountryTable::Load(const std::string& path) {
    return ParseFile<CountryTable>(path, Parse);
}

bool CountryTable::AddEntity(const std::string& entity, int line, std::string& error) {
    std::vector<std::string> fields;
    std::string rest;
    if (!SplitHeader(entity, fields, rest) || fields.back().empty()) {
        error = LineError(line, "entity without its eight header fields");
        return false;
    }
    const std::string& primary = fields.back();
    if (primary[0] == kWaeOnlyMark) {
        return true;
    }
    m_Primaries.push_back(primary);
    std::size_t pos = 0;
    while (pos <= rest.size()) {
        const std::size_t comma = std::min(rest.find(',', pos), rest.size());
        AddAlias(TrimWhiteSpace(rest.substr(pos, comma - pos)), m_Primaries.size() - 1);
        pos = comma + 1;
    }
    return true;
}

void CountryTable::AddAlias(std::string alias, std::size_t entity) {
    alias = alias.substr(0, alias.find_first_of("([<{~"));
    if (alias.empty()) {
        return;
    }
    if (alias[0] == kExactCallMark) {
        if (alias.size() > 1) {
            m_ExactCalls.emplace(alias.substr(1), entity);
        }
        return;
    }
    m_Prefixes.emplace(alias, entity);
    m_LongestPrefix = std::max(m_LongestPrefix, alias.size());
}

const std::string* CountryTable::ExactCall(const std::string& call) const {
    const auto it = m_ExactCalls.find(call);
    return it == m_ExactCalls.end() ? nullptr : &m_Primaries[it->second];
}

const std::string* CountryTable::LongestPrefix(const std::string& call) const {
    for (std::size_t length = std::min(call.size(), m_LongestPrefix); length > 0; --length) {
        const auto it = m_Prefixes.find(call.substr(0, length));
        if (it != m_Prefixes.end()) {
            return &m_Primaries[it->second];
        }
    }
    return nullptr;
}
