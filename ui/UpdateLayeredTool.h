#pragma once

#include "platform/kernel/Library.h"
#include "platform/user/Layered.h"

// The process's one handle on the layered-window entry points, looked up at run time in
// "User32.DLL". An entry point that is missing stays null and calls through it are skipped.
class UpdateLayeredTool {
public:
    virtual ~UpdateLayeredTool();

    // The one instance, made on the first request and kept until the process ends.
    static UpdateLayeredTool* Instance();

    HMODULE m_hUser32 = nullptr;
    PFN_UpdateLayeredWindow m_pfnUpdateLayeredWindow = nullptr;
    PFN_SetLayeredWindowAttributes m_pfnSetLayeredWindowAttributes = nullptr;

private:
    UpdateLayeredTool() = default;
};
