#include "platform/posix/tones.h"

#include <dlfcn.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>

namespace platform {

namespace {

// The few declarations of the sound libraries that are used, so that their
// development headers are not needed.
struct PulseSampleSpec {
  int format;  // PA_SAMPLE_S16LE = 3
  std::uint32_t rate;
  std::uint8_t channels;
};
struct PulseBufferAttr {
  std::uint32_t maxlength, tlength, prebuf, minreq, fragsize;
};
using PulseNew = void* (*)(const char*, const char*, int, const char*, const char*,
                           const PulseSampleSpec*, const void*, const PulseBufferAttr*, int*);
using PulseWrite = int (*)(void*, const void*, std::size_t, int*);
using PulseDrain = int (*)(void*, int*);
using PulseLatency = std::uint64_t (*)(void*, int*);
using PulseFree = void (*)(void*);

using AlsaOpen = int (*)(void**, const char*, int, int);
using AlsaSetParams = int (*)(void*, int, int, unsigned, unsigned, int, unsigned);
using AlsaWrite = long (*)(void*, const void*, unsigned long);
using AlsaSimple = int (*)(void*);
using AlsaRecover = int (*)(void*, int, int);
using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
using AlsaSetErrorHandler = int (*)(AlsaErrorHandler);

// ALSA prints its complaints on stderr, which is our terminal's screen.
void quiet_alsa(const char*, int, const char*, int, const char*, ...) {}

template <typename F>
F symbol(void* library, const char* name) {
  return reinterpret_cast<F>(dlsym(library, name));
}

std::int64_t monotonic_ms() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return std::int64_t{t.tv_sec} * 1000 + t.tv_nsec / 1000000;
}

bool audible(int hz) { return hz > 0 && hz < kSilentFrom; }

void pause_ms(int ms) {
  if (ms <= 0) return;
  timespec t{ms / 1000, (ms % 1000) * 1000000L};
  while (nanosleep(&t, &t) != 0) {
  }
}

}  // namespace

std::vector<std::int16_t> synthesize_tone(int hz, int ms, int rate) {
  if (ms <= 0 || rate <= 0) return {};
  std::size_t n = static_cast<std::size_t>(static_cast<std::int64_t>(rate) * ms / 1000);
  std::vector<std::int16_t> out(n, 0);
  if (hz <= 0 || hz >= kSilentFrom) return out;
  const double step = 2.0 * M_PI * hz / rate;
  const double amplitude = 0.5 * 32767;
  std::size_t fade = std::min<std::size_t>(kToneFadeSamples, n / 2);
  for (std::size_t i = 0; i < n; ++i) {
    double gain = 1.0;
    if (i < fade) gain = static_cast<double>(i) / fade;
    if (n - 1 - i < fade) gain = std::min(gain, static_cast<double>(n - 1 - i) / fade);
    out[i] = static_cast<std::int16_t>(std::lround(amplitude * gain * std::sin(step * i)));
  }
  return out;
}

std::vector<std::int16_t> tone_after(int hz, int ms, std::int64_t ms_since_last_tone, int rate) {
  auto tone = synthesize_tone(hz, ms, rate);
  if (tone.empty() || !audible(hz) || ms_since_last_tone < 0 || ms_since_last_tone >= kToneGapMs)
    return tone;
  auto out = synthesize_tone(kSilentFrom, static_cast<int>(kToneGapMs - ms_since_last_tone), rate);
  out.insert(out.end(), tone.begin(), tone.end());
  return out;
}

TonePlayer::~TonePlayer() { close(); }

bool TonePlayer::open() {
  if (tried_) return kind_ != Kind::kNone;
  tried_ = true;
  if ((library_ = dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL))) {
    auto create = symbol<PulseNew>(library_, "pa_simple_new");
    PulseSampleSpec spec{3, kToneRate, 1};
    // Room for a whole tone, so that a tone is never split; playback starts
    // with the first frame and pauses (without skipping) when nothing comes.
    PulseBufferAttr attr{~0u, static_cast<std::uint32_t>(kToneRate * 2), 4, ~0u, ~0u};
    int error = 0;
    if (create && symbol<PulseWrite>(library_, "pa_simple_write") &&
        symbol<PulseLatency>(library_, "pa_simple_get_latency") &&
        (stream_ =
             create(nullptr, "Vantorel", 1, nullptr, "tone", &spec, nullptr, &attr, &error))) {
      kind_ = Kind::kPulse;
      return true;
    }
    dlclose(library_);
    library_ = nullptr;
  }
  if ((library_ = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL))) {
    if (auto quiet = symbol<AlsaSetErrorHandler>(library_, "snd_lib_error_set_handler"))
      quiet(quiet_alsa);
    auto open_pcm = symbol<AlsaOpen>(library_, "snd_pcm_open");
    auto set_params = symbol<AlsaSetParams>(library_, "snd_pcm_set_params");
    // Playback stream 0; S16_LE 2, interleaved access 3, 0.1 s of latency.
    if (open_pcm && set_params && open_pcm(&stream_, "default", 0, 0) == 0) {
      if (set_params(stream_, 2, 3, 1, kToneRate, 1, 100000) == 0) {
        kind_ = Kind::kAlsa;
        return true;
      }
      symbol<AlsaSimple>(library_, "snd_pcm_close")(stream_);
      stream_ = nullptr;
    }
    dlclose(library_);
    library_ = nullptr;
  }
  return false;
}

bool TonePlayer::play(const std::vector<std::int16_t>& samples) {
  if (samples.empty()) return true;  // a 0-byte write would fail
  if (kind_ == Kind::kPulse) {
    int error = 0;
    if (symbol<PulseWrite>(library_, "pa_simple_write")(stream_, samples.data(), samples.size() * 2,
                                                        &error) < 0)
      return false;
    // Not drained: a drained stream restarts late, and the gap between two
    // tones would grow. Waiting out the latency returns when the tone has
    // been heard, and a following tone or pause joins on without a gap.
    std::uint64_t us = symbol<PulseLatency>(library_, "pa_simple_get_latency")(stream_, &error);
    if (us == static_cast<std::uint64_t>(-1)) return false;
    pause_ms(static_cast<int>(us / 1000));
    return true;
  }
  if (kind_ == Kind::kAlsa) {
    auto write = symbol<AlsaWrite>(library_, "snd_pcm_writei");
    auto recover = symbol<AlsaRecover>(library_, "snd_pcm_recover");
    std::size_t done = 0;
    while (done < samples.size()) {
      long n = write(stream_, samples.data() + done, samples.size() - done);
      if (n < 0) {
        if (recover(stream_, static_cast<int>(n), 1) < 0) return false;
        continue;
      }
      done += static_cast<std::size_t>(n);
    }
    symbol<AlsaSimple>(library_, "snd_pcm_drain")(stream_);
    symbol<AlsaSimple>(library_, "snd_pcm_prepare")(stream_);
    return true;
  }
  return false;
}

void TonePlayer::close() {
  if (kind_ == Kind::kPulse) symbol<PulseFree>(library_, "pa_simple_free")(stream_);
  if (kind_ == Kind::kAlsa) symbol<AlsaSimple>(library_, "snd_pcm_close")(stream_);
  if (library_) dlclose(library_);
  library_ = stream_ = nullptr;
  kind_ = Kind::kNone;
}

void TonePlayer::beep(int hz, int ms) {
  if (ms <= 0) return;
  if (open() && play(tone_after(hz, ms, monotonic_ms() - last_tone_end_ms_))) {
    if (audible(hz)) last_tone_end_ms_ = monotonic_ms();
    return;
  }
  // A device that failed mid-way is dropped; the pause keeps the timing.
  if (kind_ != Kind::kNone) close();
  pause_ms(ms);
}

const char* TonePlayer::device_name() {
  open();
  switch (kind_) {
    case Kind::kPulse:
      return "pulse";
    case Kind::kAlsa:
      return "alsa";
    default:
      return "none";
  }
}

}  // namespace platform
