#pragma once
// The few sound-library operations the game's cues need: start the library, choose a channel's
// loop mode, open / play / close a stream, set a channel's volume.
//
// Stream handles are small positive numbers; 0 means "no stream" (the file could not be opened,
// or the library never started). Every operation accepts 0 and then does nothing, so a missing
// file or a missing audio device only ever means silence.
#include <cstdint>

class SoundDevice {
public:
    using Stream = std::int32_t;
    static constexpr Stream NoStream = 0;
    static constexpr int MaxVolume = 255; // volumes run 0..255

    enum class LoopMode {
        Off,    // a stream played on the channel plays once
        Normal, // it starts again from the beginning each time it ends
    };

    enum class StreamMode {
        Music,  // long, decoded while it plays; the game has one
        Effect, // short, decoded whole when opened
    };

    virtual ~SoundDevice() = default;

    // Opens the audio output; false when there is none (every later call is then harmless).
    virtual bool start(int mixRate, int channels) = 0;
    virtual void setLoopMode(int channel, LoopMode mode) = 0;
    virtual Stream openStream(const char* path, StreamMode mode) = 0;
    virtual void playStream(int channel, Stream stream) = 0;
    // Stops the stream if it still sounds and releases it.
    virtual void closeStream(Stream stream) = 0;
    virtual void setVolume(int channel, int volume) = 0;
    // Releases every stream and closes the audio output; the library must not be used after.
    virtual void stop() = 0;
};
