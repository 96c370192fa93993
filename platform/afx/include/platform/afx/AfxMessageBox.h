#pragma once

#include "platform/base/WinTypes.h"

// A message box captioned with the application's name.
int AfxMessageBox(LPCWSTR text, UINT type = 0, UINT helpId = 0);
