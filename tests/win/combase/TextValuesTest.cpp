// Texts and values across the boundary: UTF-8 to UTF-16 and back whether a text is plain ASCII
// (copied as it is) or not (converted by the system), straight into a BSTR, and a value read
// the same whether it already has the type asked for or must be converted.
#include <string>

#include "tests/win/support/Check.h"
#include "win/combase/Bstr.h"
#include "win/combase/Variant.h"
#include "win/combase/WideText.h"

using pwk::win::Bstr;
using pwk::win::Narrow;
using pwk::win::Variant;
using pwk::win::Widen;

namespace {

// ASCII, two- and three-byte characters, and one outside the basic plane (a surrogate pair).
const std::string kMixed = "Re: caf\xc3\xa9 \xe2\x80\x93 \xf0\x9f\x93\x9e";
const std::wstring kMixedWide = L"Re: caf\u00e9 \u2013 \U0001F4DE";

TEST_CASE("texts convert both ways, ASCII or not, and into a BSTR of the right length") {
    for (const std::string& text : {std::string(), std::string("[Email1Address] = \"a@b.c\""),
                                    kMixed, std::string("\x7f~")}) {
        CHECK(Narrow(Widen(text)) == text);
        const Bstr bstr(text);
        CHECK(!bstr.IsNull());
        CHECK(SysStringLen(bstr.Get()) == Widen(text).size());
        CHECK(bstr.ToString() == text);
    }
    CHECK(Widen(kMixed) == kMixedWide);
    CHECK(Narrow(kMixedWide) == kMixed);
    CHECK(Widen("abc") == L"abc");
    CHECK(Narrow(L"\u00e9t\u00e9") == "\xc3\xa9t\xc3\xa9");
    CHECK(Narrow(nullptr, 0).empty());
    // Texts are checked for ASCII a block at a time: a character outside it is found wherever
    // it stands, within a block or after the last whole one.
    for (std::size_t at = 0; at <= 20; ++at) {
        std::string text(20, 'a');
        std::wstring wide(20, L'a');
        text.insert(at, "\xc3\xa9");
        wide.insert(at, L"\u00e9");
        CHECK(Widen(text) == wide);
        CHECK(Narrow(wide) == text);
    }
}

TEST_CASE("a value of the type asked for reads as the converted one would") {
    CHECK(Variant(kMixed).ToString() == kMixed);
    CHECK(Variant(std::string()).ToString().empty());
    CHECK(Variant(42).ToString() == "42");
    CHECK(Variant(42).ToInt32() == 42);
    CHECK(Variant("42").ToInt32() == 42);
    CHECK(Variant(true).ToBool() && !Variant(false).ToBool());
    CHECK(Variant(1).ToBool() && !Variant(0).ToBool());
    // Through a reference to a VARIANT, as an event's arguments come.
    Variant inner(kMixed);
    Variant outer;
    outer.Get()->vt = VT_BYREF | VT_VARIANT;
    outer.Get()->pvarVal = inner.Get();
    CHECK(outer.ToString() == kMixed);
    outer.Get()->vt = VT_EMPTY;  // borrowed: not cleared with `outer`
    // A BSTR that is null is the empty text.
    Variant null;
    null.Get()->vt = VT_BSTR;
    null.Get()->bstrVal = nullptr;
    CHECK(null.ToString().empty());
}

}  // namespace
