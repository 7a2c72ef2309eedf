// Decoding of JPEG pictures (the front-panel drawings) with libjpeg, into plain RGB pixels
// that the GUI layer turns into images.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qs {

struct JpegImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // width * height * 3 bytes, rows top to bottom
};

// Decodes a JPEG file. Returns false (and leaves `out` empty) when the file is missing or is
// not a JPEG picture libjpeg can read; never ends the program.
bool DecodeJpegFile(const std::string& path, JpegImage& out);

// The same for a picture held in memory.
bool DecodeJpegData(const std::uint8_t* data, std::size_t size, JpegImage& out);

} // namespace qs
