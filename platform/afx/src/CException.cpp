#include "platform/afx/CException.h"

#include "platform/afx/AfxMessageBox.h"

#include <vector>

BOOL CException::GetErrorMessage(LPWSTR error, UINT maxError, UINT* helpContext) const {
    if (helpContext)
        *helpContext = 0;
    if (error && maxError > 0)
        *error = u'\0';
    return FALSE;
}

int CException::ReportError(UINT type, UINT /*messageId*/) const {
    std::vector<WCHAR> text(1024);
    if (!GetErrorMessage(text.data(), static_cast<UINT>(text.size())))
        return AfxMessageBox(u"An unsupported operation was attempted.", type);
    return AfxMessageBox(text.data(), type);
}
