// PNG files of screenshots, read back by an independent decoder of the
// parts they use: chunks with their CRCs, a zlib stream of stored blocks.
#include <gtest/gtest.h>

#include <cstdint>

#include "host/simulator/png_image.h"

namespace {

uint32_t BigEndian(const std::string& s, std::size_t at) {
    return (static_cast<uint32_t>(static_cast<uint8_t>(s[at])) << 24) |
           (static_cast<uint32_t>(static_cast<uint8_t>(s[at + 1])) << 16) |
           (static_cast<uint32_t>(static_cast<uint8_t>(s[at + 2])) << 8) |
           static_cast<uint32_t>(static_cast<uint8_t>(s[at + 3]));
}

// Bit by bit, the slow way, to check the table-driven one.
uint32_t SlowCrc(const std::string& data) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char c : data) {
        crc ^= c;
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

struct Decoded {
    uint32_t width = 0, height = 0;
    std::string pixels;  // filter bytes removed
};

Decoded Decode(const std::string& png) {
    Decoded d;
    EXPECT_EQ(std::string("\x89PNG\r\n\x1a\n", 8), png.substr(0, 8));
    std::string zlib;
    for (std::size_t at = 8; at < png.size();) {
        const uint32_t length = BigEndian(png, at);
        const std::string typeAndData = png.substr(at + 4, 4 + length);
        EXPECT_EQ(SlowCrc(typeAndData), BigEndian(png, at + 8 + length))
            << typeAndData.substr(0, 4);
        const std::string type = typeAndData.substr(0, 4);
        if (type == "IHDR") {
            d.width = BigEndian(typeAndData, 4);
            d.height = BigEndian(typeAndData, 8);
            EXPECT_EQ(std::string("\x08\x02\x00\x00\x00", 5), typeAndData.substr(12, 5));
        } else if (type == "IDAT") {
            zlib += typeAndData.substr(4);
        }
        at += 12 + length;
    }
    std::string raw;
    std::size_t at = 2;  // the zlib header
    for (bool last = false; !last;) {
        last = zlib[at] & 1;
        const std::size_t length =
            static_cast<uint8_t>(zlib[at + 1]) |
            (static_cast<std::size_t>(static_cast<uint8_t>(zlib[at + 2])) << 8);
        EXPECT_EQ(0xFFFFu,
                  (length ^ (static_cast<uint8_t>(zlib[at + 3]) |
                             (static_cast<std::size_t>(static_cast<uint8_t>(zlib[at + 4])) << 8))));
        raw += zlib.substr(at + 5, length);
        at += 5 + length;
    }
    const std::size_t stride = d.width * 3 + 1;
    for (std::size_t y = 0; y < d.height; ++y) {
        EXPECT_EQ('\0', raw[y * stride]) << "filter of row " << y;
        d.pixels += raw.substr(y * stride + 1, stride - 1);
    }
    return d;
}

RgbImage Gradient(int width, int height) {
    RgbImage image{width, height, {}};
    for (int i = 0; i < width * height * 3; ++i) {
        image.rgb.push_back(static_cast<uint8_t>(i * 7 + i / 3));
    }
    return image;
}

}  // namespace

TEST(PngImage, RoundTripsThroughAnIndependentReader) {
    struct Case {
        int width, height;
    } const cases[] = {
        {1, 1},     {3, 2}, {432, 217},  // a DXCC window: more than one stored block
        {200, 110}, {0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        const RgbImage image = Gradient(c.width, c.height);
        const Decoded decoded = Decode(EncodePng(image));
        EXPECT_EQ(static_cast<uint32_t>(c.width), decoded.width);
        EXPECT_EQ(static_cast<uint32_t>(c.height), decoded.height);
        EXPECT_EQ(std::string(image.rgb.begin(), image.rgb.end()), decoded.pixels);
    }
}

TEST(PngImage, Crc32KnownValues) {
    const std::string text = "123456789";
    EXPECT_EQ(0xCBF43926u, Crc32(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    EXPECT_EQ(0u, Crc32(nullptr, 0));
}
