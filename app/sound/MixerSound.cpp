#include "app/sound/MixerSound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int OutputChannels = 2;      // stereo
constexpr int OutputBufferSamples = 1024;

int mixerVolume(int volume)
{
    return std::clamp(volume, 0, SoundDevice::MaxVolume) * MIX_MAX_VOLUME / SoundDevice::MaxVolume;
}

} // namespace

MixerSound::~MixerSound()
{
    stop();
}

bool MixerSound::start(int mixRate, int channels)
{
    if (m_open)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0)
        return false;
    if (Mix_OpenAudio(mixRate, MIX_DEFAULT_FORMAT, OutputChannels, OutputBufferSamples) < 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(channels);
    m_open = true;
    return true;
}

void MixerSound::setLoopMode(int channel, LoopMode mode)
{
    if (m_open)
        m_loopModes[channel] = mode;
}

bool MixerSound::loops(int channel) const
{
    auto found = m_loopModes.find(channel);
    return found != m_loopModes.end() && found->second == LoopMode::Normal;
}

SoundDevice::Stream MixerSound::openStream(const char* path, StreamMode mode)
{
    if (!m_open || !path)
        return NoStream;
    OpenStream stream;
    if (mode == StreamMode::Music)
        stream.music = Mix_LoadMUS(path);
    else
        stream.chunk = Mix_LoadWAV(path);
    if (!stream.music && !stream.chunk) {
        // Effects are opened anew at every cue: the player hears about a file once, not per key.
        if (m_reported.insert(path).second)
            std::fprintf(stderr, "reversi: sound %s not played: %s\n", path, Mix_GetError());
        return NoStream;
    }
    m_streams[++m_lastStream] = stream;
    return m_lastStream;
}

void MixerSound::playStream(int channel, Stream stream)
{
    auto found = m_streams.find(stream);
    if (found == m_streams.end())
        return;
    OpenStream& open = found->second;
    if (open.music) {
        // Mix_PlayMusic counts plays: 1 is once, -1 for ever.
        Mix_PlayMusic(open.music, loops(channel) ? -1 : 1);
        m_musicChannel = channel;
    } else if (channel >= 0) {
        // Mix_PlayChannel counts repeats: 0 is once, -1 for ever.
        open.channel = Mix_PlayChannel(channel, open.chunk, loops(channel) ? -1 : 0);
    }
}

void MixerSound::closeStream(Stream stream)
{
    auto found = m_streams.find(stream);
    if (found == m_streams.end())
        return;
    OpenStream& open = found->second;
    if (open.music) {
        Mix_FreeMusic(open.music); // halts it first when it is the one playing
    } else {
        if (open.channel >= 0 && Mix_GetChunk(open.channel) == open.chunk)
            Mix_HaltChannel(open.channel);
        Mix_FreeChunk(open.chunk);
    }
    m_streams.erase(found);
}

void MixerSound::setVolume(int channel, int volume)
{
    if (!m_open)
        return;
    if (channel == m_musicChannel)
        Mix_VolumeMusic(mixerVolume(volume));
    else if (channel >= 0)
        Mix_Volume(channel, mixerVolume(volume));
}

void MixerSound::stop()
{
    if (!m_open)
        return;
    while (!m_streams.empty())
        closeStream(m_streams.begin()->first);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_open = false;
    m_loopModes.clear();
    m_musicChannel = -1;
}
