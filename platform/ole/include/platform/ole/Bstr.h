#pragma once

// The automation text: UTF-16 units with their byte length stored just before the first unit and
// a NUL after the last, so that it can hold NULs and still be read as a terminated text. A null
// BSTR is the empty text.

#include "platform/base/WinTypes.h"

using OLECHAR = WCHAR;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;
using BSTR = OLECHAR*;

// A copy of a terminated text; null for a null text or when memory runs out.
BSTR SysAllocString(const OLECHAR* text);
// A text of `length` units copied from `text` (or all zero when text is null).
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
UINT SysStringLen(BSTR text);
UINT SysStringByteLen(BSTR text);
void SysFreeString(BSTR text);
