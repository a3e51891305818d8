#include "platform/posix/screen_reader.h"

#include <cstring>

#include "platform/posix/screen_reader_modules.h"

namespace platform::screen_reader {

namespace {

struct Module {
  const char* name;
  bool (*load)(EntryPoints&);
  void (*unload)();
  EntryPoints entries;
  bool loaded = false;
};

Module modules[] = {
    {"nvda.dll", speechd_load, speechd_unload, {}},
    {"jaws.dll", espeak_load, espeak_unload, {}},
};

int language = 1;

Module* find(const char* name) {
  for (auto& m : modules)
    if (name && std::strcmp(m.name, name) == 0) return &m;
  return nullptr;
}

}  // namespace

Options& options() {
  static Options o;
  return o;
}

bool serves(const char* name) { return find(name) != nullptr; }

void* load(const char* name) {
  Module* m = find(name);
  if (!m) return nullptr;
  if (m->loaded) return m;  // one connection, however often it is asked for
  m->entries.clear();
  if (!m->load(m->entries)) return nullptr;
  m->loaded = true;
  set_language(language);
  return m;
}

bool owns(void* module) {
  for (auto& m : modules)
    if (module == &m) return m.loaded;
  return false;
}

void* symbol(void* module, const char* name) {
  if (!owns(module) || !name) return nullptr;
  auto& entries = static_cast<Module*>(module)->entries;
  auto it = entries.find(name);
  return it == entries.end() ? nullptr : it->second;
}

void unload(void* module) {
  if (!owns(module)) return;
  auto* m = static_cast<Module*>(module);
  m->unload();
  m->entries.clear();
  m->loaded = false;
}

void set_language(int lang) {
  language = lang;
  if (modules[0].loaded) speechd_set_language(lang);
  if (modules[1].loaded) espeak_set_language(lang);
}

bool braille_connected() { return modules[0].loaded && braille_live(); }

void drain() {
  if (modules[0].loaded) speechd_drain();
}

}  // namespace platform::screen_reader
