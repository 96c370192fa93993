#include "platform/ole/Variant.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Counts its references; never frees itself.
struct CountedDispatch : IDispatch {
    int refs = 1;
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
};

VARIANT i4(LONG value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

} // namespace

TEST(Variant, ClearingReleasesWhatItOwnsExactlyOnce) {
    CountedDispatch object;
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_DISPATCH;
    v.pdispVal = &object;
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopy(&copy, &v), S_OK);
    EXPECT_EQ(object.refs, 2);
    EXPECT_EQ(VariantClear(&copy), S_OK);
    EXPECT_EQ(VariantClear(&copy), S_OK); // already empty: nothing more is released
    EXPECT_EQ(object.refs, 1);

    // A reference held by reference is not the variant's to release.
    IDispatch* held = &object;
    VARIANT byRef;
    VariantInit(&byRef);
    byRef.vt = VT_DISPATCH | VT_BYREF;
    byRef.ppdispVal = &held;
    VariantClear(&byRef);
    EXPECT_EQ(object.refs, 1);
    VariantClear(&v);
    EXPECT_EQ(object.refs, 0);
    EXPECT_EQ(v.vt, VT_EMPTY);

    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(u"owned"); // freed by the clear, or the leak checker complains
    VariantClear(&text);
    EXPECT_EQ(text.vt, VT_EMPTY);
}

TEST(Variant, ChangeTypeConvertsValuesThatFit) {
    VARIANT out;
    VariantInit(&out);
    VARIANT in = i4(42);
    ASSERT_EQ(VariantChangeType(&out, &in, 0, VT_UINT), S_OK);
    EXPECT_EQ(out.vt, VT_UINT);
    EXPECT_EQ(out.uintVal, 42u);

    in = i4(-1);
    EXPECT_EQ(VariantChangeType(&out, &in, 0, VT_UINT), DISP_E_OVERFLOW);
    EXPECT_EQ(out.vt, VT_UINT); // untouched by the failed conversion

    ASSERT_EQ(VariantChangeType(&out, &in, 0, VT_BSTR), S_OK);
    EXPECT_EQ(std::u16string(out.bstrVal), u"-1");
    ASSERT_EQ(VariantChangeType(&out, &out, 0, VT_I4), S_OK); // in place: the text is released
    EXPECT_EQ(out.vt, VT_I4);
    EXPECT_EQ(out.lVal, -1);

    VARIANT word;
    VariantInit(&word);
    word.vt = VT_BSTR;
    word.bstrVal = SysAllocString(u"twelve");
    EXPECT_EQ(VariantChangeType(&out, &word, 0, VT_I4), DISP_E_TYPEMISMATCH);
    VariantClear(&word);

    LONG referred = 7;
    VARIANT byRef;
    VariantInit(&byRef);
    byRef.vt = VT_I4 | VT_BYREF;
    byRef.plVal = &referred;
    ASSERT_EQ(VariantChangeType(&out, &byRef, 0, VT_UINT), S_OK);
    EXPECT_EQ(out.uintVal, 7u);

    in = i4(0);
    ASSERT_EQ(VariantChangeType(&out, &in, 0, VT_BOOL), S_OK);
    EXPECT_EQ(out.boolVal, VARIANT_FALSE);
}
