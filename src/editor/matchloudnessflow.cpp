// SPDX-License-Identifier: GPL-3.0-or-later
#include "matchloudnessflow.h"

#include "core/datafolder.h"
#include "core/loudnessmatch.h"
#include "core/slotsettings.h"
#include "cuedoc.h"
#include "durationstore.h"
#include "media/loudness.h"
#include "progressrun.h"
#include "prompt.h"
#include "text/messages.h"

#include <cmath>
#include <memory>
#include <thread>

namespace {

QString Place(const CCueDoc& doc, int frame, int channel)
{
    return QStringLiteral("%1-%2 %3")
        .arg(channel, 4, 10, QLatin1Char('0'))
        .arg(frame, 2, 10, QLatin1Char('0'))
        .arg(doc.cellText(frame, channel));
}

} // namespace

MatchLoudnessFlow::MatchLoudnessFlow(CCueDoc* doc, QWidget* parent)
    : QObject(parent), m_doc(doc), m_parent(parent)
{
}

void MatchLoudnessFlow::run(int cursorChannel)
{
    if (!m_doc)
        return;
    const bool channelKnown = cursorChannel >= 1 && cursorChannel <= cuelist::kEditableChannelCount;
    QMessageBox::StandardButtons buttons = QMessageBox::YesToAll | QMessageBox::Cancel;
    QString question = tr("Match Loudness sets each phrase's volume so that all play as loud as "
                          "the quietest one.\n\n");
    if (channelKnown) {
        buttons |= QMessageBox::Yes;
        question += tr("Yes: the phrases of channel %1\nYes to All: every phrase of the playlist")
                        .arg(cursorChannel, 4, 10, QLatin1Char('0'));
    } else {
        question += tr("Yes to All: every phrase of the playlist");
    }
    const auto answer =
        prompt().ask(m_parent, question, buttons, QMessageBox::Question, tr("Match Loudness"));
    if (answer == QMessageBox::Yes)
        match(cursorChannel, cursorChannel);
    else if (answer == QMessageBox::YesToAll)
        match(1, cuelist::kEditableChannelCount);
}

int MatchLoudnessFlow::match(int firstChannel, int lastChannel)
{
    if (!m_doc)
        return 0;
    const cuelist::DataFolderListing folder(m_doc->dataFolderPath().toStdString());
    std::vector<cuelist::LoudnessSlot> phrases;
    std::vector<std::string> paths; // index for index with phrases; empty when missing
    for (int channel = firstChannel; channel <= lastChannel; ++channel)
        for (int frame = 1; frame <= cuelist::kFrameCount; ++frame) {
            if (m_doc->table().TypeAt(frame, channel) != cuelist::kTypeMp3)
                continue;
            phrases.push_back(
                {frame, channel,
                 int(m_doc->table().RecordAt(frame, channel)[cuelist::record::kVolume]),
                 std::nullopt});
            paths.push_back(folder.PathOf(m_doc->cellText(frame, channel).toStdString()));
        }
    if (phrases.empty()) {
        prompt().refuse(m_parent, tr("There is no MP3 phrase to match."));
        return 0;
    }

    // The lengths' store keeps what was measured before; without it the values are measured
    // here and forgotten.
    DurationStore* store = DurationStore::instance();
    std::unique_ptr<cuelist::LoudnessCache> ownCache;
    if (!store)
        ownCache = std::make_unique<cuelist::LoudnessCache>();
    cuelist::LoudnessCache& cache = store ? store->loudnessCache() : *ownCache;
    std::vector<std::optional<cuelist::Loudness>> values;
    const bool finished = RunWithProgress(
        m_parent, tr("Measuring the loudness of %n phrase(s)...", nullptr, int(phrases.size())),
        [&](ProgressControl& control) {
            std::atomic<int> done{0};
            std::atomic<bool> over{false};
            std::thread counter([&] {
                while (!over) {
                    control.permille = int(1000.0 * done / double(paths.size()));
                    std::this_thread::sleep_for(std::chrono::milliseconds(50));
                }
            });
            values = cuelist::ReadLoudness(paths, cache, 2, &done, &control.cancel);
            over = true;
            counter.join();
        });
    if (!finished || !m_doc)
        return 0;
    if (store)
        store->noteLoudness(paths, values);
    for (std::size_t i = 0; i < phrases.size(); ++i)
        if (values[i])
            phrases[i].lufs = values[i]->lufs;

    const cuelist::LoudnessMatch result = cuelist::MatchLoudness(phrases);
    if (!result.target) {
        prompt().refuse(m_parent, tr("None of these phrases could be measured: their files are "
                                     "missing or hold no audio."));
        return 0;
    }
    m_doc->beginEditGroup(tr("Match Loudness"));
    for (const cuelist::LoudnessChange& change : result.changes) {
        cuelist::SlotSettings settings =
            cuelist::ReadSlotSettings(m_doc->table(), change.frame, change.channel);
        settings.volume = -change.newAttenuation;
        m_doc->SetSlotSettings(change.frame, change.channel, settings);
    }
    m_doc->endEditGroup();

    QStringList report;
    report << tr("Every phrase now plays at about %1.")
                  .arg(cuelist::text::LoudnessText(*result.target));
    if (result.changes.empty())
        report << tr("No volume had to change.");
    for (const cuelist::LoudnessChange& change : result.changes)
        report << tr("%1: volume %2 dB to %3 dB")
                      .arg(Place(*m_doc, change.frame, change.channel))
                      .arg(-change.oldAttenuation)
                      .arg(-change.newAttenuation);
    if (!result.louder.empty()) {
        report << QString() << tr("These stay louder, as -70 dB is not enough:");
        for (const cuelist::LoudnessChange& change : result.louder)
            report << tr("%1: %2 LU louder")
                          .arg(Place(*m_doc, change.frame, change.channel))
                          .arg(change.excess, 0, 'f', 1);
    }
    if (!result.unmeasured.empty()) {
        report << QString() << tr("Not measured (missing, or no audio), left as they are:");
        for (const cuelist::LoudnessSlot& slot : result.unmeasured)
            report << Place(*m_doc, slot.frame, slot.channel);
    }
    prompt().ask(m_parent, report.join(QLatin1Char('\n')), QMessageBox::Ok,
                 QMessageBox::Information, tr("Match Loudness"));
    return int(result.changes.size());
}
