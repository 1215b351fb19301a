#include "host/simulator/png_image.h"

#include <algorithm>
#include <array>

namespace {

const std::array<uint32_t, 256>& CrcTable() {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    return table;
}

void PutBigEndian(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    const std::string body = std::string(type, 4) + data;
    out += body;
    PutBigEndian(out, Crc32(reinterpret_cast<const uint8_t*>(body.data()), body.size()));
}

// Each row behind its filter byte (0: none).
std::string Scanlines(const RgbImage& image) {
    std::string raw;
    const std::size_t stride = static_cast<std::size_t>(image.width) * 3;
    raw.reserve((stride + 1) * static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(image.rgb.data()) + y * stride, stride);
    }
    return raw;
}

// A zlib stream of stored deflate blocks.
std::string StoredZlib(const std::string& raw) {
    std::string out("\x78\x01", 2);
    constexpr std::size_t kMaxBlock = 65535;
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(kMaxBlock, raw.size() - at);
        const bool last = at + length == raw.size();
        out += static_cast<char>(last ? 1 : 0);
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8);
        out += static_cast<char>(~length & 0xFF);
        out += static_cast<char>((~length >> 8) & 0xFF);
        out.append(raw, at, length);
        at += length;
    } while (at < raw.size());
    uint32_t a = 1;
    uint32_t b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(out, (b << 16) | a);
    return out;
}

}  // namespace

uint32_t Crc32(const uint8_t* data, std::size_t length, uint32_t crc) {
    crc = ~crc;
    for (std::size_t i = 0; i < length; ++i) {
        crc = CrcTable()[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    }
    return ~crc;
}

std::string EncodePng(const RgbImage& image) {
    std::string png("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    PutBigEndian(header, static_cast<uint32_t>(image.width));
    PutBigEndian(header, static_cast<uint32_t>(image.height));
    header += std::string("\x08\x02\x00\x00\x00",
                          5);  // 8 bits, RGB, deflate, no filter choice, no interlace
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(Scanlines(image)));
    PutChunk(png, "IEND", std::string());
    return png;
}
