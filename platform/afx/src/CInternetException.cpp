#include "platform/afx/CInternetException.h"

#include "platform/inet/InternetErrors.h"

#include <algorithm>

BOOL CInternetException::GetErrorMessage(LPWSTR error, UINT maxError, UINT* helpContext) const {
    if (helpContext)
        *helpContext = 0;
    if (!error || maxError == 0)
        return FALSE;
    const std::u16string text = platform::inet::errorText(m_dwError);
    const std::size_t count = std::min<std::size_t>(text.size(), maxError - 1);
    std::copy_n(text.begin(), count, error);
    error[count] = u'\0';
    return TRUE;
}
