#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "platform/ole_date_time.h"

// Reads a fuzzer's bytes as the arguments of calls. Every read succeeds:
// past the end it yields zeros and empty texts. The texts and dates it hands
// out stay valid until the reader is destroyed.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, std::size_t size) : m_Data(data), m_Size(size) {}

    bool Empty() const { return m_At >= m_Size; }
    uint8_t Byte();
    uint32_t Uint32();
    double Double();
    // The rest of the input as bytes.
    std::string Rest();

    // A host string: a length byte, then that many bytes (NULs included,
    // so the host's text ends at the first). Length bytes above the plain
    // range select a null pointer, a long text of repeated bytes, or a word
    // of the contest (see fuzz_input.cpp).
    const char* Text();
    // A host date-time: null, or raw value bits with any status.
    platform::COleDateTime* Date();

private:
    std::string Bytes(std::size_t count);

    const uint8_t* m_Data;
    std::size_t m_Size;
    std::size_t m_At = 0;
    std::deque<std::string> m_Texts;
    std::deque<platform::COleDateTime> m_Dates;
};
