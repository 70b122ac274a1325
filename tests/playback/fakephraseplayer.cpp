#include "fakephraseplayer.h"

#include <filesystem>

class FakePhrasePlayer final : public IPhrasePlayer
{
public:
    explicit FakePhrasePlayer(FakePlayerScript& script) : m_script(script)
    {
        const int live = ++m_script.m_live;
        if (live > m_script.m_mostLive)
            m_script.m_mostLive = live;
    }
    ~FakePhrasePlayer() override
    {
        Stop();
        m_script.Append("destroy");
        --m_script.m_live;
    }

    int Create() override
    {
        m_script.Append("create");
        m_created = !m_script.failCreate;
        return m_created ? kOk : kFailed;
    }
    int Open(const std::string& path) override
    {
        m_file = std::filesystem::path(path).filename().string();
        m_script.Append("open " + m_file);
        if (m_script.openCost > FakePlayerScript::Ms{0})
            m_script.m_clock.WaitUntil(m_script.m_clock.Now() + m_script.openCost);
        m_opened = m_created && !m_script.failOpen.count(m_file);
        const auto found = m_script.duration.find(m_file);
        m_duration = found != m_script.duration.end() ? found->second : m_script.defaultDuration;
        return m_opened ? kOk : kFailed;
    }
    int SetVolume(int decibels) override
    {
        m_script.Append("volume " + std::to_string(decibels));
        return m_opened ? kOk : kFailed;
    }
    int Rewind() override { return m_opened ? kOk : kFailed; }
    int Run() override
    {
        if (m_running)
            return kOk;
        if (!m_opened || m_script.failRun.count(m_file))
            return kFailed;
        m_running = true;
        m_start = m_script.Now();
        {
            std::lock_guard lock(m_script.m_mutex);
            m_play = m_script.m_plays.size();
            m_script.m_plays.push_back({m_file, m_start});
        }
        const int runs = ++m_script.m_runs;
        if (m_script.onRun)
            m_script.onRun(runs);
        return kOk;
    }
    int Stop() override
    {
        if (!m_running)
            return kOk;
        m_running = false;
        m_script.Append("stop");
        return kOk;
    }
    int PollCompletion() override
    {
        if (!m_running || m_duration < FakePlayerScript::Ms{0})
            return kStillPlaying;
        const auto now = m_script.Now();
        if (now - m_start < m_duration)
            return kStillPlaying;
        std::lock_guard lock(m_script.m_mutex);
        m_script.m_plays[m_play].end = now;
        return m_script.breakOff.count(m_file) ? kErrorAbort : kComplete;
    }

private:
    FakePlayerScript& m_script;
    std::string m_file;
    bool m_created = false;
    bool m_opened = false;
    bool m_running = false;
    FakePlayerScript::Ms m_duration{0};
    FakePlayerScript::Ms m_start{0};
    std::size_t m_play = 0;
};

PhrasePlayerFactory FakePlayerScript::Factory()
{
    return [this] { return std::make_unique<FakePhrasePlayer>(*this); };
}

std::vector<FakePlayerScript::Play> FakePlayerScript::Plays() const
{
    std::lock_guard lock(m_mutex);
    return m_plays;
}

std::vector<std::string> FakePlayerScript::Log() const
{
    std::lock_guard lock(m_mutex);
    return m_log;
}

FakePlayerScript::Ms FakePlayerScript::Now() const
{
    return std::chrono::duration_cast<Ms>(m_clock.Now().time_since_epoch());
}

void FakePlayerScript::Append(const std::string& entry)
{
    std::lock_guard lock(m_mutex);
    m_log.push_back(entry);
}
