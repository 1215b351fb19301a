// The INI reader and writer over any file, section, key, value and buffer
// size: never a failure, never more than the buffer holds, a key written
// is read back as the rules trim it, and other keys stay as they were.
#include <cctype>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "platform/profile.h"
#include "platform/text.h"

using namespace platform;

namespace {

const char kFile[] = "Plugins\\fuzz.ini";
const char kPath[] = "Plugins/fuzz.ini";
constexpr std::size_t kWholeValue = 1 << 20;

// Text on one line of the file: no line breaks, no control bytes but tabs
// (whose trimming the platforms do not agree on), so that white space is
// blanks only.
bool OneLine(const std::string& text) {
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7F) {
            return false;
        }
    }
    return true;
}

// A section or key name that a line of the file can carry.
bool Nameable(const char* name) {
    if (!name) {
        return false;
    }
    const std::string text = name;
    return OneLine(text) && !TrimWhiteSpace(text).empty() &&
           text.find_first_of("=[]") == std::string::npos;
}

// What a read gives back of a written value: blanks trimmed, then a pair
// of quotes removed.
std::string AsRead(const std::string& value) {
    std::string text = TrimWhiteSpace(value);
    const std::size_t n = text.size();
    if (n >= 2 && (text[0] == '"' || text[0] == '\'') && text[n - 1] == text[0]) {
        text = text.substr(1, n - 2);
    }
    return text;
}

std::size_t BufferSize(uint8_t selector) {
    return selector < 250 ? selector : (selector - 249u) * 1000u;
}

bool SameName(const char* a, const char* b) {
    std::string x = TrimWhiteSpace(a);
    std::string y = TrimWhiteSpace(b);
    if (x.size() != y.size()) {
        return false;
    }
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(x[i])) !=
            std::tolower(static_cast<unsigned char>(y[i]))) {
            return false;
        }
    }
    return true;
}

void CheckRoundTrip(const char* section, const char* key, const char* value, const char* other,
                    std::size_t bufSize) {
    const bool otherKept = Nameable(other) && !SameName(other, key);
    const std::string otherBefore =
        otherKept ? ReadIniString(kFile, section, other, "<none>", kWholeValue) : "";
    Require(WriteIniString(kFile, section, key, value), "the write succeeds");
    const std::string expected = AsRead(value);
    Require(ReadIniString(kFile, section, key, "<none>", kWholeValue) == expected,
            "a written key reads back as written");
    if (bufSize > 0) {
        Require(ReadIniString(kFile, section, key, "<none>", bufSize) ==
                    expected.substr(0, bufSize - 1),
                "a written key reads back cut to the buffer");
    }
    if (otherKept) {
        Require(ReadIniString(kFile, section, other, "<none>", kWholeValue) == otherBefore,
                "other keys stay as they were");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterFuzzDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::size_t bufSize = BufferSize(in.Byte());
    const char* section = in.Text();
    const char* key = in.Text();
    const char* defaultValue = in.Text();
    const char* value = in.Text();
    const char* other = in.Text();
    WriteWholeFile(kPath, in.Rest());

    const std::string read = ReadIniString(kFile, section, key, defaultValue, bufSize);
    Require(bufSize == 0 ? read.empty() : read.size() < bufSize, "a read fits its buffer");
    if (Nameable(section) && Nameable(key) && value && OneLine(value)) {
        CheckRoundTrip(section, key, value, other, bufSize);
    }
    return 0;
}
