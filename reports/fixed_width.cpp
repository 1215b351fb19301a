#include "reports/fixed_width.h"

namespace reports {

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

}  // namespace reports
