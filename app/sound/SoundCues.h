#pragma once
// The game's sound: one looping music stream and at most one effect stream at a time.
//
// The music plays on channel 0 from start-up to exit; each effect replaces the one before it on
// channel 1, cutting it off. Results of the device calls are not looked at: a file that cannot
// be opened gives no stream, the following calls do nothing, and the game runs on in silence.
#include "app/sound/SoundDevice.h"

// Sound files, relative to the working directory.
namespace cue {
constexpr const char* Music = "./data/zik.ogg";
constexpr const char* Cursor = "./data/cursor.wav";
constexpr const char* Drop = "./data/drop.wav";
constexpr const char* Win = "./data/win.wav";
} // namespace cue

class SoundCues {
public:
    static constexpr int MixRate = 44100;      // Hz
    static constexpr int MixChannels = 8;
    static constexpr int MusicChannel = 0;
    static constexpr int EffectChannel = 1;
    static constexpr int MusicVolume = 32;     // of 255: the music stays in the background
    static constexpr int EffectVolume = 192;   // of 255

    explicit SoundCues(SoundDevice& device);

    // Starts the library and the looping music.
    void startMusic();
    // Closes the effect still open, if any, then opens and plays `path` on the effect channel.
    void playEffect(const char* path);
    // Closes the effect stream if one is open (at shutdown).
    void closeEffect();
    // Closes the music stream (at shutdown, before the library stops).
    void closeMusic();

    // Muted, the music plays on silently (volume 0) and effects are not started; unmuting
    // brings the music back where it has got to. Muted before startMusic, the music only starts
    // once unmuted. The game starts unmuted.
    void setMuted(bool muted);
    bool isMuted() const { return m_muted; }

    bool hasEffectOpen() const { return m_effectStream != SoundDevice::NoStream; }

    SoundCues(const SoundCues&) = delete;
    SoundCues& operator=(const SoundCues&) = delete;

private:
    void playMusic();

    SoundDevice& m_device;
    SoundDevice::Stream m_musicStream = SoundDevice::NoStream;
    SoundDevice::Stream m_effectStream = SoundDevice::NoStream; // the one effect open, or none
    bool m_muted = false;
    bool m_musicPlaying = false; // the music stream was played (it then never stops)
};
