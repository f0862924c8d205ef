#pragma once
// The sound device over SDL_mixer 1.2.
//
// Music streams play on SDL_mixer's own music voice (the channel they are played on is then
// remembered as the music channel, and volumes set on it go to the music); effect streams play
// on the mixing channel of that number. Volumes are rescaled from 0..255 to SDL_mixer's 0..128.
// When the audio output cannot be opened every later call does nothing and opens no stream. A file
// that cannot be opened is named on stderr with SDL_mixer's reason, once per run and path.
#include "app/sound/SoundDevice.h"

#include <map>
#include <set>
#include <string>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

class MixerSound : public SoundDevice {
public:
    MixerSound() = default;
    ~MixerSound() override;

    bool start(int mixRate, int channels) override;
    void setLoopMode(int channel, LoopMode mode) override;
    Stream openStream(const char* path, StreamMode mode) override;
    void playStream(int channel, Stream stream) override;
    void closeStream(Stream stream) override;
    void setVolume(int channel, int volume) override;
    void stop() override;

    bool isOpen() const { return m_open; }

    MixerSound(const MixerSound&) = delete;
    MixerSound& operator=(const MixerSound&) = delete;

private:
    struct OpenStream {
        Mix_Music* music = nullptr; // set for a music stream
        Mix_Chunk* chunk = nullptr; // set for an effect stream
        int channel = -1;           // mixing channel the effect last played on
    };

    bool loops(int channel) const;

    bool m_open = false;
    Stream m_lastStream = NoStream;       // handles are handed out in increasing order
    std::map<Stream, OpenStream> m_streams;
    std::map<int, LoopMode> m_loopModes;  // channels never set play once
    int m_musicChannel = -1;              // the channel the music was played on
    std::set<std::string> m_reported;     // paths already named on stderr
};
