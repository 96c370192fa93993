#include "platform/backend/BackendHooks.h"

#include "platform/base/Utf16.h"

#include <gtk/gtk.h>

namespace platform::gtk {

// A message box is a modal GTK dialog above the program's windows, captioned and worded as asked.
int messageBox(const MessageBoxRequest& request) {
    if (request.endedByQuit)
        return 0;
    constexpr UINT kButtons = 0x0F;
    const UINT buttons = request.type & kButtons;
    const GtkButtonsType gtkButtons = buttons == 1   ? GTK_BUTTONS_OK_CANCEL
                                      : buttons == 4 ? GTK_BUTTONS_YES_NO
                                                     : GTK_BUTTONS_OK;
    GtkWidget* dialog =
        gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_OTHER, gtkButtons, "%s",
                               platform::utf16ToUtf8(request.text).c_str());
    gtk_window_set_title(GTK_WINDOW(dialog), platform::utf16ToUtf8(request.caption).c_str());
    gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    const int response = gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
    switch (response) {
    case GTK_RESPONSE_CANCEL:
        return 2; // IDCANCEL
    case GTK_RESPONSE_YES:
        return 6; // IDYES
    case GTK_RESPONSE_NO:
        return 7; // IDNO
    case GTK_RESPONSE_OK:
        return 1; // IDOK
    default:
        // Closed without a button: the box's cancel, or OK when it has only that.
        return buttons == 0 ? 1 : buttons == 4 ? 7 : 2;
    }
}

} // namespace platform::gtk
