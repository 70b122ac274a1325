// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv.h"

#include "names.h"

#include <cstdio>

namespace cuelist {

namespace {

// A comma needs quotes to stay one cell. A quote or a line break (possible only in names
// read from a file) is quoted too, with inner quotes doubled, so the table stays readable.
void AppendCell(std::string& line, const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        line += text;
        return;
    }
    line += '"';
    for (const char c : text) {
        if (c == '"')
            line += '"';
        line += c;
    }
    line += '"';
}

} // namespace

std::string BuildCsv(const SlotTable& table, std::string_view headerLine)
{
    std::string csv;
    csv.reserve(headerLine.size() + 2 + std::size_t(kEditableChannelCount) * 200);
    csv += headerLine;
    csv += "\r\n";
    std::string text;
    for (int channel = 1; channel <= kEditableChannelCount; ++channel) {
        char number[8];
        std::snprintf(number, sizeof number, "%04d", channel);
        csv += number;
        for (int frame = 1; frame <= kFrameCount; ++frame) {
            csv += ',';
            text.clear();
            table.GetSlotText(frame, channel, text);
            AppendCell(csv, Cp932ToUtf8(text));
        }
        csv += "\r\n";
    }
    return csv;
}

} // namespace cuelist
