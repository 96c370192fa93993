#pragma once

#include "platform/gdi/Gdi.h"

namespace platform::user {

// Fills a control's or dialog's background with the brush its WM_CTLCOLOR answer gave, or with
// the dialog face colour when the answer was none.
inline void fillBackground(HDC dc, const RECT& area, HBRUSH answered) {
    if (answered) {
        FillRect(dc, &area, answered);
        return;
    }
    HBRUSH face = CreateSolidBrush(RGB(240, 240, 240));
    FillRect(dc, &area, face);
    DeleteObject(face);
}

} // namespace platform::user
