#include "platform/kernel/Library.h"

#include "platform/kernel/LastError.h"

#include <list>

namespace {

struct Library {
    std::u16string name; // lower case
    platform::LibraryExports exports;
    int loads = 0;
};

std::list<Library>& libraries() {
    static std::list<Library> all;
    return all;
}

std::u16string lowered(std::u16string text) {
    for (auto& c : text)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c + 32);
    return text;
}

Library* find(const std::u16string& name) {
    for (auto& library : libraries())
        if (library.name == lowered(name))
            return &library;
    return nullptr;
}

Library* libraryOf(HMODULE module) {
    for (auto& library : libraries())
        if (reinterpret_cast<HMODULE>(&library) == module)
            return library.loads > 0 ? &library : nullptr;
    return nullptr;
}

} // namespace

HMODULE LoadLibraryW(LPCWSTR fileName) {
    Library* library = fileName ? find(fileName) : nullptr;
    if (!library) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    ++library->loads;
    return reinterpret_cast<HMODULE>(library);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName) {
    Library* library = libraryOf(module);
    if (library && procName)
        for (const auto& [name, address] : library->exports)
            if (name == procName)
                return address;
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
}

BOOL FreeLibrary(HMODULE module) {
    Library* library = libraryOf(module);
    if (!library)
        return FALSE;
    --library->loads;
    return TRUE;
}

namespace platform {

void registerLibrary(const std::u16string& name, LibraryExports exports) {
    if (Library* existing = find(name)) {
        existing->exports = std::move(exports);
        return;
    }
    libraries().push_back(Library{lowered(name), std::move(exports), 0});
}

int libraryLoadCount(const std::u16string& name) {
    const Library* library = find(name);
    return library ? library->loads : 0;
}

} // namespace platform
