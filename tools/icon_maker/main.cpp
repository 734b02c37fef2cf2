// icon_maker <output.ico>: writes the program icon, drawn at every size it ships in.
#include <cstdio>
#include <fstream>

#include "icon_art.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: icon_maker <output.ico>\n");
    return 2;
  }
  const auto bytes = corvanta::icon::make_icon_file();
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "icon_maker: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
