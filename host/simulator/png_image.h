#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A picture in 8-bit RGB, and its PNG file bytes. The image data is stored
// uncompressed (deflate's stored blocks): screenshots stay small enough, and
// no compression library is needed.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // rows top-down, 3 bytes a pixel
};

std::string EncodePng(const RgbImage& image);

// CRC-32 as PNG chunks and zip files use it.
uint32_t Crc32(const uint8_t* data, std::size_t length, uint32_t crc = 0);
