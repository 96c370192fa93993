#include "platform/ole/Variant.h"

#include "platform/base/Utf16.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace {

// A value of one of the numeric types (booleans included) widened to double; nothing for others.
std::optional<double> numericValue(const VARIANT& v) {
    switch (v.vt) {
    case VT_I1:
        return v.cVal;
    case VT_UI1:
        return v.bVal;
    case VT_I2:
        return v.iVal;
    case VT_UI2:
        return v.uiVal;
    case VT_I4:
        return v.lVal;
    case VT_UI4:
        return v.ulVal;
    case VT_INT:
        return v.intVal;
    case VT_UINT:
        return v.uintVal;
    case VT_R8:
        return v.dblVal;
    case VT_BOOL:
        return v.boolVal ? -1.0 : 0.0;
    default:
        return std::nullopt;
    }
}

std::optional<double> parseNumber(BSTR text) {
    const std::string narrow =
        platform::utf16ToUtf8(std::u16string_view(text ? text : u"", SysStringLen(text)));
    const auto begin = narrow.find_first_not_of(" \t");
    const auto end = narrow.find_last_not_of(" \t");
    if (begin == std::string::npos)
        return std::nullopt;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(narrow.data() + begin, narrow.data() + end + 1, value);
    if (ec != std::errc() || ptr != narrow.data() + end + 1)
        return std::nullopt;
    return value;
}

template <class T> bool fits(double value) {
    return std::isfinite(value) && value >= static_cast<double>(std::numeric_limits<T>::lowest()) &&
           value <= static_cast<double>(std::numeric_limits<T>::max());
}

// Integers round half to even, as the platform's conversions do.
template <class T> HRESULT toInteger(double value, T& out) {
    const double rounded = std::nearbyint(value);
    if (!fits<T>(rounded))
        return DISP_E_OVERFLOW;
    out = static_cast<T>(rounded);
    return S_OK;
}

BSTR numberText(const VARIANT& v, double value) {
    std::string text;
    if (v.vt == VT_BOOL) {
        text = v.boolVal ? "True" : "False";
    } else if (v.vt == VT_R8) {
        char buffer[32];
        const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
        text.assign(buffer, ec == std::errc() ? ptr : buffer);
    } else {
        text = std::to_string(static_cast<long long>(value));
    }
    const std::u16string wide = platform::utf8ToUtf16(text);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

} // namespace

void VariantInit(VARIANTARG* variant) {
    if (!variant)
        return;
    variant->vt = VT_EMPTY;
    variant->wReserved1 = variant->wReserved2 = variant->wReserved3 = 0;
}

HRESULT VariantClear(VARIANTARG* variant) {
    if (!variant)
        return E_INVALIDARG;
    if (!(variant->vt & VT_BYREF)) {
        switch (variant->vt) {
        case VT_BSTR:
            SysFreeString(variant->bstrVal);
            break;
        case VT_DISPATCH:
            if (variant->pdispVal)
                variant->pdispVal->Release();
            break;
        case VT_UNKNOWN:
            if (variant->punkVal)
                variant->punkVal->Release();
            break;
        default:
            break;
        }
    }
    variant->vt = VT_EMPTY;
    variant->byref = nullptr;
    return S_OK;
}

HRESULT VariantCopy(VARIANTARG* dest, const VARIANTARG* source) {
    if (!dest || !source)
        return E_INVALIDARG;
    if (dest == source)
        return S_OK;
    VARIANT copy = *source;
    if (!(source->vt & VT_BYREF)) {
        if (source->vt == VT_BSTR && source->bstrVal) {
            copy.bstrVal = SysAllocStringLen(source->bstrVal, SysStringLen(source->bstrVal));
            if (!copy.bstrVal)
                return E_OUTOFMEMORY;
        } else if ((source->vt == VT_DISPATCH || source->vt == VT_UNKNOWN) && source->punkVal) {
            source->punkVal->AddRef();
        }
    }
    VariantClear(dest);
    *dest = copy;
    return S_OK;
}

HRESULT VariantChangeType(VARIANTARG* dest, const VARIANTARG* source, unsigned short /*flags*/,
                          VARTYPE type) {
    if (!dest || !source)
        return E_INVALIDARG;
    VARIANT value;
    VariantInit(&value);
    // A value held by reference converts as the value it refers to.
    VARIANT plain = *source;
    if (source->vt & VT_BYREF) {
        if (!source->byref)
            return E_INVALIDARG;
        plain.vt = source->vt & ~VT_BYREF;
        switch (plain.vt) {
        case VT_I4:
            plain.lVal = *source->plVal;
            break;
        case VT_INT:
            plain.intVal = *source->pintVal;
            break;
        case VT_UINT:
            plain.uintVal = *source->puintVal;
            break;
        case VT_BOOL:
            plain.boolVal = *source->pboolVal;
            break;
        case VT_R8:
            plain.dblVal = *source->pdblVal;
            break;
        case VT_BSTR:
            plain.bstrVal = *source->pbstrVal;
            break;
        case VT_VARIANT:
            return VariantChangeType(dest, source->pvarVal, 0, type);
        default:
            return DISP_E_BADVARTYPE;
        }
    }
    if (plain.vt == type)
        return VariantCopy(dest, &plain);

    std::optional<double> number = numericValue(plain);
    if (!number && plain.vt == VT_BSTR) {
        if (type == VT_BOOL) {
            const std::u16string_view text(plain.bstrVal ? plain.bstrVal : u"",
                                           SysStringLen(plain.bstrVal));
            if (text == u"True" || text == u"true")
                number = -1;
            else if (text == u"False" || text == u"false")
                number = 0;
        }
        if (!number)
            number = parseNumber(plain.bstrVal);
        if (!number)
            return DISP_E_TYPEMISMATCH;
    }
    if (!number && plain.vt == VT_EMPTY)
        number = 0;
    if (!number)
        return DISP_E_TYPEMISMATCH;

    HRESULT hr = S_OK;
    value.vt = type;
    switch (type) {
    case VT_I1:
        hr = toInteger(*number, value.cVal);
        break;
    case VT_UI1:
        hr = toInteger(*number, value.bVal);
        break;
    case VT_I2:
        hr = toInteger(*number, value.iVal);
        break;
    case VT_UI2:
        hr = toInteger(*number, value.uiVal);
        break;
    case VT_I4:
        hr = toInteger(*number, value.lVal);
        break;
    case VT_UI4:
        hr = toInteger(*number, value.ulVal);
        break;
    case VT_INT:
        hr = toInteger(*number, value.intVal);
        break;
    case VT_UINT:
        hr = toInteger(*number, value.uintVal);
        break;
    case VT_R8:
        value.dblVal = *number;
        break;
    case VT_BOOL:
        value.boolVal = *number != 0 ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    case VT_BSTR:
        value.bstrVal = plain.vt == VT_EMPTY ? SysAllocString(u"") : numberText(plain, *number);
        if (!value.bstrVal)
            hr = E_OUTOFMEMORY;
        break;
    default:
        hr = DISP_E_TYPEMISMATCH;
        break;
    }
    if (FAILED(hr))
        return hr;
    VariantClear(dest);
    *dest = value;
    return S_OK;
}
