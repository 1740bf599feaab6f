// A stand-in for a program that a menu button launches: it appends its raw
// command line, its arguments and its working folder to "recorder.log" beside
// itself, then ends. An argument "-wait=N" makes it stay N milliseconds first,
// so that a menu that waits for it can be watched while it runs.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string log = exe;
    log = log.substr(0, log.find_last_of('\\') + 1) + "recorder.log";
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);

    int waitMs = 0;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "-wait=", 6) == 0) waitMs = std::atoi(argv[i] + 6);

    if (FILE* f = std::fopen(log.c_str(), "ab")) {
        std::fprintf(f, "cmdline=%s\n", GetCommandLineA());
        for (int i = 1; i < argc; ++i) std::fprintf(f, "arg%d=%s\n", i, argv[i]);
        std::fprintf(f, "cwd=%s\n", cwd);
        std::fprintf(f, "end\n");
        std::fclose(f);
    }
    if (waitMs > 0) Sleep(static_cast<DWORD>(waitMs));
    return 0;
}
