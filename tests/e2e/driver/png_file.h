// Writes 24-bit pictures as PNG files, so screenshots can be looked at anywhere
// without a converter.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// rgbRows: height rows of width * 3 bytes, top row first, red-green-blue order.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgbRows);

}  // namespace e2e
