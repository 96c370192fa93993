#pragma once

#include "platform/base/WinTypes.h"

using LCID = DWORD;

constexpr DWORD NORM_IGNORECASE = 0x00000001;
constexpr DWORD NORM_IGNOREWIDTH = 0x00020000;

constexpr int CSTR_LESS_THAN = 1;
constexpr int CSTR_EQUAL = 2;
constexpr int CSTR_GREATER_THAN = 3;

constexpr DWORD ERROR_INVALID_FLAGS = 1004;

// Compares two texts of the given lengths (-1: up to their NUL). Case matters unless
// NORM_IGNORECASE is given (which folds ASCII letters and their full-width forms); with
// NORM_IGNOREWIDTH the full-width forms (U+FF01..U+FF5E, U+FFE0..U+FFE6), the ideographic space
// and the half-width katakana equal their ordinary forms. Texts that are not equal are ordered by
// the user's collation (LC_COLLATE), the locale identifier naming no other. Returns CSTR_* or 0
// on bad arguments (GetLastError tells which).
int CompareStringW(LCID locale, DWORD flags, LPCWSTR text1, int length1, LPCWSTR text2,
                   int length2);
