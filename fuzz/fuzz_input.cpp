#include "fuzz/fuzz_input.h"

#include <cstring>

using namespace platform;

namespace {

// Length bytes from kFirstWord on name a word that the contest's rules
// compare against; a fuzzer rarely guesses them byte by byte.
const char* const kWords[] = {
    "10m",     "10M", "15m",   "CW",     "SSB", "FM",   "cw",   "K",    "VE",        "XE",
    "DL",      "",    "MA",    " ma ",   "DF",  "DFE",  "R1",   "XX",   "599",       "1234",
    "W1AW/MM", "/MM", "K1ABC", "W1AW/P", "\\",  "<CR>", "<LF>", "\r\n", "SOAPBOX: ", " ",
};
constexpr std::size_t kWordCount = sizeof kWords / sizeof kWords[0];
constexpr uint8_t kFirstWord = 0xE0;
constexpr uint8_t kNullText = 0xFF;
constexpr uint8_t kLongText = 0xFE;  // then a count byte: that many times 256 of the next byte
constexpr std::size_t kLongTextUnit = 256;

constexpr uint8_t kNullDate = 0;

}  // namespace

uint8_t FuzzInput::Byte() {
    return m_At < m_Size ? m_Data[m_At++] : 0;
}

uint32_t FuzzInput::Uint32() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        value = value << 8 | Byte();
    }
    return value;
}

double FuzzInput::Double() {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) {
        bits = bits << 8 | Byte();
    }
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string FuzzInput::Bytes(std::size_t count) {
    const std::size_t n = count < m_Size - m_At ? count : m_Size - m_At;
    std::string bytes(reinterpret_cast<const char*>(m_Data + m_At), n);
    m_At += n;
    return bytes;
}

std::string FuzzInput::Rest() {
    return Empty() ? std::string() : Bytes(m_Size - m_At);
}

const char* FuzzInput::Text() {
    const uint8_t length = Byte();
    if (length == kNullText) {
        return nullptr;
    }
    if (length == kLongText) {
        const std::size_t units = Byte();
        m_Texts.emplace_back(units * kLongTextUnit, static_cast<char>(Byte()));
    } else if (length >= kFirstWord) {
        m_Texts.emplace_back(kWords[(length - kFirstWord) % kWordCount]);
    } else {
        m_Texts.push_back(Bytes(length));
    }
    return m_Texts.back().c_str();
}

COleDateTime* FuzzInput::Date() {
    if (Byte() == kNullDate) {
        return nullptr;
    }
    const double value = Double();
    const auto status = static_cast<COleDateTime::DateTimeStatus>(static_cast<int8_t>(Byte()));
    m_Dates.emplace_back(value, status);
    return &m_Dates.back();
}
