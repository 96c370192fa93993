#include "ui/UpdateLayeredTool.h"

namespace {
UpdateLayeredTool* g_instance = nullptr;
}

UpdateLayeredTool::~UpdateLayeredTool() {
    if (m_hUser32)
        FreeLibrary(m_hUser32);
}

UpdateLayeredTool* UpdateLayeredTool::Instance() {
    if (g_instance)
        return g_instance;
    auto* tool = new UpdateLayeredTool;
    tool->m_hUser32 = LoadLibraryW(u"User32.DLL");
    if (tool->m_hUser32) {
        tool->m_pfnUpdateLayeredWindow = reinterpret_cast<PFN_UpdateLayeredWindow>(
            GetProcAddress(tool->m_hUser32, "UpdateLayeredWindow"));
        tool->m_pfnSetLayeredWindowAttributes = reinterpret_cast<PFN_SetLayeredWindowAttributes>(
            GetProcAddress(tool->m_hUser32, "SetLayeredWindowAttributes"));
    }
    g_instance = tool;
    return g_instance;
}
