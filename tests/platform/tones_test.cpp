#include "platform/posix/tones.h"

#include <gtest/gtest.h>

#include <cstdlib>

using platform::synthesize_tone;

namespace {

// Frequency from the rising zero crossings: (crossings - 1) periods lie
// between the first and the last one.
double measured_hz(const std::vector<std::int16_t>& s, int rate) {
  std::vector<std::size_t> rising;
  for (std::size_t i = 1; i < s.size(); ++i)
    if (s[i - 1] < 0 && s[i] >= 0) rising.push_back(i);
  if (rising.size() < 2) return 0;
  return (rising.size() - 1) * static_cast<double>(rate) / (rising.back() - rising.front());
}

TEST(Tones, FrequencyAndLengthOfTheCuesTheProgramUses) {
  struct Cue {
    int hz, ms;
  } cues[] = {{1000, 100}, {3000, 5}, {2000, 50}, {1500, 4}, {700, 9}, {440, 250}};
  for (const auto& c : cues) {
    auto s = synthesize_tone(c.hz, c.ms, 44100);
    EXPECT_EQ(s.size(), static_cast<std::size_t>(44100 * c.ms / 1000)) << c.hz;
    EXPECT_NEAR(measured_hz(s, 44100), c.hz, c.hz * 0.02) << c.hz << " Hz " << c.ms << " ms";
  }
  // Another rate gives the same tone.
  EXPECT_NEAR(measured_hz(synthesize_tone(1000, 100, 8000), 8000), 1000, 20);
}

TEST(Tones, FadesInAndOutWithoutClicksAndIsLoudInBetween) {
  auto s = synthesize_tone(1000, 100, 44100);
  EXPECT_LE(std::abs(s.front()), 10);
  EXPECT_LE(std::abs(s.back()), 1200);  // the last step of the fade
  int peak = 0;
  for (auto v : s) peak = std::max(peak, std::abs(static_cast<int>(v)));
  EXPECT_GT(peak, 12000);
  // Neighbouring samples never jump more than a sine of this pitch can.
  for (std::size_t i = 1; i < s.size(); ++i) ASSERT_LT(std::abs(s[i] - s[i - 1]), 2500) << i;
}

TEST(Tones, AboveHearingAndOddRequestsAreSilentPauses) {
  for (int hz : {20000, 50000, 0, -5}) {
    auto s = synthesize_tone(hz, 3, 44100);
    ASSERT_EQ(s.size(), 132u) << hz;  // the pause keeps its length
    for (auto v : s) ASSERT_EQ(v, 0) << hz;
  }
  EXPECT_NE(synthesize_tone(19999, 3, 44100), std::vector<std::int16_t>(132, 0));
  EXPECT_TRUE(synthesize_tone(1000, 0, 44100).empty());
  EXPECT_TRUE(synthesize_tone(1000, -1, 44100).empty());
}

TEST(Tones, ATonePlayedTooSoonAfterAnotherWaitsForTheGap) {
  using platform::kToneGapMs;
  using platform::tone_after;
  struct Caso {
    int hz, ms;
    std::int64_t dopo;  // ms since the previous audible tone ended
    int silenzio_ms;    // silence expected before the tone
  } casi[] = {
      {1000, 60, 0, kToneGapMs},                       // a clock tick right after another
      {1500, 4, 3, kToneGapMs - 3},                    // a key click after a 3 ms separator
      {1000, 60, kToneGapMs, 0},                       // far enough apart
      {1000, 60, 5000, 0},          {50000, 3, 0, 0},  // a separator is silence already
  };
  for (const auto& c : casi) {
    auto s = tone_after(c.hz, c.ms, c.dopo, 44100);
    std::size_t silenzio = static_cast<std::size_t>(44100 * c.silenzio_ms / 1000);
    ASSERT_EQ(s.size(), silenzio + 44100 * c.ms / 1000) << c.hz << " after " << c.dopo;
    for (std::size_t i = 0; i < silenzio; ++i) ASSERT_EQ(s[i], 0) << i;
    std::vector<std::int16_t> tono(s.begin() + static_cast<std::ptrdiff_t>(silenzio), s.end());
    EXPECT_EQ(tono, synthesize_tone(c.hz, c.ms, 44100)) << c.hz << " after " << c.dopo;
  }
}

}  // namespace
