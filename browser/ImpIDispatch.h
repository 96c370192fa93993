#pragma once

#include "platform/ole/Unknown.h"

class CLoginActiveDlg;

// The object the login page's scripts see as window.external. It answers two names, matched on
// their first three characters: the read-only property xxyyzz ("Wibble") and the method
// AppLogin, whose one text argument goes to the attached overlay's OnAppLogin. Its reference
// count is bookkeeping only: the application object deletes it.
class CImpIDispatch : public IDispatch {
public:
    static constexpr DISPID DISPID_XXYYZZ = 12345;
    static constexpr DISPID DISPID_APPLOGIN = 10001;

    CImpIDispatch() = default;
    virtual ~CImpIDispatch() = default;
    CImpIDispatch(const CImpIDispatch&) = delete;
    CImpIDispatch& operator=(const CImpIDispatch&) = delete;

    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetTypeInfoCount(UINT* count) override;
    HRESULT GetTypeInfo(UINT index, LCID locale, ITypeInfo** typeInfo) override;
    HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                          DISPID* ids) override;
    HRESULT Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                   VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

    LONG m_cRef = 0;
    // The overlay that receives AppLogin; not owned.
    CLoginActiveDlg* m_pActiveDlg = nullptr;
};
