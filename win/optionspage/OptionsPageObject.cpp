#include "win/optionspage/OptionsPageObject.h"

#include "win/combase/Bstr.h"
#include "win/combase/ComBoundary.h"
#include "win/optionspage/PageBinding.h"
#include "win/optionspage/PageMembers.h"

namespace pwk::win {

OptionsPageObject::OptionsPageObject(Component& component, const CLSID& clsid)
    : clsid_(clsid),
      binding_(std::make_shared<PageBinding>(component)),
      members_(MakePageMembers(binding_)) {}

OptionsPageObject::~OptionsPageObject() {
    binding_->Unbind();
}

void* OptionsPageObject::InterfaceOf(REFIID iid) {
    if (IsEqualIID(iid, IID_IPersist)) {
        return static_cast<IPersistStreamInit*>(this);
    }
    return Listed(iid);
}

HRESULT OptionsPageObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                         DISPID* ids) {
    return members_->GetIDsOfNames(iid, names, count, locale, ids);
}

HRESULT OptionsPageObject::Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                  DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                  UINT* argError) {
    return members_->Invoke(member, iid, locale, flags, params, result, exception, argError);
}

HRESULT OptionsPageObject::GetPageInfo(BSTR* helpFile, long* helpContext) {
    return Guarded([&] {
        if (helpFile != nullptr) {
            SysFreeString(*helpFile);
            *helpFile = Bstr(binding_->HelpFile()).Detach();
        }
        if (helpContext != nullptr) {
            *helpContext = 0;
        }
    });
}

HRESULT OptionsPageObject::get_Dirty(VARIANT_BOOL* dirty) {
    if (dirty == nullptr) {
        return E_POINTER;
    }
    *dirty =
        binding_->Model() != nullptr && binding_->Model()->Dirty() ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT OptionsPageObject::Apply() {
    Guarded([&] { binding_->Edit([](OptionsPageModel& model) { return model.Apply(); }); });
    return S_OK;
}

HRESULT OptionsPageObject::GetClassID(CLSID* clsid) {
    if (clsid == nullptr) {
        return E_POINTER;
    }
    *clsid = clsid_;
    return S_OK;
}

HRESULT OptionsPageObject::GetSizeMax(ULARGE_INTEGER* size) {
    if (size == nullptr) {
        return E_POINTER;
    }
    size->QuadPart = 0;
    return S_OK;
}

}  // namespace pwk::win
