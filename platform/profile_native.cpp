// Our own implementation of the private-profile rules for the portable build.
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "platform/mutex.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace platform {

namespace {

Mutex g_ProfileLock;  // Windows serialises profile access; so do we.

struct Line {
    std::string text;     // the line as stored, without its line end
    std::string section;  // for a section header: its name
    std::string key;      // for a key line: its name
    std::string value;    // for a key line: its value as read
    enum Kind { other, header, entry } kind = other;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Profile files trim blanks only, not line ends or other white space.
std::string Trim(const std::string& s) {
    return TrimBy(s, IsBlank);
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ToLowerAscii(a[i]) != ToLowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// A section or key name as it is looked up and written: the blanks around
// it do not count, in the file or in the request.
std::string Name(const char* name) {
    return Trim(name ? name : "");
}

std::string LocalPath(const char* file) {
    std::string path(file ? file : "");
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return path;
}

Line ParseLine(const std::string& text) {
    Line line;
    line.text = text;
    const std::string t = Trim(text);
    if (!t.empty() && t[0] == '[') {
        const std::size_t close = t.find(']');
        line.kind = Line::header;
        line.section =
            Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
        return line;
    }
    const std::size_t eq = t.find('=');
    if (eq != std::string::npos) {
        line.kind = Line::entry;
        line.key = Trim(t.substr(0, eq));
        line.value = Trim(t.substr(eq + 1));
        const std::size_t n = line.value.size();
        if (n >= 2 && (line.value[0] == '"' || line.value[0] == '\'') &&
            line.value[n - 1] == line.value[0]) {
            line.value = line.value.substr(1, n - 2);
        }
    }
    return line;
}

// The file's bytes; nothing when it cannot be opened.
std::optional<std::string> ReadWhole(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        return std::nullopt;
    }
    std::string content;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        content.append(buf, n);
    }
    std::fclose(f);
    return content;
}

std::vector<Line> Parse(const std::string& content) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) {
            end = content.size();
        }
        std::string text = content.substr(start, end - start);
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        lines.push_back(ParseLine(text));
        start = end + 1;
    }
    return lines;
}

std::vector<Line> Load(const std::string& path) {
    return Parse(ReadWhole(path).value_or(std::string()));
}

std::string Join(const std::vector<Line>& lines) {
    std::string content;
    for (const Line& line : lines) {
        content += line.text;
        content += "\r\n";
    }
    return content;
}

// An existing file is written over in place and then cut to length: on ext4
// a file truncated to nothing and written again is forced to disk when it is
// closed, which costs a hundred times the write.
bool Save(const std::string& path, const std::string& content, bool exists) {
    std::FILE* f = std::fopen(path.c_str(), exists ? "r+b" : "wb");
    if (!f) {
        return false;
    }
    bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
    ok = std::fflush(f) == 0 && ok;
    ok = ::ftruncate(::fileno(f), static_cast<off_t>(content.size())) == 0 && ok;
    return std::fclose(f) == 0 && ok;
}

// The half-open range of lines that belong to the first section of that name
// (its header excluded); {npos, npos} when there is none.
std::pair<std::size_t, std::size_t> FindSection(const std::vector<Line>& lines,
                                                const std::string& section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == Line::header && SameName(lines[i].section, section)) {
            std::size_t end = i + 1;
            while (end < lines.size() && lines[end].kind != Line::header) {
                ++end;
            }
            return {i + 1, end};
        }
    }
    return {std::string::npos, std::string::npos};
}

std::size_t FindKey(const std::vector<Line>& lines, std::pair<std::size_t, std::size_t> range,
                    const std::string& key) {
    for (std::size_t i = range.first; i < range.second; ++i) {
        if (lines[i].kind == Line::entry && SameName(lines[i].key, key)) {
            return i;
        }
    }
    return std::string::npos;
}

Line EntryLine(const std::string& key, const std::string& value) {
    return ParseLine(key + "=" + value);
}

}  // namespace

std::string ReadIniString(const char* file, const char* section, const char* key,
                          const char* defaultValue, std::size_t bufSize) {
    if (bufSize == 0) {
        return std::string();
    }
    std::string result = defaultValue ? defaultValue : "";
    {
        MutexLock lock(g_ProfileLock);
        const std::vector<Line> lines = Load(LocalPath(file));
        const auto range = FindSection(lines, Name(section));
        if (range.first != std::string::npos) {
            const std::size_t at = FindKey(lines, range, Name(key));
            if (at != std::string::npos) {
                result = lines[at].value;
            }
        }
    }
    if (result.size() > bufSize - 1) {
        result.resize(bufSize - 1);
    }
    return result;
}

std::string ReadWholeIniString(const char* file, const char* section, const char* key,
                               const char* defaultValue) {
    return ReadIniString(file, section, key, defaultValue, std::string::npos);
}

bool WriteIniString(const char* file, const char* section, const char* key, const char* value) {
    const std::string path = LocalPath(file);
    const std::string sectionName = Name(section);
    const std::string keyName = Name(key);
    MutexLock lock(g_ProfileLock);
    const std::optional<std::string> before = ReadWhole(path);
    std::vector<Line> lines = Parse(before.value_or(std::string()));
    auto range = FindSection(lines, sectionName);
    if (range.first == std::string::npos) {
        if (!value) {
            return true;
        }
        lines.push_back(ParseLine("[" + sectionName + "]"));
        range = {lines.size(), lines.size()};
    }
    const std::size_t at = FindKey(lines, range, keyName);
    if (at != std::string::npos) {
        if (value) {
            lines[at] = EntryLine(lines[at].key, value);
        } else {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
        }
    } else if (value) {
        // New keys go behind the section's last non-blank line.
        std::size_t insertAt = range.second;
        while (insertAt > range.first && Trim(lines[insertAt - 1].text).empty()) {
            --insertAt;
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                     EntryLine(keyName, value));
    }
    const std::string after = Join(lines);
    // As on Windows, a write that changes nothing leaves the file alone.
    return after == before || Save(path, after, before.has_value());
}

}  // namespace platform
