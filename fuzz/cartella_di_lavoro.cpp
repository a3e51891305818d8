// For targets whose reader writes files in the working directory (vantorel.ini): linked in,
// it makes the target run in a scratch folder, removed at exit. The paths libFuzzer was given
// (corpus folders, artifact prefix) are made absolute first, so that they still point where
// they did.
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::filesystem::path cartella;

void RimuoviCartella() {
  std::error_code e;
  std::filesystem::remove_all(cartella, e);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static std::vector<std::string> argomenti;
  static std::vector<char*> puntatori;
  bool prefisso = false;
  for (int i = 0; i < *argc; ++i) {
    std::string a = (*argv)[i];
    const std::size_t uguale = a.find('=');
    if (i > 0 && a[0] != '-') {
      a = std::filesystem::absolute(a).string();
    } else if (a.rfind("-artifact_prefix=", 0) == 0 || a.rfind("-exact_artifact_path=", 0) == 0 ||
               a.rfind("-dict=", 0) == 0) {
      prefisso = prefisso || a[1] != 'd';
      a = a.substr(0, uguale + 1) + std::filesystem::absolute(a.substr(uguale + 1)).string();
    }
    argomenti.push_back(a);
  }
  // A crash input lands where it would have without the change of folder.
  if (!prefisso)
    argomenti.push_back("-artifact_prefix=" + std::filesystem::current_path().string() + "/");
  for (std::string& a : argomenti) puntatori.push_back(a.data());
  puntatori.push_back(nullptr);
  *argc = static_cast<int>(argomenti.size());
  *argv = puntatori.data();

  // Memory-backed when the system has it: a file written per input must not wait on a disk.
  std::error_code e;
  const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", e)
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
  std::string modello = (base / "vantorel-fuzz-XXXXXX").string();
  if (!mkdtemp(modello.data())) std::abort();
  cartella = modello;
  std::filesystem::current_path(modello);
  std::atexit(RimuoviCartella);
  return 0;
}
