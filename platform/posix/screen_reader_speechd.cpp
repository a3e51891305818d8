// The speech and braille module: texts go to speech-dispatcher and to a
// braille display (screen_reader_braille.cpp). A worker thread hands them to
// the daemon, so the main loop never waits on a slow synthesiser or a busy
// socket.
#include <dlfcn.h>
#include <pthread.h>
#include <signal.h>

#include <condition_variable>
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

struct SpeechdApi {
  void* lib = nullptr;
  void* (*open)(const char*, const char*, const char*, int, const void*, int, char**) = nullptr;
  int (*say)(void*, int, const char*) = nullptr;
  int (*cancel)(void*) = nullptr;
  void (*close)(void*) = nullptr;
  int (*set_language)(void*, const char*) = nullptr;
} spd;
void* connection = nullptr;

struct Job {
  enum Kind { kSay, kCancel, kLanguage, kStop } kind;
  std::string text;
};

std::mutex mutex;
std::condition_variable wake, idle;
std::deque<Job> jobs;
bool busy = false;
std::thread worker;

// Everything that talks to the daemon runs here, so that a peer that went
// away (SIGPIPE, blocked on this thread only) or a slow module never stops
// the main loop. ready reports whether the daemon answered.
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
      case Job::kStop: {
        spd.close(connection);
        connection = nullptr;
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
    std::erase_if(jobs, [](const Job& j) { return j.kind == Job::kSay; });
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
  push({Job::kSay, utf8(code_points(text))});
  return 0;
}

unsigned long braille_message(const char16_t* text) {
  if (!text || !braille_live()) return 1;
  braille_show(code_points(text));
  return 0;
}

// Cutting the speech off also starts a new braille message.
unsigned long cancel_speech() {
  braille_cut();
  push({Job::kCancel, {}});
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
  if (ready) braille_open();
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
  push({Job::kStop, {}});
  worker.join();
  braille_close();
  jobs.clear();
  dlclose(spd.lib);
  spd = {};
}

void speechd_set_language(int lang) { push({Job::kLanguage, language_code(lang)}); }

void speechd_drain() {
  std::unique_lock lock(mutex);
  idle.wait(lock, [] { return jobs.empty() && !busy; });
}

}  // namespace platform::screen_reader
