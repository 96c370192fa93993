#pragma once

#include "platform/afx/CException.h"

// A failed internet operation, carrying its internet error code (ERROR_INTERNET_...).
class CInternetException : public CException {
public:
    explicit CInternetException(DWORD error, ULONG_PTR context = 1)
        : m_dwContext(context), m_dwError(error) {}

    BOOL GetErrorMessage(LPWSTR error, UINT maxError, UINT* helpContext = nullptr) const override;

    ULONG_PTR m_dwContext;
    DWORD m_dwError;
};
