#include "launch/HandOffScope.h"

#include "platform/user/MessageLoop.h"

namespace {
bool g_running = false;
}

CHandOffScope::CHandOffScope() {
    g_running = true;
}

CHandOffScope::~CHandOffScope() {
    g_running = false;
}

bool CHandOffScope::CanStart() {
    return !g_running && !platform::user::pendingQuit();
}
