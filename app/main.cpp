// The program's entry: the platform's start (locale, resources, display), then the application
// object's run. The exit code is that of the first quit request, 0 when none was made.

#include "app/LoginApp.h"

#include "res/ResourceTable.h"

#include "platform/backend/gtk/GtkBackend.h"
#include "platform/kernel/Resources.h"
#include "platform/user/MessageLoop.h"

#include <clocale>
#include <cstdio>

int main() {
    std::setlocale(LC_ALL, "");
    platform::registerResourceModule(tarnwickResources());
    if (!platform::gtk::installGtkBackend()) {
        std::fprintf(stderr, "tarnwick-login: cannot open an X11 display (is DISPLAY set?)\n");
        return 1;
    }
    theApp.InitInstance();
    return platform::user::pendingQuit().value_or(0);
}
