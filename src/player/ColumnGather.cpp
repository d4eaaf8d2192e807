#include "player/ColumnGather.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define KREMOA_HAS_AVX2_PATH 1
#endif

namespace {

constexpr std::size_t kBytesPerPixel = 4;
// Runs of consecutive source columns at least this long move with memcpy.
constexpr int kShortestRun = 16;
// Narrow windows hold two loads of eight pixels, wide ones four.
constexpr int kNarrowWindow = 16;
constexpr int kWideWindow = 32;

void gatherPixels(QRgb* out, const QRgb* in, const int* columns, int count)
{
    for (int k = 0; k < count; ++k) {
        out[k] = in[columns[k]];
    }
}

bool processorCanPermute()
{
#ifdef KREMOA_HAS_AVX2_PATH
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

}  // namespace

#ifdef KREMOA_HAS_AVX2_PATH
namespace {

// Each narrow window: two unaligned loads of eight pixels, both permuted by the window's indexes
// (their low three bits), then the lanes whose index is 8 or more taken from the second load.
template <typename Window>
__attribute__((target("avx2"))) void permuteNarrow(QRgb* out, const QRgb* in, const Window* windows,
                                                   int count)
{
    const __m256i seven = _mm256_set1_epi32(7);
    for (int g = 0; g < count; ++g) {
        const Window& window = windows[g];
        const auto* source = reinterpret_cast<const __m256i*>(in + window.base);
        const __m256i index = _mm256_load_si256(reinterpret_cast<const __m256i*>(window.index));
        const __m256i first = _mm256_permutevar8x32_epi32(_mm256_loadu_si256(source), index);
        const __m256i second = _mm256_permutevar8x32_epi32(_mm256_loadu_si256(source + 1), index);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out) + g,
                            _mm256_blendv_epi8(first, second, _mm256_cmpgt_epi32(index, seven)));
    }
}

// Each wide window: four loads, paired as for narrow windows, then the pair chosen by index 16
// or more.
template <typename Window>
__attribute__((target("avx2"))) void permuteWide(QRgb* out, const QRgb* in, const Window* windows,
                                                 int count)
{
    const __m256i seven = _mm256_set1_epi32(7);
    const __m256i fifteen = _mm256_set1_epi32(15);
    const __m256i sixteen = _mm256_set1_epi32(16);
    for (int g = 0; g < count; ++g) {
        const Window& window = windows[g];
        const auto* source = reinterpret_cast<const __m256i*>(in + window.base);
        const __m256i index = _mm256_load_si256(reinterpret_cast<const __m256i*>(window.index));
        const __m256i upper = _mm256_cmpgt_epi32(index, fifteen);
        // Within the chosen pair, lanes 8..15 (or 24..31) come from its second load.
        const __m256i inPair = _mm256_sub_epi32(index, _mm256_and_si256(upper, sixteen));
        const __m256i second = _mm256_cmpgt_epi32(inPair, seven);
        const __m256i low = _mm256_blendv_epi8(
            _mm256_permutevar8x32_epi32(_mm256_loadu_si256(source), index),
            _mm256_permutevar8x32_epi32(_mm256_loadu_si256(source + 1), index), second);
        const __m256i high = _mm256_blendv_epi8(
            _mm256_permutevar8x32_epi32(_mm256_loadu_si256(source + 2), index),
            _mm256_permutevar8x32_epi32(_mm256_loadu_si256(source + 3), index), second);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out) + g,
                            _mm256_blendv_epi8(low, high, upper));
    }
}

}  // namespace
#endif

ColumnGather::ColumnGather() : canPermute_(processorCanPermute()) {}

void ColumnGather::plan(std::span<const int> columns, int sourceWidth)
{
    columns_.assign(columns.begin(), columns.end());
    spans_.clear();
    windows_.clear();
    const int count = static_cast<int>(columns_.size());
    int pending = 0;  // start of target pixels not yet planned
    const auto flushShort = [&](int end) {
        // Pixels [pending, end) that belong to no run: windows of eight where possible.
        int k = pending;
        while (canPermute_ && k + kLanes <= end) {
            const auto [low, high] =
                std::minmax_element(columns_.begin() + k, columns_.begin() + k + kLanes);
            const int spread = *high - *low;
            const Kind kind = spread < kNarrowWindow ? Kind::NarrowWindows : Kind::WideWindows;
            const int reach = kind == Kind::NarrowWindows ? kNarrowWindow : kWideWindow;
            if (spread >= kWideWindow || *low + reach > sourceWidth) {
                addPixels(k, kLanes);
                k += kLanes;
                continue;
            }
            Window window{};
            window.base = *low;
            for (int lane = 0; lane < kLanes; ++lane) {
                window.index[lane] = columns_[k + lane] - *low;
            }
            windows_.push_back(window);
            addWindow(k, kind);
            k += kLanes;
        }
        if (k < end) {
            addPixels(k, end - k);
        }
        pending = end;
    };
    for (int start = 0; start < count;) {
        int end = start + 1;
        while (end < count && columns_[end] == columns_[end - 1] + 1) {
            ++end;
        }
        if (end - start >= kShortestRun) {
            flushShort(start);
            spans_.push_back({Kind::Run, start, end - start, columns_[start]});
            pending = end;
        }
        start = end;
    }
    flushShort(count);
}

void ColumnGather::addPixels(int target, int length)
{
    if (!spans_.empty() && spans_.back().kind == Kind::Pixels &&
        spans_.back().target + spans_.back().length == target) {
        spans_.back().length += length;
        return;
    }
    spans_.push_back({Kind::Pixels, target, length, 0});
}

void ColumnGather::addWindow(int target, Kind kind)
{
    const int window = static_cast<int>(windows_.size()) - 1;
    if (!spans_.empty() && spans_.back().kind == kind &&
        spans_.back().target + spans_.back().length == target) {
        spans_.back().length += kLanes;
        return;
    }
    spans_.push_back({kind, target, kLanes, window});
}

void ColumnGather::drawRow(const QRgb* in, QRgb* out) const
{
    for (const Span& span : spans_) {
        switch (span.kind) {
            case Kind::Run:
                std::memcpy(out + span.target, in + span.first,
                            static_cast<std::size_t>(span.length) * kBytesPerPixel);
                break;
#ifdef KREMOA_HAS_AVX2_PATH
            case Kind::NarrowWindows:
                permuteNarrow(out + span.target, in, windows_.data() + span.first,
                              span.length / kLanes);
                break;
            case Kind::WideWindows:
                permuteWide(out + span.target, in, windows_.data() + span.first,
                            span.length / kLanes);
                break;
#else
            case Kind::NarrowWindows:
            case Kind::WideWindows:
                break;
#endif
            case Kind::Pixels:
                gatherPixels(out + span.target, in, columns_.data() + span.target, span.length);
                break;
        }
    }
}
