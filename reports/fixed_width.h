#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// A line of fixed-width columns, appended to a text: the fields gather in a
// buffer of the writer's own and go to the text in one piece at End. A field
// shorter than its width is padded with blanks and a longer one kept whole,
// as printf's widths do; a field of text stays on its line, each control
// character becoming a blank.
class FixedWidthLine {
public:
    explicit FixedWidthLine(std::string& out) : m_Out(out) {}
    FixedWidthLine(const FixedWidthLine&) = delete;
    FixedWidthLine& operator=(const FixedWidthLine&) = delete;

    // Text of the line's own, as it stands.
    void Text(std::string_view text) { std::memcpy(Room(text.size()), text.data(), text.size()); }
    // "%-Ns": the field, then blanks.
    void LeftAligned(std::string_view field, std::size_t width);
    // "%Ns": blanks, then the field.
    void RightAligned(std::string_view field, std::size_t width);
    // "%Ni": blanks, then the decimal number.
    void RightAligned(int32_t value, std::size_t width);
    // "%0Nd" of a number that has at most width digits.
    void Digits(unsigned value, std::size_t width) {
        char* at = Room(width) + width;
        for (; width > 0; --width, value /= 10) {
            *--at = static_cast<char>('0' + value % 10);
        }
    }
    // Appends the line to the text.
    void End() { Flush(); }

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
    void Blanks(std::size_t length, std::size_t width);
    void OnOneLine(std::string_view field);
    void Flush();

    std::string& m_Out;
    std::size_t m_Used = 0;
    char m_Buffer[160];  // a whole line, as a rule
};
