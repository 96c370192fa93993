#include "windows/LoginActiveDlg.h"

void CLoginActiveDlg::UnadviseAllLinks() {
    // FIXME: the overlay subscribes to no page links until the browser's page events are wired
    // up, so there is nothing to end yet.
}
