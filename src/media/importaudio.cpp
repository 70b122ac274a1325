// SPDX-License-Identifier: GPL-3.0-or-later
#include "importaudio.h"

#include "core/datafolder.h"
#include "fileio/newfile.h"

#include <cerrno>
#include <memory>

namespace cuelist {

ImportOutcome ImportAudioFiles(const std::vector<ImportItem>& items, const std::string& dataFolder,
                               const EncodeSettings& settings,
                               const std::function<void(double)>& progress,
                               const std::atomic<bool>* cancel)
{
    ImportOutcome outcome;
    outcome.items.resize(items.size());
    std::vector<std::unique_ptr<fileio::NewFile>> files(items.size());
    const double count = double(std::max<std::size_t>(items.size(), 1));
    for (std::size_t i = 0; i < items.size(); ++i) {
        ImportItemResult& result = outcome.items[i];
        auto file = std::make_unique<fileio::NewFile>();
        result.file = file->Create(dataFolder);
        if (!result.file.ok())
            continue;
        const auto part = [&](double fraction) {
            if (progress)
                progress((double(i) + fraction) / count);
        };
        result.transcode = TranscodeToMp3(items[i].source, file->fd(), settings, part, cancel);
        if (result.transcode.fault == TranscodeFault::Cancelled || (cancel && cancel->load())) {
            outcome.cancelled = true;
            return outcome; // every NewFile removes itself
        }
        if (result.transcode.ok())
            files[i] = std::move(file);
    }
    // Names are given last, so that a cancel up to here leaves the folder as it was.
    const DataFolderListing present(dataFolder);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!files[i])
            continue;
        ImportItemResult& result = outcome.items[i];
        if (present.Contains(items[i].name)) {
            result.taken = true;
            continue;
        }
        result.file = files[i]->Publish(items[i].name);
        if (result.file.fault == fileio::FileFault::System && result.file.error == EEXIST)
            result.taken = true;
    }
    if (progress)
        progress(1.0);
    return outcome;
}

} // namespace cuelist
