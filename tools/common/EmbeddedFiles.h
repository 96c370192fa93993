#pragma once

#include <string_view>

// A file compiled into the program (see cmake/EmbedFiles.cmake).
struct EmbeddedFile {
    std::string_view name;
    std::string_view bytes;
};

// Each program that embeds files defines this in a namespace of its own.
#define TARNWICK_DECLARE_EMBEDDED_FILES(ns)                                                        \
    namespace ns {                                                                                 \
    const EmbeddedFile* findEmbeddedFile(std::string_view name);                                   \
    }
