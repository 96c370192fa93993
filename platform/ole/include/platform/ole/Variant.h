#pragma once

// The automation value: a type tag and the value it describes. A VARIANT owns the text or the
// interface reference it holds (unless it holds it by reference), and VariantClear releases it.

#include "platform/ole/Unknown.h"

using VARTYPE = unsigned short;
using VARIANT_BOOL = short;

constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

enum : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R8 = 5,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_INT = 22,
    VT_UINT = 23,
    VT_BYREF = 0x4000,
    VT_TYPEMASK = 0x0FFF,
};

struct tagVARIANT {
    VARTYPE vt;
    WORD wReserved1;
    WORD wReserved2;
    WORD wReserved3;
    union {
        LONG lVal;
        short iVal;
        char cVal;
        BYTE bVal;
        WORD uiVal;
        ULONG ulVal;
        INT_PTR intPtrVal;
        int intVal;
        UINT uintVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        HRESULT scode;
        BSTR bstrVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
        LONG* plVal;
        int* pintVal;
        UINT* puintVal;
        double* pdblVal;
        VARIANT_BOOL* pboolVal;
        BSTR* pbstrVal;
        IUnknown** ppunkVal;
        IDispatch** ppdispVal;
        VARIANT* pvarVal;
        void* byref;
    };
};

constexpr VARIANT_BOOL VARIANT_NOVALUEPROP = 0x1;

// Marks the variant empty without releasing what it held.
void VariantInit(VARIANTARG* variant);
// Releases what the variant owns (a text, an interface reference) once, then marks it empty.
HRESULT VariantClear(VARIANTARG* variant);
// Makes dest an independent copy of source (dest is cleared first).
HRESULT VariantCopy(VARIANTARG* dest, const VARIANTARG* source);
// Converts source to the type (in place when dest is source). Numbers convert among each other
// when the value fits (DISP_E_OVERFLOW otherwise), to and from text, and to and from VT_BOOL.
HRESULT VariantChangeType(VARIANTARG* dest, const VARIANTARG* source, unsigned short flags,
                          VARTYPE type);
