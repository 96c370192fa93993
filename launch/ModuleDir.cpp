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
    return ModuleDirOf(buffer.data());
}

std::u16string ModuleDirOf(std::u16string executablePath) {
    std::replace(executablePath.begin(), executablePath.end(), u'\\', u'/');
    const auto slash = executablePath.rfind(u'/');
    return slash == std::u16string::npos ? std::u16string() : executablePath.substr(0, slash);
}
