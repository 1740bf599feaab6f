// qvmenudump: prints a menu file as JSON (see MenuJson.h).
//   qvmenudump [--quiet] FILE.mnu
#include <cstdio>
#include <cstring>

#include "forms/portable/Stream.h"
#include "tests/tools/MenuJson.h"

int main(int argc, char** argv) {
    bool quiet = false;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quiet") == 0) quiet = true;
        else path = argv[i];
    }
    if (!path) {
        std::fprintf(stderr, "usage: qvmenudump [--quiet] FILE.mnu\n");
        return 2;
    }
    std::vector<uint8_t> bytes;
    if (!forms::ReadWholeFile(path, bytes)) {
        std::fprintf(stderr, "qvmenudump: cannot read %s\n", path);
        return 1;
    }
    std::fputs(MenuFileToJson(bytes, quiet).c_str(), stdout);
    return 0;
}
