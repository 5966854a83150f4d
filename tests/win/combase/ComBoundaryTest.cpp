// The boundary and its inverse: what a method that faces COM raises comes back to a caller
// through FailureOf/Check as the same number, text and source, through IDispatch::Invoke (an
// automation exception) and through a plain HRESULT.
#include <objbase.h>

#include <functional>
#include <new>
#include <stdexcept>

#include "tests/win/support/Check.h"
#include "win/automation/DispatchObject.h"
#include "win/combase/ComBoundary.h"
#include "win/combase/ComFailure.h"
#include "win/dispatch/PlainObject.h"

using pwk::Failure;
using pwk::win::ComPtr;
using pwk::win::DispatchCall;
using pwk::win::DispatchObject;
using pwk::win::Variant;

namespace {

const HRESULT apartment = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

constexpr std::int32_t kUnspecified = static_cast<std::int32_t>(E_FAIL);  // -2147467259
constexpr std::int32_t kNotFound = -2147221233;                           // 0x8004010F

using Caller = pwk::win::PlainObject<struct CallerKind>;

// An object whose member "Raise" runs `raise`, the way a script or the component calls it.
ComPtr<DispatchObject> Raising(std::function<void()> raise) {
    ComPtr<DispatchObject> object = DispatchObject::Make();
    object->Source("Wickline.RegSettings").Member("Raise", [raise](DispatchCall&) { raise(); });
    return object;
}

// What the caller of "Raise" reads back.
Failure CallFailure(const std::function<void()>& raise) {
    const auto object = Raising(raise);
    try {
        Caller(Variant(static_cast<IDispatch*>(object.Get()))).Call("Raise");
    } catch (const Failure& failure) {
        return failure;
    }
    return Failure(0, "no failure");
}

// What the caller of a plain HRESULT method reads back (Check).
Failure CheckFailure(const std::function<void()>& raise) {
    try {
        pwk::win::Check(pwk::win::Guarded(raise), "Advise");
    } catch (const Failure& failure) {
        return failure;
    }
    return Failure(0, "no failure");
}

void CheckSame(const Failure& read, std::int32_t number, const std::string& text,
               const std::string& source) {
    CHECK_EQ(read.Number, number);
    CHECK_EQ(read.Description, text);
    CHECK_EQ(read.Source, source);
}

TEST_CASE("through Invoke a classic number and a full HRESULT come back as themselves") {
    CheckSame(CallFailure([] { throw Failure(9, "Index out of range", "Items.Item"); }), 9,
              "Index out of range", "Items.Item");
    CheckSame(CallFailure([] { throw Failure(65535, "Last classic", "Host"); }), 65535,
              "Last classic", "Host");
    // The options page's hand-back failing under the host's unspecified failure: not 16389.
    CheckSame(CallFailure([] {
                  throw Failure(kUnspecified, "Unspecified error", "NameSpace.GetDefaultFolder");
              }),
              kUnspecified, "Unspecified error", "NameSpace.GetDefaultFolder");
    // An HRESULT of its own facility, and one that a bare return would read as a classic 7.
    CheckSame(CallFailure([] { throw Failure(kNotFound, "The operation failed.", "Host"); }),
              kNotFound, "The operation failed.", "Host");
    CHECK_EQ(CallFailure([] {
                 throw Failure(static_cast<std::int32_t>(E_OUTOFMEMORY), "Not enough memory");
             }).Number,
             static_cast<std::int32_t>(E_OUTOFMEMORY));
}

TEST_CASE("a failure that names no source is raised by the object; an empty text is the classic") {
    CheckSame(CallFailure([] { throw Failure(5, "Bad call"); }), 5, "Bad call",
              "Wickline.RegSettings");
    CheckSame(CallFailure([] { throw Failure(13, ""); }), 13, "Type mismatch",
              "Wickline.RegSettings");
}

TEST_CASE(
    "foreign exceptions: bad_alloc is 7, another exception 5 with its text, else E_UNEXPECTED") {
    CheckSame(CallFailure([] { throw std::bad_alloc(); }), 7, "Out of memory",
              "Wickline.RegSettings");
    CheckSame(CallFailure([] { throw std::runtime_error("map::at"); }), 5, "map::at",
              "Wickline.RegSettings");
    CHECK_EQ(CallFailure([] { throw 42; }).Number, static_cast<std::int32_t>(E_UNEXPECTED));
    CHECK_EQ(CheckFailure([] { throw std::bad_alloc(); }).Number, 7);
}

TEST_CASE("through a plain HRESULT the number comes back, the source is the caller's member") {
    CheckSame(CheckFailure([] { throw Failure(9, "Index out of range", "Items.Item"); }), 9,
              "Subscript out of range", "Advise");
    CHECK_EQ(CheckFailure([] { throw Failure(kUnspecified, "Unspecified error"); }).Number,
             kUnspecified);
    CHECK_EQ(CheckFailure([] { throw Failure(kNotFound, "x"); }).Number, kNotFound);
    // Numbers no HRESULT carries are an unspecified failure, never a success.
    CHECK_EQ(pwk::win::HResultOf(Failure(0, "")), E_FAIL);
    CHECK_EQ(pwk::win::HResultOf(Failure(65536, "")), E_FAIL);
    CHECK_EQ(pwk::win::Guarded([] { return S_FALSE; }), S_FALSE);
}

TEST_CASE("a caller without an EXCEPINFO gets the failure's HRESULT") {
    const auto object = Raising([] { throw Failure(kUnspecified, "Unspecified error"); });
    DISPID id = 0;
    wchar_t name[] = L"Raise";
    LPOLESTR names[] = {name};
    CHECK(SUCCEEDED(object->GetIDsOfNames(IID_NULL, names, 1, 0, &id)));
    DISPPARAMS none{};
    CHECK_EQ(object->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
             E_FAIL);
    const auto classic = Raising([] { throw Failure(91, "Object not set"); });
    CHECK_EQ(classic->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
             MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 91));
}

}  // namespace
