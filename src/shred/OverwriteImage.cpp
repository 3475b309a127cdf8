#include "shred/OverwriteImage.h"

#include <string_view>

#include "text/Convert.h"

namespace cw {

namespace {

using namespace std::string_view_literals;

// The integer 10 as the program wrote it: four bytes, little-endian.
constexpr std::string_view kInteger10 = "\x0A\x00\x00\x00"sv;
constexpr std::string_view kOneZero = "\x31\x30"sv;

struct Run {
    std::string_view unit;
    int fixedCount;  // 0: the run repeats its unit N times
};

constexpr Run kRuns[] = {
    {kInteger10, 0}, {"\xEA\xDE"sv, 0}, {"\x31\xE7"sv, 0}, {kOneZero, 0},     {kOneZero, 0},
    {kOneZero, 0},   {kOneZero, 0},     {kOneZero, 0},     {kOneZero, 0},     {kOneZero, 0},
    {kOneZero, 0},   {kOneZero, 0},     {kOneZero, 0},     {"\x2E"sv, 0},     {"\x2E"sv, 0},
    {"\x56"sv, 0},   {"\x65"sv, 0},     {"\x72"sv, 0},     {"\x97"sv, 0},     {"\x31"sv, 0},
    {"\x2E"sv, 0},   {"\x30"sv, 0},     {"\x2E"sv, 0},     {"\x30"sv, 0},     {kInteger10, 0},
    {kInteger10, 0}, {kInteger10, 0},   {kInteger10, 10},  {kInteger10, 100}, {"\x00"sv, 0},
};

}  // namespace

std::int16_t RepetitionCount(int levelPosition) {
    // 16-bit arithmetic, as the count has always been kept: a position past 327 overflows
    // (error 6) rather than wrapping to a different level.
    return text::ToInteger(100.0 * levelPosition);
}

std::size_t OverwriteImageSize(std::int16_t n) {
    return 52u * static_cast<std::size_t>(n > 0 ? n : 0) + 440u;
}

std::string BuildOverwriteImage(std::int16_t n) {
    std::string image;
    image.reserve(OverwriteImageSize(n));
    for (const Run& run : kRuns) {
        int count = run.fixedCount != 0 ? run.fixedCount : n;
        for (int i = 0; i < count; ++i)
            image.append(run.unit);
    }
    return image;
}

}  // namespace cw
