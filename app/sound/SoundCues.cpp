#include "app/sound/SoundCues.h"

SoundCues::SoundCues(SoundDevice& device)
    : m_device(device)
{
}

void SoundCues::startMusic()
{
    m_device.start(MixRate, MixChannels);
    m_device.setLoopMode(MusicChannel, SoundDevice::LoopMode::Normal);
    m_musicStream = m_device.openStream(cue::Music, SoundDevice::StreamMode::Music);
    m_musicPlaying = false;
    // Muted from the start, the music waits to be unmuted: played and turned down at once, its
    // first samples could still reach the speakers.
    if (!m_muted)
        playMusic();
    m_effectStream = SoundDevice::NoStream;
}

void SoundCues::playMusic()
{
    m_device.playStream(MusicChannel, m_musicStream);
    m_device.setVolume(MusicChannel, MusicVolume);
    m_musicPlaying = true;
}

void SoundCues::playEffect(const char* path)
{
    closeEffect();
    if (m_muted)
        return;
    m_effectStream = m_device.openStream(path, SoundDevice::StreamMode::Effect);
    m_device.playStream(EffectChannel, m_effectStream);
    m_device.setVolume(EffectChannel, EffectVolume);
}

void SoundCues::closeEffect()
{
    if (m_effectStream == SoundDevice::NoStream)
        return;
    m_device.closeStream(m_effectStream);
    m_effectStream = SoundDevice::NoStream;
}

void SoundCues::closeMusic()
{
    if (m_musicStream == SoundDevice::NoStream)
        return;
    m_device.closeStream(m_musicStream);
    m_musicStream = SoundDevice::NoStream;
}

void SoundCues::setMuted(bool muted)
{
    m_muted = muted;
    if (muted)
        closeEffect(); // an effect still sounding stops with the music
    if (m_musicStream == SoundDevice::NoStream)
        return; // before startMusic, or no music file: nothing to turn
    if (!m_musicPlaying) {
        if (!muted)
            playMusic();
        return;
    }
    m_device.setVolume(MusicChannel, muted ? 0 : MusicVolume);
}
