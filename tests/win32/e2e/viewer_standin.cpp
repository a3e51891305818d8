// A stand-in for the program Windows opens a game file with: registered for
// ".pgn" in the test prefix, it appends to "viewer.log" in its working
// directory the path it was given and the first line of text of that file,
// so a test sees that the file was opened and what it held at that moment.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

std::string utf8(const wchar_t* w) {
  int n = WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
  std::string s(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, w, -1, s.data(), n, nullptr, nullptr);
  return s;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::string path = argc > 1 ? utf8(argv[1]) : std::string();
  std::string first;
  std::ifstream file(argc > 1 ? argv[1] : L"");
  while (first.empty() && std::getline(file, first))
    if (!first.empty() && first.back() == '\r') first.pop_back();
  std::FILE* log = std::fopen("viewer.log", "ab");
  if (!log) return 1;
  std::fprintf(log, "open %s\nfirst %s\n", path.c_str(), first.c_str());
  std::fclose(log);
  return 0;
}
