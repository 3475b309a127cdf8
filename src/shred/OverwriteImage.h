#pragma once
// The byte image the file shredder writes over a file before deleting it. Its length
// depends on the security level chosen in cmbOver: the zero-based position of the selection
// gives the repetition count N = 100 × position (16-bit), and the image is made of 30 runs,
// each a short unit written N times in a row (two runs have a fixed count instead), so that
// it is 52 × max(N, 0) + 440 bytes long. No selection (position -1) gives N = -100: every
// N-run is empty and only the 440 fixed bytes remain.

#include <cstddef>
#include <cstdint>
#include <string>

namespace cw {

// N for a position of cmbOver (-1 when nothing is selected).
std::int16_t RepetitionCount(int levelPosition);

// 52 × max(n, 0) + 440.
std::size_t OverwriteImageSize(std::int16_t n);

// The whole image for a repetition count.
std::string BuildOverwriteImage(std::int16_t n);

}  // namespace cw
