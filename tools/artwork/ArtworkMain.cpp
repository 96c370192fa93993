// Draws the program's artwork into the folder given (res/artwork).

#include "tools/artwork/Art.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    try {
        artwork::drawSplash(argv[1]);
        artwork::drawButtons(argv[1]);
        artwork::drawDialog(argv[1]);
        artwork::drawIcon(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tarnwick-artwork: %s\n", error.what());
        return 1;
    }
    return 0;
}
