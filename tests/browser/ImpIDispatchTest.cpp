#include "browser/ImpIDispatch.h"

#include "tests/browser/RecordingOverlay.h"

#include "platform/ole/Variant.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr LCID kLocale = 0x0804;

DISPID idOf(CImpIDispatch& bridge, const char16_t* name) {
    std::u16string copy(name);
    LPOLESTR names[] = {copy.data()};
    DISPID id = 0;
    bridge.GetIDsOfNames(IID_IDispatch, names, 1, kLocale, &id);
    return id;
}

// A call as a page's script makes it, with the arguments in the order the script wrote them.
struct Call {
    std::vector<VARIANT> args; // reversed into DISPPARAMS order by invoke()
    ~Call() {
        for (auto& a : args)
            VariantClear(&a);
    }
    Call& text(const char16_t* value, UINT length) {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_BSTR;
        v.bstrVal = SysAllocStringLen(value, length);
        args.push_back(v);
        return *this;
    }
    Call& text(std::u16string_view value) {
        return text(value.data(), static_cast<UINT>(value.size()));
    }
    Call& number(LONG value) {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_I4;
        v.lVal = value;
        args.push_back(v);
        return *this;
    }
    HRESULT invoke(CImpIDispatch& bridge, DISPID id, WORD flags, VARIANT* result) {
        std::vector<VARIANT> reversed(args.rbegin(), args.rend());
        DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        return bridge.Invoke(id, IID_IDispatch, kLocale, flags, &params, result, nullptr, nullptr);
    }
};

class ScriptBridge : public ::testing::Test {
protected:
    void SetUp() override { bridge.m_pActiveDlg = &overlay; }
    CRecordingOverlay overlay;
    CImpIDispatch bridge;
};

} // namespace

TEST_F(ScriptBridge, NamesAreMatchedOnTheirFirstThreeCharacters) {
    const struct {
        const char16_t* name;
        DISPID id;
    } cases[] = {
        {u"AppLogin", 10001},
        {u"App", 10001},
        {u"Apple", 10001},
        {u"AppLogout", 10001},
        {u"\uFF21pp", 10001}, // full-width Ａ
        {u"appLogin", -1},
        {u"APPLOGIN", -1},
        {u"Ap", -1},
        {u"A", -1},
        {u"", -1},
        {u"xxyyzz", 12345},
        {u"xxy", 12345},
        {u"xxyz", 12345},
        {u"xx", -1},
        {u"XXYYZZ", -1},
        {u"external", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.name)));
        EXPECT_EQ(idOf(bridge, c.name), c.id);
    }
}

TEST_F(ScriptBridge, MixedCallFillsInTheKnownNamesAndReportsTheUnknown) {
    std::u16string a = u"AppLogin", b = u"foo", c = u"xxyyzz";
    LPOLESTR names[] = {a.data(), b.data(), c.data()};
    DISPID ids[3] = {0, 0, 0};
    EXPECT_EQ(bridge.GetIDsOfNames(IID_IDispatch, names, 3, kLocale, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], 10001);
    EXPECT_EQ(ids[1], -1);
    EXPECT_EQ(ids[2], 12345);
    EXPECT_EQ(bridge.GetIDsOfNames(IID_IDispatch, nullptr, 0, kLocale, nullptr), S_OK);
}

TEST_F(ScriptBridge, OffersOnlyIDispatchAndKeepsCountingBelowZero) {
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(bridge.QueryInterface(IID_IUnknown, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(bridge.QueryInterface(IID_IDispatch, &object), S_OK);
    EXPECT_EQ(object, static_cast<IDispatch*>(&bridge));
    EXPECT_EQ(bridge.m_cRef, 1);

    UINT count = 77;
    EXPECT_EQ(bridge.GetTypeInfoCount(&count), E_NOTIMPL);
    EXPECT_EQ(count, 77u);

    EXPECT_EQ(bridge.Release(), 0u);
    bridge.Release();
    bridge.Release();
    EXPECT_EQ(bridge.m_cRef, -2);
    // Still alive and answering.
    EXPECT_EQ(idOf(bridge, u"AppLogin"), 10001);
}

TEST_F(ScriptBridge, PropertyReadGivesWibbleAndNothingElseHasAnEffect) {
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(Call().invoke(bridge, 12345, DISPATCH_PROPERTYGET, &result), S_OK);
    ASSERT_EQ(result.vt, VT_BSTR);
    EXPECT_EQ(std::u16string(result.bstrVal), u"Wibble");
    VariantClear(&result);

    // The property called as a method, the method read as a property, an unknown identifier.
    EXPECT_EQ(Call().invoke(bridge, 12345, DISPATCH_METHOD, &result), S_OK);
    EXPECT_EQ(Call().text(u"{}").invoke(bridge, 10001, DISPATCH_PROPERTYGET, &result), S_OK);
    EXPECT_EQ(Call().text(u"{}").invoke(bridge, 999, DISPATCH_METHOD, &result), S_OK);
    EXPECT_EQ(Call().invoke(bridge, 12345, DISPATCH_PROPERTYGET, nullptr), S_OK);
    EXPECT_EQ(result.vt, VT_EMPTY);
    EXPECT_TRUE(overlay.received.empty());
}

TEST_F(ScriptBridge, AppLoginHandsTheLastTextArgumentToTheOverlay) {
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(Call().text(u"{\"uid\":\"1\"}").invoke(bridge, 10001, DISPATCH_METHOD, &result),
              S_OK);
    EXPECT_EQ(Call().text(u"").invoke(bridge, 10001, DISPATCH_METHOD, &result), S_OK);
    EXPECT_EQ(Call().text(u"before\0after", 12).invoke(bridge, 10001, DISPATCH_METHOD, &result),
              S_OK);
    EXPECT_EQ(Call().text(u"first").text(u"second").invoke(bridge, 10001, DISPATCH_METHOD, &result),
              S_OK);
    EXPECT_EQ(result.vt, VT_EMPTY); // the script sees no return value
    EXPECT_EQ(overlay.received,
              (std::vector<std::u16string>{u"{\"uid\":\"1\"}", u"", u"before", u"second"}));
}

TEST_F(ScriptBridge, AppLoginWithoutATextOrWithoutAnOverlayIsDropped) {
    EXPECT_EQ(Call().invoke(bridge, 10001, DISPATCH_METHOD, nullptr), S_OK);
    EXPECT_EQ(Call().number(5).invoke(bridge, 10001, DISPATCH_METHOD, nullptr), S_OK);
    EXPECT_EQ(Call().text(u"x").number(5).invoke(bridge, 10001, DISPATCH_METHOD, nullptr), S_OK);
    EXPECT_EQ(bridge.Invoke(10001, IID_IDispatch, kLocale, DISPATCH_METHOD, nullptr, nullptr,
                            nullptr, nullptr),
              S_OK);
    bridge.m_pActiveDlg = nullptr;
    EXPECT_EQ(Call().text(u"{}").invoke(bridge, 10001, DISPATCH_METHOD, nullptr), S_OK);
    EXPECT_TRUE(overlay.received.empty());
}
