// SPDX-License-Identifier: GPL-3.0-or-later
// Channel preview with the real GStreamer player: how long Close takes while a phrase
// plays. What the preview sounds like is measured by bench_preview_heard.
#include "playchanneldlg.h"
#include "tonefile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <gst/gst.h>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <vector>

using namespace cuelist;
using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

namespace {

constexpr int kToneMs = 200;

SlotRecord Mp3(const std::string& name, int repeat, int interval)
{
    SlotRecord r{};
    r[record::kType] = kTypeMp3;
    std::memset(&r[record::kName], ' ', record::kNameLength);
    std::memcpy(&r[record::kName], name.data(), name.size());
    r[record::kRepeat] = std::uint8_t(repeat);
    r[record::kIntervalLow] = std::uint8_t(interval);
    return r;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Max(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

void MeasureClose(const std::string& folder, int rounds)
{
    std::array<SlotRecord, kFrameCount> records{};
    records[0] = Mp3("P1", 255, 0);
    std::vector<double> closing;
    for (int round = 0; round < rounds; ++round) {
        CPlayChannelDlg dialog;
        dialog.SetChannel(folder, 1, records);
        Clock::time_point clicked;
        QTimer::singleShot(500 + 37 * round, &dialog, [&] {
            clicked = Clock::now();
            dialog.findChild<QPushButton*>(QStringLiteral("close"))->click();
        });
        dialog.exec();
        closing.push_back(Ms(Clock::now() - clicked).count());
    }
    std::printf("Close while playing to dialog gone, %d rounds: median %.1f ms, max %.1f ms  "
                "(target: <= 50)\n",
                rounds, Median(closing), Max(closing));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (!gst_init_check(nullptr, nullptr, nullptr)) {
        std::fprintf(stderr, "GStreamer cannot start\n");
        return 1;
    }
    const auto root = std::filesystem::temp_directory_path() /
                      ("cuelist-bench-playback-" + std::to_string(::getpid()));
    const auto data = root / "DATA";
    std::filesystem::create_directories(data);
    if (!WriteToneMp3((data / "P1.MP3").string(), kToneMs)) {
        std::fprintf(stderr, "cannot encode a tone (lamemp3enc missing?)\n");
        return 1;
    }
    MeasureClose(data.string() + "/", 8);

    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return 0;
}
