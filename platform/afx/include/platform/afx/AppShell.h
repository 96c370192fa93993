#pragma once

// What the framework's start-up offers the application: common controls, the shell and visual
// managers, and the settings key. The stand-in keeps no settings and draws no themed frames, so
// these record what they were asked and change nothing else.

#include "platform/base/WinTypes.h"

struct INITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
};
constexpr DWORD ICC_WIN95_CLASSES = 0x000000FF;

// Makes the control window classes known; FALSE for a structure of the wrong size.
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls);

class CShellManager {
public:
    CShellManager();
    ~CShellManager();
    static int liveCount();
};

struct CRuntimeClass {
    const char* m_lpszClassName;
};
#define RUNTIME_CLASS(className) (&className::classInfo)

class CMFCVisualManager {
public:
    virtual ~CMFCVisualManager() = default;
    static void SetDefaultManager(const CRuntimeClass* managerClass);
    static const CRuntimeClass* defaultManager();
};

class CMFCVisualManagerWindows : public CMFCVisualManager {
public:
    static const CRuntimeClass classInfo;
};
