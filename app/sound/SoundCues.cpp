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
    m_device.playStream(MusicChannel, m_musicStream);
    m_device.setVolume(MusicChannel, m_muted ? 0 : MusicVolume);
    m_effectStream = SoundDevice::NoStream;
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
    if (m_musicStream != SoundDevice::NoStream) // before startMusic there is nothing to set
        m_device.setVolume(MusicChannel, muted ? 0 : MusicVolume);
}
