// SPDX-License-Identifier: GPL-3.0-or-later
#include "mp3frames.h"

#include <cstddef>

namespace cuelist {

namespace {

struct FrameHeader
{
    int length = 0;     // bytes, header included
    int samples = 0;    // per frame
    int sampleRate = 0; // Hz
    int sideInfo = 0;   // bytes of Layer III side information after the header
    bool mono = false;
};

// kBitrates[row][index] in kbit/s; rows: MPEG-1 Layer I, II, III, MPEG-2/2.5 Layer I, II/III.
constexpr int kBitrates[5][16] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
};
constexpr int kSampleRates[3] = {44100, 48000, 32000};

std::uint32_t BigEndian32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

std::optional<FrameHeader> ParseHeader(std::span<const std::uint8_t> bytes, std::size_t at)
{
    if (at + 4 > bytes.size())
        return std::nullopt;
    const std::uint8_t* h = bytes.data() + at;
    if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0)
        return std::nullopt;
    const int version = (h[1] >> 3) & 3;     // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
    const int layer = 4 - ((h[1] >> 1) & 3); // 1..3; 4 is reserved
    const int bitrateIndex = h[2] >> 4;
    const int rateIndex = (h[2] >> 2) & 3;
    if (version == 1 || layer == 4 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
        return std::nullopt;
    const bool mpeg1 = version == 3;
    const int row = mpeg1 ? layer - 1 : (layer == 1 ? 3 : 4);
    const int bitrate = kBitrates[row][bitrateIndex] * 1000;
    int rate = kSampleRates[rateIndex];
    if (version == 2)
        rate /= 2;
    else if (version == 0)
        rate /= 4;
    const int padding = (h[2] >> 1) & 1;

    FrameHeader frame;
    frame.sampleRate = rate;
    frame.mono = (h[3] >> 6) == 3;
    if (layer == 1) {
        frame.samples = 384;
        frame.length = (12 * bitrate / rate + padding) * 4;
    } else {
        frame.samples = layer == 3 && !mpeg1 ? 576 : 1152;
        frame.length = (layer == 3 && !mpeg1 ? 72 : 144) * bitrate / rate + padding;
    }
    if (layer == 3)
        frame.sideInfo = mpeg1 ? (frame.mono ? 17 : 32) : (frame.mono ? 9 : 17);
    if (frame.length < 4)
        return std::nullopt;
    return frame;
}

// The frame count of a Xing/Info or VBRI header in the first frame; none without one.
std::optional<std::uint32_t> TaggedFrameCount(std::span<const std::uint8_t> bytes, std::size_t at,
                                              const FrameHeader& frame)
{
    const std::size_t end = std::min(bytes.size(), at + std::size_t(frame.length));
    const std::size_t xing = at + 4 + std::size_t(frame.sideInfo);
    if (xing + 12 <= end) {
        const std::uint8_t* p = bytes.data() + xing;
        const bool tagged = (p[0] == 'X' && p[1] == 'i' && p[2] == 'n' && p[3] == 'g') ||
                            (p[0] == 'I' && p[1] == 'n' && p[2] == 'f' && p[3] == 'o');
        if (tagged)
            return (BigEndian32(p + 4) & 1) != 0 ? std::optional(BigEndian32(p + 8)) : std::nullopt;
    }
    const std::size_t vbri = at + 4 + 32;
    if (vbri + 18 <= end) {
        const std::uint8_t* p = bytes.data() + vbri;
        if (p[0] == 'V' && p[1] == 'B' && p[2] == 'R' && p[3] == 'I')
            return BigEndian32(p + 14);
    }
    return std::nullopt;
}

std::size_t SkipId3v2(std::span<const std::uint8_t> bytes)
{
    std::size_t at = 0;
    // Some files carry more than one tag in front.
    while (at + 10 <= bytes.size() && bytes[at] == 'I' && bytes[at + 1] == 'D' &&
           bytes[at + 2] == '3') {
        const std::uint8_t* s = bytes.data() + at + 6;
        const std::size_t size = std::size_t(s[0] & 0x7F) << 21 | std::size_t(s[1] & 0x7F) << 14 |
                                 std::size_t(s[2] & 0x7F) << 7 | std::size_t(s[3] & 0x7F);
        at += 10 + size + ((bytes[at + 5] & 0x10) != 0 ? 10 : 0);
    }
    return at;
}

} // namespace

std::optional<std::int64_t> Mp3DurationFromFrames(std::span<const std::uint8_t> bytes)
{
    constexpr std::size_t kSyncSearch = 64 * 1024;
    std::size_t at = SkipId3v2(bytes);
    const std::size_t searchEnd = std::min(bytes.size(), at + kSyncSearch);
    std::optional<FrameHeader> first;
    // The first frame is one whose successor starts right after it (or that ends the data),
    // so that a stray sync pattern in padding is not taken for one.
    for (; at < searchEnd; ++at) {
        first = ParseHeader(bytes, at);
        if (first && (at + std::size_t(first->length) >= bytes.size() ||
                      ParseHeader(bytes, at + std::size_t(first->length))))
            break;
        first.reset();
    }
    if (!first)
        return std::nullopt;
    if (const auto frames = TaggedFrameCount(bytes, at, *first))
        return std::int64_t(*frames) * first->samples * 1000 / first->sampleRate;

    std::int64_t samples = 0;
    const int rate = first->sampleRate;
    while (at < bytes.size()) {
        const auto frame = ParseHeader(bytes, at);
        if (!frame || frame->sampleRate != rate)
            break;
        samples += frame->samples;
        at += std::size_t(frame->length);
    }
    // Only a trailing ID3v1 tag or a cut-off last frame may follow the frames.
    const std::size_t rest = at < bytes.size() ? bytes.size() - at : 0;
    const bool tagFollows =
        rest >= 3 && bytes[at] == 'T' && bytes[at + 1] == 'A' && bytes[at + 2] == 'G';
    if (!tagFollows && rest > std::size_t(first->length))
        return std::nullopt;
    return samples * 1000 / rate;
}

} // namespace cuelist
