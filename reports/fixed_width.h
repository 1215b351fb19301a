#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace reports {

// A line of fixed-width columns, appended to a text: the fields gather in a
// buffer of the writer's own and go to the text in one piece at End. A field
// shorter than its width is padded with blanks and a longer one kept whole,
// as printf's widths do; a field of text stays on its line, each control
// character becoming a blank. The line tells whether a field held a blank or
// a control character: a reader that splits lines at blanks would not find
// such a field whole.
class FixedWidthLine {
public:
    explicit FixedWidthLine(std::string& out) : m_Out(out) {}
    FixedWidthLine(const FixedWidthLine&) = delete;
    FixedWidthLine& operator=(const FixedWidthLine&) = delete;

    // Text of the line's own, as it stands.
    void Text(std::string_view text) { std::memcpy(Room(text.size()), text.data(), text.size()); }
    // "%-Ns": the field, then blanks.
    void LeftAligned(std::string_view field, std::size_t width) {
        OnOneLine(field);
        Blanks(field.size(), width);
    }
    // "%Ns": blanks, then the field.
    void RightAligned(std::string_view field, std::size_t width) {
        Blanks(field.size(), width);
        OnOneLine(field);
    }
    // "%Ni": blanks, then the decimal number.
    void RightAligned(int32_t value, std::size_t width) {
        char digits[16];
        const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        const auto length = static_cast<std::size_t>(end - digits);
        Blanks(length, width);
        Text(std::string_view(digits, length));
    }
    // "%0Nd" of a number that has at most width digits.
    void Digits(unsigned value, std::size_t width) {
        char* at = Room(width) + width;
        for (; width >= 2; width -= 2, value /= 100) {
            at -= 2;
            std::memcpy(at, kDigitPairs + 2 * (value % 100), 2);
        }
        if (width == 1) {
            *--at = static_cast<char>('0' + value % 10);
        }
    }
    // Appends the line to the text.
    void End() { Flush(); }
    // Whether a field of text held a blank or a control character.
    bool FieldWithBlank() const { return m_FieldWithBlank; }

private:
    // Where the next length characters go; they count as written.
    char* Room(std::size_t length) {
        if (m_Used + length > sizeof m_Buffer) {
            return RoomBeyondBuffer(length);
        }
        char* at = m_Buffer + m_Used;
        m_Used += length;
        return at;
    }
    char* RoomBeyondBuffer(std::size_t length);
    // The padding of a field of this length to the width.
    void Blanks(std::size_t length, std::size_t width) {
        constexpr std::size_t kMany = sizeof kBlanks - 1;
        if (length >= width) {
            return;
        }
        const std::size_t count = width - length;
        if (count <= kMany && m_Used + kMany <= sizeof m_Buffer) {
            // Sixteen blanks in one store: the line keeps as many as it needs,
            // and what follows writes over the rest.
            std::memcpy(m_Buffer + m_Used, kBlanks, kMany);
            m_Used += count;
            return;
        }
        std::memset(Room(count), ' ', count);
    }
    void OnOneLine(std::string_view field) {
        char* at = Room(field.size());
        bool blank = false;
        for (char c : field) {
            const auto byte = static_cast<unsigned char>(c);
            blank |= byte <= ' ';
            *at++ = byte < 0x20 ? ' ' : c;
        }
        m_FieldWithBlank |= blank;
    }
    void Flush();

    static constexpr char kBlanks[] = "                ";
    static constexpr char kDigitPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";

    std::string& m_Out;
    std::size_t m_Used = 0;
    bool m_FieldWithBlank = false;
    char m_Buffer[160];  // a whole line, as a rule
};

}  // namespace reports
