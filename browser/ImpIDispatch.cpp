#include "browser/ImpIDispatch.h"

#include "windows/LoginActiveDlg.h"

#include "platform/kernel/CompareString.h"
#include "platform/ole/Variant.h"

namespace {

constexpr int kMatchedLength = 3;

// Whether the name begins with the first three characters of the known name, compared as the
// caller's locale does while ignoring character width. A name shorter than three characters is
// compared with its own length, so nothing is read past its end and it matches nothing.
bool BeginsLike(const OLECHAR* known, const OLECHAR* name, LCID locale) {
    int length = 0;
    while (length < kMatchedLength && name[length])
        ++length;
    return CompareStringW(locale, NORM_IGNOREWIDTH, known, kMatchedLength, name, length) ==
           CSTR_EQUAL;
}

// The text of the call's last argument, or null when there is none or it is not a text.
const BSTR* LastTextArgument(const DISPPARAMS* params) {
    if (!params || params->cArgs == 0 || !params->rgvarg)
        return nullptr;
    const VARIANT& last = params->rgvarg[0];
    if (last.vt == VT_BSTR)
        return &last.bstrVal;
    if (last.vt == (VT_BSTR | VT_BYREF) && last.pbstrVal)
        return last.pbstrVal;
    return nullptr;
}

} // namespace

HRESULT CImpIDispatch::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (iid == IID_IDispatch) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

ULONG CImpIDispatch::AddRef() {
    return static_cast<ULONG>(++m_cRef);
}

ULONG CImpIDispatch::Release() {
    return static_cast<ULONG>(--m_cRef);
}

HRESULT CImpIDispatch::GetTypeInfoCount(UINT* /*count*/) {
    return E_NOTIMPL;
}

HRESULT CImpIDispatch::GetTypeInfo(UINT /*index*/, LCID /*locale*/, ITypeInfo** /*typeInfo*/) {
    return E_NOTIMPL;
}

HRESULT CImpIDispatch::GetIDsOfNames(REFIID /*iid*/, LPOLESTR* names, UINT count, LCID locale,
                                     DISPID* ids) {
    if (count > 0 && (!names || !ids))
        return E_INVALIDARG;
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
        const OLECHAR* name = names[i] ? names[i] : u"";
        if (BeginsLike(u"xxyyzz", name, locale)) {
            ids[i] = DISPID_XXYYZZ;
        } else if (BeginsLike(u"AppLogin", name, locale)) {
            ids[i] = DISPID_APPLOGIN;
        } else {
            ids[i] = DISPID_UNKNOWN;
            result = DISP_E_UNKNOWNNAME;
        }
    }
    return result;
}

HRESULT CImpIDispatch::Invoke(DISPID id, REFIID /*iid*/, LCID /*locale*/, WORD flags,
                              DISPPARAMS* params, VARIANT* result, EXCEPINFO* /*exception*/,
                              UINT* /*argumentError*/) {
    if (id == DISPID_XXYYZZ) {
        if ((flags & DISPATCH_PROPERTYGET) && result) {
            BSTR text = SysAllocString(u"Wibble");
            VariantInit(result);
            result->vt = VT_BSTR;
            result->bstrVal = text;
        }
    } else if (id == DISPID_APPLOGIN && (flags & DISPATCH_METHOD)) {
        // A call without a text argument is no login result; it is dropped.
        if (const BSTR* text = LastTextArgument(params); text && m_pActiveDlg)
            m_pActiveDlg->OnAppLogin(CString(*text ? *text : u""));
    }
    return S_OK;
}
