#pragma once

#include <string>

namespace platform {

// Byte-string helpers with the C locale's rules, whatever the process's locale.

inline bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

inline char ToLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline char ToUpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

inline std::string UpperCased(std::string text) {
    for (char& c : text) {
        c = ToUpperAscii(c);
    }
    return text;
}

// The text without the characters that the test picks at its start and its end.
template <typename IsTrimmed>
std::string TrimBy(const std::string& text, IsTrimmed isTrimmed) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isTrimmed(text[begin])) {
        ++begin;
    }
    while (end > begin && isTrimmed(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

// The text without white space at its start and its end.
inline std::string TrimWhiteSpace(const std::string& text) {
    return TrimBy(text, IsWhiteSpace);
}

// The text with every occurrence of search replaced; the replacement is never
// searched again. An empty search, or one equal to the replacement, leaves the
// text as it is.
inline std::string ReplaceAll(const std::string& text, const std::string& search,
                              const std::string& replacement) {
    if (search == replacement || search.empty()) {
        return text;
    }
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = text.find(search); at != std::string::npos;
         at = text.find(search, from)) {
        result.append(text, from, at - from);
        result += replacement;
        from = at + search.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

}  // namespace platform
