#pragma once

#include "platform/base/WinTypes.h"

// The class library's exceptions are thrown as pointers to objects on the heap; whoever catches
// one ends it with Delete.
class CException {
public:
    virtual ~CException() = default;

    void Delete() { delete this; }

    // Copies the error's text (cut to fit) into the buffer; FALSE when there is no text.
    virtual BOOL GetErrorMessage(LPWSTR error, UINT maxError, UINT* helpContext = nullptr) const;

    // Shows the error's text in a message box captioned with the application's name; returns the
    // box's result.
    virtual int ReportError(UINT type = 0, UINT messageId = 0) const;
};
