// kovlo_rc FILE: writes the Windows resource script to FILE.
#include <cstdio>
#include <string>

#include "resources/resource_script.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kovlo_rc FILE\n");
        return 2;
    }
    std::string script = ResourceScript();
    std::FILE *file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    bool written = std::fwrite(script.data(), 1, script.size(), file) == script.size();
    bool closed = std::fclose(file) == 0;
    return written && closed ? 0 : 1;
}
