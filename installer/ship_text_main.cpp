// selenarium-shiptext IN.txt OUT.txt: turns a UTF-8 text with Unix line ends into the
// Windows-1251 text with CR LF line ends that the installer ships.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "settings/cp1251.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: selenarium-shiptext IN.txt OUT.txt\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "selenarium-shiptext: cannot read %s\n", argv[1]);
    return 1;
  }
  std::string utf8((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string windows;
  for (char c : utf8) {
    if (c == '\r') continue;
    if (c == '\n') windows += '\r';
    windows += c;
  }
  std::string text;
  if (!Utf8ToCp1251(windows.c_str(), &text)) {
    std::fprintf(stderr, "selenarium-shiptext: %s holds a character Windows-1251 lacks\n", argv[1]);
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  return out ? 0 : 1;
}
