// SPDX-License-Identifier: GPL-3.0-or-later
#include "names.h"

#include <cstring>
#include <iconv.h>
#include <vector>

namespace cuelist {

namespace {

constexpr char32_t kInvalid = 0xFFFFFFFF;
constexpr char32_t kIdeographicSpace = 0x3000;
constexpr char32_t kKatakanaFirst = 0xFF61; // CP932 0xA1
constexpr char32_t kKatakanaLast = 0xFF9F;  // CP932 0xDF

// Decodes one UTF-8 sequence at text[i], strictly (no overlongs, surrogates or values past
// U+10FFFF). Advances i past it; an invalid byte yields kInvalid and advances by one.
char32_t DecodeUtf8(std::string_view text, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        extra = 1;
        cp = b0 & 0x1F;
        minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        extra = 2;
        cp = b0 & 0x0F;
        minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        extra = 3;
        cp = b0 & 0x07;
        minimum = 0x10000;
    } else {
        ++i;
        return kInvalid;
    }
    if (i + std::size_t(extra) >= text.size()) {
        ++i;
        return kInvalid;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char b = byte(i + std::size_t(k));
        if ((b & 0xC0) != 0x80) {
            ++i;
            return kInvalid;
        }
        cp = cp << 6 | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return kInvalid;
    }
    i += std::size_t(extra) + 1;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | cp >> 18);
        out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// One iconv descriptor per direction and thread, opened on first use.
class Converter final
{
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts one whole character; false when it has no form in the target.
    bool Convert(const char* in, std::size_t inLength, std::string& out)
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            return false;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[8];
        char* src = const_cast<char*>(in);
        char* dst = buffer;
        std::size_t srcLeft = inLength;
        std::size_t dstLeft = sizeof buffer;
        if (iconv(m_cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1) ||
            srcLeft != 0)
            return false;
        out.append(buffer, std::size_t(dst - buffer));
        return true;
    }

private:
    iconv_t m_cd;
};

Converter& FromCp932()
{
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& ToCp932()
{
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

bool IsLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool IsTrailByte(unsigned char b)
{
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

bool IsTrimmedSpace(unsigned char b)
{
    return b == ' ' || (b >= '\t' && b <= '\r');
}

bool IsFatInvalid(unsigned char b)
{
    return b < 0x20 || b == 0x7F || std::strchr("\\/:*?\"<>|", b) != nullptr;
}

// A character of the name in its CP932 form: a single byte, or a double-byte character
// (which includes every character without a single-byte form).
struct NameChar
{
    unsigned char byte = 0;
    bool wide = false;
};

} // namespace

NameResult CheckChosenFileName(std::string_view utf8Name, bool* blank)
{
    const NameCheck check = CheckSlotFileName(utf8Name);
    if (blank)
        *blank = check.blank;
    if (check.blank)
        return kNameNotMp3;
    if (const NameResult edges = CheckFileNameEdges(utf8Name); edges != kNameAccepted)
        return edges;
    return check.result;
}

NameResult CheckFileNameEdges(std::string_view utf8Name)
{
    if (utf8Name.empty())
        return kNameAccepted;
    std::size_t i = 0;
    const char32_t firstChar = DecodeUtf8(utf8Name, i);
    char32_t lastChar = firstChar;
    while (i < utf8Name.size())
        lastChar = DecodeUtf8(utf8Name, i);
    const auto blank = [](char32_t cp) {
        return cp == kIdeographicSpace ||
               (cp < 0x80 && IsTrimmedSpace(static_cast<unsigned char>(cp)));
    };
    return blank(firstChar) || blank(lastChar) ? kNameEdgeBlank : kNameAccepted;
}

NameCheck CheckSlotFileName(std::string_view utf8Name)
{
    NameCheck check;
    std::vector<NameChar> chars;
    chars.reserve(utf8Name.size());
    bool blank = true;
    for (std::size_t i = 0; i < utf8Name.size();) {
        const char32_t cp = DecodeUtf8(utf8Name, i);
        if (cp != U' ' && cp != kIdeographicSpace)
            blank = false;
        if (cp < 0x80)
            chars.push_back({static_cast<unsigned char>(cp), false});
        else if (cp >= kKatakanaFirst && cp <= kKatakanaLast)
            chars.push_back({static_cast<unsigned char>(0xA1 + (cp - kKatakanaFirst)), false});
        else
            chars.push_back({0, true});
    }
    if (blank) {
        check.blank = true;
        return check;
    }

    std::size_t first = 0;
    std::size_t last = chars.size();
    while (first < last && !chars[first].wide && IsTrimmedSpace(chars[first].byte))
        ++first;
    while (last > first && !chars[last - 1].wide && IsTrimmedSpace(chars[last - 1].byte))
        --last;

    bool innerSpace = false;
    bool invalid = false;
    bool doubleByte = false;
    std::size_t bytes = 0;
    for (std::size_t k = first; k < last; ++k) {
        const NameChar c = chars[k];
        if (c.wide) {
            if (bytes < 12)
                doubleByte = true;
            bytes += 2;
            continue;
        }
        innerSpace = innerSpace || c.byte == ' ';
        invalid = invalid || IsFatInvalid(c.byte);
        bytes += 1;
    }
    if (doubleByte) {
        check.result = kNameDoubleByte;
        return check;
    }
    if (innerSpace) {
        check.result = kNameHasSpace;
        return check;
    }
    if (invalid) {
        check.result = kNameInvalidCharacter;
        return check;
    }

    // From here every character is single-byte.
    const auto upper = [](unsigned char b) {
        return static_cast<char>(b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b);
    };
    const std::size_t count = last - first;
    const bool mp3 = count >= 4 && upper(chars[last - 4].byte) == '.' &&
                     upper(chars[last - 3].byte) == 'M' && upper(chars[last - 2].byte) == 'P' &&
                     upper(chars[last - 1].byte) == '3';
    if (!mp3) {
        check.result = kNameNotMp3;
        return check;
    }
    if (count < 5 || count > 12) {
        check.result = kNameBadLength;
        return check;
    }
    for (std::size_t k = first; k < last - 4; ++k)
        check.base += upper(chars[k].byte);
    return check;
}

std::string Cp932ToUtf8(std::string_view cp932)
{
    std::string out;
    out.reserve(cp932.size() + cp932.size() / 2);
    for (std::size_t i = 0; i < cp932.size();) {
        const auto b = static_cast<unsigned char>(cp932[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
        } else if (b >= 0xA1 && b <= 0xDF) {
            AppendUtf8(out, kKatakanaFirst + (b - 0xA1));
            ++i;
        } else if (IsLeadByte(b) && i + 1 < cp932.size() &&
                   IsTrailByte(static_cast<unsigned char>(cp932[i + 1])) &&
                   FromCp932().Convert(cp932.data() + i, 2, out)) {
            i += 2;
        } else {
            AppendUtf8(out, 0xFFFD);
            ++i;
        }
    }
    return out;
}

bool Utf8ToCp932(std::string_view utf8, std::string& cp932)
{
    cp932.clear();
    cp932.reserve(utf8.size());
    bool complete = true;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const char32_t cp = DecodeUtf8(utf8, i);
        if (cp < 0x80) {
            cp932 += static_cast<char>(cp);
            continue;
        }
        if (cp >= kKatakanaFirst && cp <= kKatakanaLast) {
            cp932 += static_cast<char>(0xA1 + (cp - kKatakanaFirst));
            continue;
        }
        // Only true double-byte forms: the one-way single-byte mappings (such as the yen
        // sign onto the backslash) would name a different file.
        std::string converted;
        if (cp != kInvalid && ToCp932().Convert(utf8.data() + start, i - start, converted) &&
            converted.size() == 2) {
            cp932 += converted;
        } else {
            cp932 += '?';
            complete = false;
        }
    }
    return complete;
}

} // namespace cuelist
