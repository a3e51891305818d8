// The terminal backend's speed: from a key byte arriving to the screen being
// flushed, and the pure decoder and renderer on their own.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/posix/input_decoder.h"
#include "platform/posix/posix_backend.h"
#include "platform/posix/pseudo_terminal.h"
#include "platform/posix/renderer.h"

namespace {

// One key typed in a terminal: the byte goes in at the pseudo-terminal's
// master side, the backend decodes it, the program writes the character on
// the command line and waits again (which flushes), and the update comes out
// at the master side.
void BM_KeyByteToFlushedScreen(benchmark::State& state) {
  platform::PseudoTerminal pty(80, 44);
  if (!pty.ok()) {
    state.SkipWithError("no pseudo-terminal");
    return;
  }
  std::string error;
  auto backend = platform::make_terminal_backend(pty.slave_fd(), pty.slave_fd(), error);
  if (!backend) {
    state.SkipWithError(error.c_str());
    return;
  }
  backend->set_window_height(44);
  platform::KeyEvent keys[128];
  backend->read_keys(keys, 128, 0);
  pty.receive(100);  // the set-up sequences and the first frame
  int column = 0, pass = 0;
  for (auto _ : state) {
    pty.send("e");
    int n = backend->read_keys(keys, 128, -1);
    if (n != 1 || keys[0].virtual_key != 'E') state.SkipWithError("key not decoded");
    backend->set_cursor(column, 40);
    // Each pass over the row writes another letter, so every key changes a cell.
    const char* letter = (pass % 2) ? "f" : "e";
    backend->write(letter);
    if (++column == 70) {
      column = 0;
      ++pass;
    }
    backend->read_keys(keys, 128, 0);  // the program waits again: flushed
    // The update may come out in pieces; it is complete with the character.
    std::string shown;
    while (shown.find_first_of("ef") == std::string::npos) {
      std::string more = pty.receive(1000);
      if (more.empty()) {
        state.SkipWithError("nothing flushed");
        break;
      }
      shown += more;
    }
  }
}
BENCHMARK(BM_KeyByteToFlushedScreen)->Unit(benchmark::kMicrosecond);

void BM_DecodeMixedInput(benchmark::State& state) {
  const std::string input =
      "e4\r\x1b[1;3S\x1b[27;5;13~\x1b[49;5u\x1b[15;5~\x1b[A\x1b[1;3D\x13\x1bo\x1b[57413;5u";
  std::vector<platform::KeyEvent> out;
  for (auto _ : state) {
    platform::InputDecoder d;
    out.clear();
    d.feed(input, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}
BENCHMARK(BM_DecodeMixedInput);

void BM_RenderOneChangedCell(benchmark::State& state) {
  platform::ScreenBuffer s;
  s.set_window_height(44);
  for (int r = 0; r < 44; ++r) {
    s.set_cursor(0, r);
    s.write(std::string(79, 'x'));
  }
  platform::Renderer renderer;
  renderer.render(s, 80, 44);
  char c = 'a';
  for (auto _ : state) {
    s.set_cursor(10, 37);
    s.write(std::string(1, c));
    c = c == 'a' ? 'b' : 'a';
    benchmark::DoNotOptimize(renderer.render(s, 80, 44));
  }
}
BENCHMARK(BM_RenderOneChangedCell);

void BM_RenderFullScreen(benchmark::State& state) {
  platform::ScreenBuffer s;
  s.set_window_height(44);
  for (int r = 0; r < 44; ++r) {
    s.set_cursor(0, r);
    s.write(std::string(79, static_cast<char>('a' + r % 26)));
  }
  for (auto _ : state) {
    platform::Renderer renderer;
    benchmark::DoNotOptimize(renderer.render(s, 80, 44));
  }
}
BENCHMARK(BM_RenderFullScreen);

}  // namespace
