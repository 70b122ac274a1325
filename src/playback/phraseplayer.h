#pragma once

#include "iphraseplayer.h"

struct _GstBus;
struct _GstElement;

// Plays one MP3 file through a GStreamer playbin with the automatic audio sink. One
// wrapper, one file; it shows nothing and reports only through its results. Not shared
// between threads: the thread that creates it uses and destroys it.
class CPhrasePlayer final : public IPhrasePlayer
{
public:
    CPhrasePlayer() = default;
    ~CPhrasePlayer() override;
    CPhrasePlayer(const CPhrasePlayer&) = delete;
    CPhrasePlayer& operator=(const CPhrasePlayer&) = delete;

    int Create() override;
    int Open(const std::string& path) override; // prerolls; fails when nothing decodes
    int SetVolume(int decibels) override;       // clamped to -70..0
    int Rewind() override;
    int Run() override;
    int Stop() override;
    int PollCompletion() override;

    static constexpr int kQuietestDecibels = -70;

private:
    _GstElement* m_pipeline = nullptr; // owned reference
    _GstBus* m_bus = nullptr;          // owned reference
    bool m_opened = false;
    bool m_running = false;
    bool m_atStart = false; // prerolled at the beginning, nothing played since
    int m_completion = kStillPlaying;
};
