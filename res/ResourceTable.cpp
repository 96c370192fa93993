#include "res/ResourceTable.h"

#include <vector>

std::span<const platform::ResourceEntry> tarnwickResources() {
    static const std::vector<platform::ResourceEntry> all = [] {
        std::vector<platform::ResourceEntry> entries(generatedResources().begin(),
                                                     generatedResources().end());
        entries.insert(entries.end(), dialogResources().begin(), dialogResources().end());
        return entries;
    }();
    return all;
}
