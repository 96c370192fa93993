#include "platform/user/MessageBox.h"

#include "platform/user/Backend.h"

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    platform::MessageBoxRequest request;
    request.owner = owner;
    request.text = text ? text : u"";
    request.caption = caption ? caption : u"Error";
    request.type = type;
    const auto& hooks = platform::user::backend();
    return hooks.messageBox(request);
}
