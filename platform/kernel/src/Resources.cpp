#include "platform/kernel/Resources.h"

#include "platform/kernel/LastError.h"

#include <deque>
#include <string_view>

namespace {

// A module is the table it was registered with; its handle is its address here.
struct ResourceModule {
    std::span<const platform::ResourceEntry> entries;
};

std::deque<ResourceModule>& modules() {
    static std::deque<ResourceModule> all;
    return all;
}

const ResourceModule* moduleOf(HMODULE handle) {
    if (!handle)
        return modules().empty() ? nullptr : &modules().front();
    for (const auto& module : modules())
        if (reinterpret_cast<HMODULE>(const_cast<ResourceModule*>(&module)) == handle)
            return &module;
    return nullptr;
}

char16_t asciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool sameText(const char16_t* a, const char16_t* b) {
    for (; *a && *b; ++a, ++b)
        if (asciiLower(*a) != asciiLower(*b))
            return false;
    return *a == *b;
}

bool matches(const char16_t* entryText, WORD entryId, LPCWSTR wanted) {
    if (IS_INTRESOURCE(wanted))
        return !entryText && entryId == static_cast<WORD>(reinterpret_cast<ULONG_PTR>(wanted));
    return entryText && sameText(entryText, wanted);
}

const platform::ResourceEntry* entryOf(HRSRC resource) {
    return reinterpret_cast<const platform::ResourceEntry*>(resource);
}

} // namespace

HRSRC FindResourceW(HMODULE handle, LPCWSTR name, LPCWSTR type) {
    const ResourceModule* module = moduleOf(handle);
    if (!module || !name || !type) {
        SetLastError(module ? ERROR_INVALID_PARAMETER : ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    bool typeSeen = false;
    for (const auto& entry : module->entries) {
        if (!matches(entry.typeName, entry.typeId, type))
            continue;
        typeSeen = true;
        if (matches(entry.name, entry.id, name))
            return reinterpret_cast<HRSRC>(const_cast<platform::ResourceEntry*>(&entry));
    }
    SetLastError(typeSeen ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
    return nullptr;
}

DWORD SizeofResource(HMODULE /*module*/, HRSRC resource) {
    return resource ? static_cast<DWORD>(entryOf(resource)->size) : 0;
}

HGLOBAL LoadResource(HMODULE /*module*/, HRSRC resource) {
    // Resources are part of the executable's image: loading one is handing out its address.
    return resource ? const_cast<void*>(entryOf(resource)->data) : nullptr;
}

LPVOID LockResource(HGLOBAL loaded) { return loaded; }

namespace platform {

HMODULE registerResourceModule(std::span<const ResourceEntry> entries) {
    modules().push_back({entries});
    return reinterpret_cast<HMODULE>(&modules().back());
}

HMODULE executableResourceModule() {
    return modules().empty() ? nullptr : reinterpret_cast<HMODULE>(&modules().front());
}

} // namespace platform
