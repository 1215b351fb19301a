#include "reports/fixed_width.h"

#include <charconv>

void FixedWidthLine::LeftAligned(std::string_view field, std::size_t width) {
    OnOneLine(field);
    Blanks(field.size(), width);
}

void FixedWidthLine::RightAligned(std::string_view field, std::size_t width) {
    Blanks(field.size(), width);
    OnOneLine(field);
}

void FixedWidthLine::RightAligned(int32_t value, std::size_t width) {
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    Blanks(length, width);
    Text(std::string_view(digits, length));
}

// The padding of a field of this length to the width.
void FixedWidthLine::Blanks(std::size_t length, std::size_t width) {
    static constexpr char kBlanks[] = "                ";
    constexpr std::size_t kMany = sizeof kBlanks - 1;
    if (length >= width) {
        return;
    }
    const std::size_t count = width - length;
    if (count <= kMany && m_Used + kMany <= sizeof m_Buffer) {
        // Sixteen blanks in one store: the line keeps as many as it needs, and
        // what follows writes over the rest.
        std::memcpy(m_Buffer + m_Used, kBlanks, kMany);
        m_Used += count;
        return;
    }
    std::memset(Room(count), ' ', count);
}

void FixedWidthLine::OnOneLine(std::string_view field) {
    char* at = Room(field.size());
    for (char c : field) {
        *at++ = static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
}

// What the buffer has goes to the text first; a field longer than the
// buffer is written at the end of the text itself.
char* FixedWidthLine::RoomBeyondBuffer(std::size_t length) {
    Flush();
    if (length <= sizeof m_Buffer) {
        m_Used = length;
        return m_Buffer;
    }
    const std::size_t at = m_Out.size();
    m_Out.resize(at + length);
    return &m_Out[at];
}

void FixedWidthLine::Flush() {
    m_Out.append(m_Buffer, m_Used);
    m_Used = 0;
}
