// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "iphraseplayer.h"

#include <climits>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

struct _GstBus;
struct _GstElement;
struct _GstSegment;

// Plays a channel's MP3 files through one GStreamer playbin with the automatic audio
// sink. Each queued file is handed to playbin when the one before it drains, and the
// silence before it moves its segment on in running time, so the sink plays the interval
// itself: no second sink is ever prerolled and held paused. Shows nothing and
// reports only through its results. Its public operations belong to the thread that
// created it; playbin's streaming thread reaches the queue under m_mutex.
class CPhrasePlayer final : public IPhrasePlayer
{
public:
    CPhrasePlayer() = default;
    // Plays into the given sink instead of the automatic one (tests listen to the stream with
    // it); takes its floating reference.
    explicit CPhrasePlayer(_GstElement* audioSink);
    ~CPhrasePlayer() override;
    CPhrasePlayer(const CPhrasePlayer&) = delete;
    CPhrasePlayer& operator=(const CPhrasePlayer&) = delete;

    int Create() override;
    int Open(const std::string& path) override; // checks that the file decodes
    int SetVolume(int decibels) override;       // clamped to -70..0
    int Run() override;
    int Stop() override;
    int Queue(const std::string& path, int decibels, std::chrono::milliseconds silence) override;
    void EndQueue() override;
    int Heard() override;
    int PollCompletion() override;
    std::chrono::milliseconds Played() override;
    int FailedPlaying() override;
    bool Drained() override;

    // How many different sample formats the output has been given so far: one for a whole
    // channel, whatever its files hold.
    int OutputFormats();

    static constexpr int kQuietestDecibels = -70;

private:
    struct Item
    {
        std::string uri;
        std::string path;
        double volume = 1.0;      // linear
        std::int64_t silence = 0; // nanoseconds before the item
    };

    bool Playable(const std::string& path); // regular file that decodes to audio
    // playbin's signal and pad probe, on its streaming thread.
    struct Callbacks;
    friend struct Callbacks;
    void HandOverNext(_GstElement* playbin);
    void OnStreamStart();
    bool OnSegment(_GstSegment& segment); // true when it was moved
    void OnBuffer(std::uint64_t pts, std::uint64_t end);
    void OnFormat(const std::string& caps);
    static constexpr std::int64_t kNotYet = INT64_MIN;
    std::int64_t HeardRunningTime(); // kNotYet before the pipeline has a clock

    _GstElement* m_pipeline = nullptr;  // owned reference
    _GstElement* m_volume = nullptr;    // owned by m_pipeline; set before any streaming
    _GstBus* m_bus = nullptr;           // owned reference
    _GstElement* m_audioSink = nullptr; // owned reference until Create hands it to playbin
    bool m_opened = false;
    bool m_running = false;
    bool m_started = false; // the pipeline has been set playing once
    int m_completion = kStillPlaying;
    std::string m_lastPlayable; // a repeat of the same file is not checked again
    std::int64_t m_latency = -1;

    std::mutex m_mutex;
    std::condition_variable m_queued;
    std::vector<Item> m_items;          // guarded; the opened file first
    std::size_t m_handedOver = 1;       // guarded; items given to playbin so far
    bool m_queueEnded = false;          // guarded
    bool m_stopping = false;            // guarded
    std::vector<std::int64_t> m_starts; // guarded; running time at which each item begins
    // Guarded as well: each file streams on its own thread, one after the other.
    std::size_t m_streams = 0;
    std::int64_t m_offset = 0;
    bool m_awaitingFirstBuffer = false;
    std::int64_t m_segmentBase = 0;
    std::int64_t m_segmentStart = 0;
    std::int64_t m_deliveredEnd = 0; // running time of the end of the last buffer
    int m_failedPlaying = -1;
    std::string m_format; // caps of the output as text
    int m_formats = 0;
};
