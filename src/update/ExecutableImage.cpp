#include "update/ExecutableImage.h"

#include <cstdint>

namespace cw::update {

namespace {
constexpr std::size_t kDosHeaderSize = 0x40;
constexpr std::size_t kNewHeaderOffsetField = 0x3C;
constexpr std::size_t kFileHeaderSize = 20;  // IMAGE_FILE_HEADER, right after the signature
}  // namespace

bool IsWindowsExecutable(std::string_view bytes) {
    if (bytes.size() < kDosHeaderSize || bytes[0] != 'M' || bytes[1] != 'Z') return false;
    std::uint32_t offset = 0;
    for (int i = 3; i >= 0; --i) {
        offset = offset << 8 | static_cast<unsigned char>(bytes[kNewHeaderOffsetField + i]);
    }
    if (offset < kDosHeaderSize || offset > bytes.size() ||
        bytes.size() - offset < 4 + kFileHeaderSize) {
        return false;
    }
    return bytes.substr(offset, 4) == std::string_view("PE\0\0", 4);
}

}  // namespace cw::update
