// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the core's whole-table operations: loading, writing, CSV and the data folder pass.
#include "core/csv.h"
#include "core/datafolder.h"
#include "core/playlistfile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace cuelist;

namespace {

// Every editable slot holds an MP3 phrase with a name of its own: 127 x 16 = 2,032 files.
SlotTable FullTable()
{
    SlotTable table;
    for (int channel = 1; channel <= kEditableChannelCount; ++channel) {
        for (int frame = 1; frame <= kFrameCount; ++frame) {
            char name[16];
            std::snprintf(name, sizeof name, "V%03d%02d.mp3", channel, frame);
            table.SetSlotFile(frame, channel, name);
            table.SetSlotRepeat(frame, channel, 3);
        }
    }
    return table;
}

void LoadAndRepair(benchmark::State& state)
{
    std::vector<std::uint8_t> image = BuildImage(FullTable());
    image[100 * 16 * 16] = kTypeText; // something for the repair to remove
    for (auto _ : state) {
        SlotTable table;
        ScanImage(image);
        ReadImage(table, image);
        benchmark::DoNotOptimize(RepairAfterLoad(table));
    }
}
BENCHMARK(LoadAndRepair)->Unit(benchmark::kMicrosecond);

void BuildFileImage(benchmark::State& state)
{
    const SlotTable table = FullTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildImage(table));
}
BENCHMARK(BuildFileImage)->Unit(benchmark::kMicrosecond);

void Csv(benchmark::State& state)
{
    const SlotTable table = FullTable();
    std::string header = "Channel";
    for (int f = 1; f <= kFrameCount; ++f)
        header += ",Set up Frame" + std::string(f < 10 ? "0" : "") + std::to_string(f);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildCsv(table, header));
}
BENCHMARK(Csv)->Unit(benchmark::kMicrosecond);

// One data folder pass as the document runs it: listing, missing files and total size.
void DataFolderPass(benchmark::State& state)
{
    char pattern[] = "/tmp/cuelist-bench-XXXXXX";
    const std::filesystem::path root = ::mkdtemp(pattern);
    std::filesystem::create_directory(root / "DATA");
    for (int channel = 1; channel <= kEditableChannelCount; ++channel) {
        for (int frame = 1; frame <= kFrameCount; ++frame) {
            char name[16];
            std::snprintf(name, sizeof name, "v%03d%02d.mp3", channel, frame);
            std::ofstream(root / "DATA" / name) << "0123456789";
        }
    }
    const SlotTable table = FullTable();
    const std::string dataFolder = (root / "data").string() + "/";
    for (auto _ : state) {
        const DataFolderListing listing(dataFolder);
        benchmark::DoNotOptimize(MissingFiles(table, listing));
        benchmark::DoNotOptimize(TotalDataSizeKb(table, listing));
    }
    std::filesystem::remove_all(root);
}
BENCHMARK(DataFolderPass)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
