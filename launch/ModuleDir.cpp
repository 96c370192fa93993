#include "launch/ModuleDir.h"

#include "platform/kernel/Module.h"

#include <algorithm>
#include <vector>

std::u16string GetModuleDir() {
    // A path longer than the usual buffer is read whole: a cut path would name another file.
    std::vector<WCHAR> buffer(MAX_PATH);
    while (GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size())) ==
           buffer.size())
        buffer.resize(buffer.size() * 2);
    std::u16string path(buffer.data());
    std::replace(path.begin(), path.end(), u'\\', u'/');
    const auto slash = path.rfind(u'/');
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash);
}
