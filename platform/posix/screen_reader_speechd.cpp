// The speech and braille module: texts go to speech-dispatcher and to a
// braille display through BrlAPI. A worker thread hands them over, so the
// main loop never waits on a slow synthesiser or a busy socket.
#include <dlfcn.h>
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <future>
#include <mutex>
#include <string>
#include <thread>

#include "platform/posix/screen_reader.h"
#include "platform/posix/screen_reader_modules.h"
#include "platform/screen_buffer.h"

namespace platform::screen_reader {

namespace {

constexpr int kSpdModeSingle = 0;
constexpr int kSpdMessage = 2;  // priority of a message: queued, never dropped
constexpr int kBrlapiTtyDefault = -1;
constexpr int kBrlapiCursorOff = 0;

struct SpeechdApi {
  void* lib = nullptr;
  void* (*open)(const char*, const char*, const char*, int, const void*, int, char**) = nullptr;
  int (*say)(void*, int, const char*) = nullptr;
  int (*cancel)(void*) = nullptr;
  void (*close)(void*) = nullptr;
  int (*set_language)(void*, const char*) = nullptr;
} spd;
void* connection = nullptr;

using BrlapiHandler = void (*)(int, std::uint32_t, const void*, std::size_t);
struct BrlapiApi {
  void* lib = nullptr;
  int (*open)(const void*, void*) = nullptr;
  int (*enter_tty)(int, const char*) = nullptr;
  int (*write_wtext)(int, const wchar_t*) = nullptr;
  int (*leave_tty)() = nullptr;
  void (*close)() = nullptr;
  BrlapiHandler (*set_handler)(BrlapiHandler) = nullptr;
} brl;
std::atomic<bool> braille_ok{false};

struct Job {
  enum Kind { kSay, kCancel, kBraille, kLanguage, kStop } kind;
  std::string text;
  std::wstring wide;
};

std::mutex mutex;
std::condition_variable wake, idle;
std::deque<Job> jobs;
bool busy = false;
std::thread worker;

template <typename F>
bool resolve(void* lib, const char* name, F& f) {
  f = reinterpret_cast<F>(dlsym(lib, name));
  return f != nullptr;
}

// Without a handler libbrlapi aborts the whole program on a protocol error;
// losing the display must only lose braille.
void on_brlapi_error(int, std::uint32_t, const void*, std::size_t) { braille_ok = false; }

void open_braille() {
  braille_ok = false;
  for (const auto& name : options().brlapi_libraries) {
    brl.lib = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (brl.lib) break;
  }
  if (!brl.lib) return;
  bool found = resolve(brl.lib, "brlapi_openConnection", brl.open) &&
               resolve(brl.lib, "brlapi_enterTtyMode", brl.enter_tty) &&
               resolve(brl.lib, "brlapi_writeWText", brl.write_wtext) &&
               resolve(brl.lib, "brlapi_leaveTtyMode", brl.leave_tty) &&
               resolve(brl.lib, "brlapi_closeConnection", brl.close) &&
               resolve(brl.lib, "brlapi_setExceptionHandler", brl.set_handler);
  if (found) {
    brl.set_handler(on_brlapi_error);
    if (brl.open(nullptr, nullptr) >= 0) {
      if (brl.enter_tty(kBrlapiTtyDefault, nullptr) >= 0) {
        braille_ok = true;
        return;
      }
      brl.close();
    }
  }
  dlclose(brl.lib);
  brl = {};
}

void close_braille() {
  if (!brl.lib) return;
  if (braille_ok) brl.leave_tty();
  brl.close();
  dlclose(brl.lib);
  brl = {};
  braille_ok = false;
}

// Everything that talks to the daemon and the display runs here, so that a
// peer that went away (SIGPIPE, blocked on this thread only) or a slow module
// never stops the main loop. ready reports whether the daemon answered.
void run_worker(std::promise<bool>* ready) {
  sigset_t pipe;
  sigemptyset(&pipe);
  sigaddset(&pipe, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
  // Opened once here: without a daemon this takes over a second.
  // The daemon is started when it is not running; its address comes from the
  // environment. The error text is ours to free.
  char* error = nullptr;
  connection = spd.open("vantorel", "main", nullptr, kSpdModeSingle, nullptr, 1, &error);
  std::free(error);
  if (!connection) {
    ready->set_value(false);
    return;
  }
  open_braille();
  ready->set_value(true);
  for (;;) {
    Job job;
    {
      std::unique_lock lock(mutex);
      busy = false;
      idle.notify_all();
      wake.wait(lock, [] { return !jobs.empty(); });
      job = std::move(jobs.front());
      jobs.pop_front();
      busy = true;
    }
    switch (job.kind) {
      case Job::kSay:
        spd.say(connection, kSpdMessage, job.text.c_str());
        break;
      case Job::kCancel:
        spd.cancel(connection);
        break;
      case Job::kLanguage:
        spd.set_language(connection, job.text.c_str());
        break;
      case Job::kBraille:
        if (braille_ok) brl.write_wtext(kBrlapiCursorOff, job.wide.c_str());
        break;
      case Job::kStop: {
        spd.close(connection);
        connection = nullptr;
        close_braille();
        std::lock_guard lock(mutex);
        busy = false;
        idle.notify_all();
        return;
      }
    }
  }
}

void push(Job job) {
  std::lock_guard lock(mutex);
  if (job.kind == Job::kCancel) {
    // What was not handed over yet would be cut off anyway.
    std::erase_if(jobs,
                  [](const Job& j) { return j.kind == Job::kSay || j.kind == Job::kBraille; });
  }
  jobs.push_back(std::move(job));
  wake.notify_one();
}

// UTF-16 to code points; a lone surrogate becomes U+FFFD. Line breaks and
// tabs become blanks: the synthesiser and the display take one line.
std::u32string code_points(const char16_t* text) {
  std::u32string out;
  for (const char16_t* p = text; *p; ++p) {
    char32_t c = *p;
    if (c >= 0xD800 && c <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (p[1] - 0xDC00);
      ++p;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    out.push_back(c);
  }
  return out;
}

std::string utf8(const std::u32string& text) {
  std::string out;
  for (char32_t c : text) append_utf8(out, c);
  return out;
}

unsigned long speak_text(const char16_t* text) {
  if (!text) return 1;
  push({Job::kSay, utf8(code_points(text)), {}});
  return 0;
}

unsigned long braille_message(const char16_t* text) {
  if (!text || !braille_ok) return 1;
  auto cps = code_points(text);
  push({Job::kBraille, {}, std::wstring(cps.begin(), cps.end())});
  return 0;
}

unsigned long cancel_speech() {
  push({Job::kCancel, {}, {}});
  return 0;
}

}  // namespace

bool speechd_load(EntryPoints& entries) {
  spd.lib = dlopen(options().speechd_library.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (!spd.lib) return false;
  bool found = resolve(spd.lib, "spd_open2", spd.open) && resolve(spd.lib, "spd_say", spd.say) &&
               resolve(spd.lib, "spd_cancel", spd.cancel) &&
               resolve(spd.lib, "spd_close", spd.close) &&
               resolve(spd.lib, "spd_set_language", spd.set_language);
  bool ready = false;
  if (found) {
    jobs.clear();
    std::promise<bool> started;
    auto answer = started.get_future();
    worker = std::thread(run_worker, &started);
    ready = answer.get();
    if (!ready) worker.join();
  }
  if (!ready) {
    dlclose(spd.lib);
    spd = {};
    return false;
  }
  entries["nvdaController_speakText"] = reinterpret_cast<void*>(&speak_text);
  entries["nvdaController_brailleMessage"] = reinterpret_cast<void*>(&braille_message);
  entries["nvdaController_cancelSpeech"] = reinterpret_cast<void*>(&cancel_speech);
  return true;
}

void speechd_unload() {
  push({Job::kStop, {}, {}});
  worker.join();
  jobs.clear();
  dlclose(spd.lib);
  spd = {};
}

void speechd_set_language(int lang) { push({Job::kLanguage, language_code(lang), {}}); }

bool speechd_braille_connected() { return braille_ok; }

void speechd_drain() {
  std::unique_lock lock(mutex);
  idle.wait(lock, [] { return jobs.empty() && !busy; });
}

}  // namespace platform::screen_reader
