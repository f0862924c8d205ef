#pragma once
// A sound device that writes down every call, one line each, and opens every file except the
// ones it is told are missing. Streams are numbered from 1 in the order they are opened.
#include "app/sound/SoundDevice.h"

#include <set>
#include <string>
#include <vector>

class RecordingSound : public SoundDevice {
public:
    explicit RecordingSound(std::vector<std::string>& log) : m_log(log) {}

    std::set<std::string> missing;   // paths that fail to open
    std::set<Stream> open;           // streams opened and not yet closed
    std::vector<std::string> effects; // paths opened as effects, in order

    bool start(int mixRate, int channels) override
    {
        m_log.push_back("start " + std::to_string(mixRate) + " " + std::to_string(channels));
        return true;
    }
    void setLoopMode(int channel, LoopMode mode) override
    {
        m_log.push_back("loop " + std::to_string(channel) + (mode == LoopMode::Normal ? " normal" : " off"));
    }
    Stream openStream(const char* path, StreamMode mode) override
    {
        const bool music = mode == StreamMode::Music;
        m_log.push_back(std::string("open ") + path + (music ? " music" : " effect"));
        if (!music)
            effects.push_back(path);
        if (missing.count(path))
            return NoStream;
        open.insert(++m_last);
        return m_last;
    }
    void playStream(int channel, Stream stream) override
    {
        m_log.push_back("play " + std::to_string(channel) + " " + std::to_string(stream));
    }
    void closeStream(Stream stream) override
    {
        m_log.push_back("close " + std::to_string(stream));
        open.erase(stream);
    }
    void setVolume(int channel, int volume) override
    {
        m_log.push_back("volume " + std::to_string(channel) + " " + std::to_string(volume));
    }
    void stop() override { m_log.push_back("stop"); }

private:
    std::vector<std::string>& m_log;
    Stream m_last = NoStream;
};
