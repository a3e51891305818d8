// A stand-in for the NVDA controller client: the same three entry points,
// each call appended as one UTF-8 line to "nvda.log" in the working
// directory, so a test reads exactly what the program said.
#include <windows.h>

#include <cstdio>

namespace {

void log(const char* what, const wchar_t* text) {
  std::FILE* f = std::fopen("nvda.log", "ab");
  if (!f) return;
  std::fputs(what, f);
  if (text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n > 1) {
      char* s = new char[n];
      WideCharToMultiByte(CP_UTF8, 0, text, -1, s, n, nullptr, nullptr);
      std::fputc(' ', f);
      std::fputs(s, f);
      delete[] s;
    }
  }
  std::fputc('\n', f);
  std::fclose(f);
}

}  // namespace

extern "C" {

__declspec(dllexport) unsigned long __stdcall nvdaController_speakText(const wchar_t* text) {
  log("speak", text);
  return 0;
}

__declspec(dllexport) unsigned long __stdcall nvdaController_brailleMessage(const wchar_t* text) {
  log("braille", text);
  return 0;
}

__declspec(dllexport) unsigned long __stdcall nvdaController_cancelSpeech() {
  log("cancel", nullptr);
  return 0;
}

}
