// kovlo-samples FOLDER: makes the sample photographs in FOLDER.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

#include "tools/samples/samples.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kovlo-samples FOLDER\n");
        return 2;
    }
    if (mkdir(argv[1], 0755) != 0 && errno != EEXIST) {
        std::perror(argv[1]);
        return 1;
    }
    return WriteSamples(argv[1]) ? 0 : 1;
}
