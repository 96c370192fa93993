#include "launch/Ansi.h"
#include "launch/LauncherConstants.h"
#include "launch/LauncherFetch.h"
#include "launch/ModuleDir.h"

#include "platform/base/ShowCommands.h"
#include "platform/kernel/WinExec.h"
#include "platform/user/MessageBox.h"
#include "platform/user/MessageLoop.h"

std::string LauncherCommandLine(const std::u16string& moduleDir, const char16_t* args) {
    const std::u16string quotedPath = u"\"" + moduleDir + u"/" + kLauncherFileName + u"\"";
    return ToThreadAnsi(quotedPath.c_str()) + ToThreadAnsi(args);
}

void StartLauncher(const char16_t* args) {
    const std::string commandLine = LauncherCommandLine(GetModuleDir(), args);
    if (WinExec(commandLine.c_str(), SW_SHOW) < 32)
        MessageBoxW(nullptr, kStartFailureText, kStartFailureCaption, MB_OK);
    PostQuitMessage(kLaunchExitCode);
}
