#include "platform/afx/AfxMessageBox.h"

#include "platform/afx/CWinApp.h"
#include "platform/user/MessageBox.h"

int AfxMessageBox(LPCWSTR text, UINT type, UINT /*helpId*/) {
    return MessageBoxW(nullptr, text, AfxGetAppName(), type);
}
