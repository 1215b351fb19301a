#include "reports/fixed_width.h"

#include <charconv>

void FixedWidthLine::RightAligned(int32_t value, std::size_t width) {
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    Blanks(length, width);
    Text(std::string_view(digits, length));
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
