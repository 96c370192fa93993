#include "launch/LaunchArgs.h"

#include "app/LoginApp.h"
#include "launch/Ansi.h"

void SetLaunchArgs(const char16_t* args) {
    theApp.m_launchArgs = ToThreadAnsi(args);
}
