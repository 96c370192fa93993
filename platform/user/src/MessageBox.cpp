#include "platform/user/MessageBox.h"

#include "platform/user/Backend.h"
#include "platform/user/MessageLoop.h"

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    platform::MessageBoxRequest request;
    request.owner = owner;
    request.text = text ? text : u"";
    request.caption = caption ? caption : u"Error";
    request.type = type;
    // A box asked for while a quit is pending ends at once, like every loop then.
    request.endedByQuit = platform::user::pendingQuit().has_value();
    const auto& hooks = platform::user::backend();
    return hooks.messageBox(request);
}
