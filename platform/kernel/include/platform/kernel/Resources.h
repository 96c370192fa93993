#pragma once

// The program's resources: data compiled into the executable, found by type and name. Types and
// names are either texts ("PNG") or integers (MAKEINTRESOURCEW(155)); text comparison ignores
// ASCII case, as the platform's does.

#include "platform/base/WinTypes.h"
#include "platform/kernel/GlobalMemory.h"

#include <span>

struct HRSRC__;
using HRSRC = HRSRC__*;

constexpr LPCWSTR MAKEINTRESOURCEW(ULONG_PTR id) {
    return reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(id)));
}
inline bool IS_INTRESOURCE(LPCWSTR name) { return (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0; }

inline const LPCWSTR RT_BITMAP = MAKEINTRESOURCEW(2);
inline const LPCWSTR RT_ICON = MAKEINTRESOURCEW(3);
inline const LPCWSTR RT_DIALOG = MAKEINTRESOURCEW(5);
inline const LPCWSTR RT_STRING = MAKEINTRESOURCEW(6);
inline const LPCWSTR RT_GROUP_ICON = MAKEINTRESOURCEW(14);
inline const LPCWSTR RT_MANIFEST = MAKEINTRESOURCEW(24);

// Module null means the executable.
HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
DWORD SizeofResource(HMODULE module, HRSRC resource);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
// The resource's bytes, read-only, valid for the life of the process.
LPVOID LockResource(HGLOBAL loaded);

namespace platform {

// One resource: a text type or name is given as text, an integer one as its number.
struct ResourceEntry {
    const char16_t* typeName; // null when the type is an integer
    WORD typeId;
    const char16_t* name;     // null when the name is an integer
    WORD id;
    const void* data;
    std::size_t size;
};

// Makes a table of resources known as a module; the first registered is the executable's. The
// table must outlive the process's use of it. Returns the module's handle.
HMODULE registerResourceModule(std::span<const ResourceEntry> entries);

// The executable's module handle (the first registered), null before any registration.
HMODULE executableResourceModule();

} // namespace platform
