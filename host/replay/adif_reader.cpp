#include "host/replay/adif_reader.h"

#include <cstddef>

#include "host/replay/ascii_text.h"
#include "host/replay/file_text.h"

using namespace platform;

namespace {

// One <...> of the text, with the value that follows it when it has a length.
struct AdifTag {
    std::string name;  // upper case
    std::string value;
    bool hasLength = false;
    int line = 0;
};

bool IsDigits(const std::string& text, std::size_t maxDigits) {
    return !text.empty() && text.size() <= maxDigits && AllDigits(text);
}

bool IsFieldName(const std::string& name) {
    if (name.empty()) {
        return false;
    }
    for (char c : name) {
        if (IsWhiteSpace(c) || c == '<' || c == ',' || c == '{' || c == '}') {
            return false;
        }
    }
    return true;
}

// NAME:LENGTH or NAME:LENGTH:TYPE, or the bare markers EOH and EOR (a marker
// with a length is no marker and no field either). Nine digits of length are
// more than any log holds and cannot overflow.
bool ParseFieldTag(const std::string& tagText, AdifTag& tag, std::size_t& length) {
    const std::size_t colon = tagText.find(':');
    tag.name = UpperCased(tagText.substr(0, colon));
    const bool marker = tag.name == "EOH" || tag.name == "EOR";
    if (colon == std::string::npos) {
        tag.hasLength = false;
        return marker;
    }
    const std::size_t typeColon = tagText.find(':', colon + 1);
    const std::string digits = tagText.substr(colon + 1, typeColon - colon - 1);
    if (typeColon != std::string::npos) {
        const std::string type = tagText.substr(typeColon + 1);
        if (type.empty() || type.find(':') != std::string::npos) {
            return false;
        }
    }
    if (marker || !IsFieldName(tag.name) || !IsDigits(digits, 9)) {
        return false;
    }
    tag.hasLength = true;
    length = std::stoul(digits);
    return true;
}

// What a complaint quotes of a field tag: enough to find it, never a
// whole file's worth when the closing '>' was far away.
std::string Quoted(const std::string& tagText) {
    const std::size_t kMax = 40;
    return "<" + (tagText.size() > kMax ? tagText.substr(0, kMax) + "..." : tagText) + ">";
}

class AdifScanner {
public:
    explicit AdifScanner(const std::string& text) : m_Text(text) {}

    // The next tag. False at the end of the text, and on an error, which is
    // then in `error`.
    bool Next(AdifTag& tag, std::string& error) {
        const std::size_t open = m_Text.find('<', m_Pos);
        if (open == std::string::npos) {
            return false;
        }
        MoveTo(open);
        tag.line = m_Line;
        const std::size_t close = m_Text.find('>', open);
        if (close == std::string::npos) {
            error = LineError(tag.line, "field tag without a closing '>'");
            return false;
        }
        const std::string tagText = m_Text.substr(open + 1, close - open - 1);
        MoveTo(close + 1);
        std::size_t length = 0;
        if (!ParseFieldTag(tagText, tag, length)) {
            error = LineError(tag.line, "malformed field tag " + Quoted(tagText));
            return false;
        }
        tag.value.clear();
        if (tag.hasLength) {
            if (length > m_Text.size() - m_Pos) {
                error =
                    LineError(tag.line, "the value of " + tag.name + " (" + std::to_string(length) +
                                            " bytes) runs past the end of the file");
                return false;
            }
            tag.value = m_Text.substr(m_Pos, length);
            MoveTo(m_Pos + length);
        }
        return true;
    }

private:
    void MoveTo(std::size_t pos) {
        for (; m_Pos < pos; ++m_Pos) {
            if (m_Text[m_Pos] == '\n') {
                ++m_Line;
            }
        }
    }

    const std::string& m_Text;
    std::size_t m_Pos = 0;
    int m_Line = 1;
};

}  // namespace

const std::string* AdifRecord::Find(const std::string& upperCaseName) const {
    const auto it = fields.find(upperCaseName);
    return it == fields.end() ? nullptr : &it->second;
}

Result<AdifLog> ParseAdif(const std::string& text) {
    AdifScanner scanner(text);
    AdifLog log;
    AdifRecord current;
    bool sawHeader = false;
    AdifTag tag;
    std::string error;
    while (scanner.Next(tag, error)) {
        if (tag.hasLength) {
            if (current.fields.empty()) {
                current.line = tag.line;
            }
            current.fields[tag.name] = tag.value;
        } else if (tag.name == "EOH") {
            if (sawHeader || !log.records.empty()) {
                return Result<AdifLog>::Failure(LineError(tag.line, "<EOH> after the header"));
            }
            sawHeader = true;
            log.header = std::move(current.fields);
            current = AdifRecord();
        } else if (!current.fields.empty()) {
            log.records.push_back(std::move(current));
            current = AdifRecord();
        }
    }
    if (!error.empty()) {
        return Result<AdifLog>::Failure(error);
    }
    if (!current.fields.empty()) {
        return Result<AdifLog>::Failure(
            LineError(current.line, "record without <EOR> at the end of the file"));
    }
    return Result<AdifLog>::Success(std::move(log));
}

Result<AdifLog> ReadAdifFile(const std::string& path) {
    return ParseFile<AdifLog>(path, ParseAdif);
}
