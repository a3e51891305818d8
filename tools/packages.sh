# Debian packages, sourced by run.sh and test.sh.
BUILD_PACKAGES="build-essential cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev pgn-extract"
# Loaded at run time when present: tones, speech, braille, clipboard, viewer.
RUNTIME_PACKAGES="libpulse0 libasound2 libspeechd2 libespeak-ng1 libbrlapi0.8 xclip xdg-utils speech-dispatcher speech-dispatcher-espeak-ng xsel"
# What the tests drive for real.
TEST_PACKAGES="clang libclang-rt-14-dev tmux brltty pulseaudio pulseaudio-utils xvfb chromium python3"
# The Windows program: MinGW-w64 (posix threads), GoogleTest's sources, and
# Wine with a display, a window manager and xdotool for its tests.
WINDOWS_PACKAGES="mingw-w64 g++-mingw-w64-x86-64-posix googletest wine wine64 xvfb xdotool openbox zip"
