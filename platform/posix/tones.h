// Tones: a sine synthesised here and played through PulseAudio's simple API,
// else ALSA, both loaded at run time so that neither is needed to build or
// run. Without a sound system a tone is a silent pause of the same length.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

constexpr int kToneRate = 44100;
constexpr int kToneFadeSamples = 32;  // ramps that keep the tone free of clicks
constexpr int kSilentFrom = 20000;    // Hz: at and above this a tone is a pause
// Played back to back, tones would merge into one (three clock ticks into one
// long tone): a tone that follows another sooner than this waits for the rest.
constexpr int kToneGapMs = 30;

// The 16-bit mono samples of a tone of hz for ms at `rate`; silence when hz
// is at or above kSilentFrom (or not positive).
std::vector<std::int16_t> synthesize_tone(int hz, int ms, int rate = kToneRate);

// The samples to play for a tone that starts ms_since_last_tone after the end
// of the previous audible tone: the tone, preceded by the silence that
// completes kToneGapMs when it is audible and follows too closely.
std::vector<std::int16_t> tone_after(int hz, int ms, std::int64_t ms_since_last_tone,
                                     int rate = kToneRate);

class TonePlayer {
 public:
  TonePlayer() = default;
  TonePlayer(const TonePlayer&) = delete;
  TonePlayer& operator=(const TonePlayer&) = delete;
  ~TonePlayer();

  // Plays the tone and returns when it has been heard (or, without a sound
  // system, when the same time has passed).
  void beep(int hz, int ms);

  // Which sound system is in use: "pulse", "alsa" or "none" (opens one).
  const char* device_name();

 private:
  bool open();
  bool play(const std::vector<std::int16_t>& samples);
  void close();

  bool tried_ = false;
  void* library_ = nullptr;
  void* stream_ = nullptr;
  enum class Kind { kNone, kPulse, kAlsa } kind_ = Kind::kNone;
  std::int64_t last_tone_end_ms_ = -1'000'000;  // monotonic

};

}  // namespace platform
