#include "win/optionspage/OptionsPageObject.h"

#include "win/combase/Bstr.h"
#include "win/combase/ComBoundary.h"
#include "win/optionspage/PageBinding.h"
#include "win/optionspage/PageMembers.h"
#include "win/optionspage/PageWindow.h"

namespace pwk::win {

OptionsPageObject::OptionsPageObject(Component& component, const CLSID& clsid)
    : clsid_(clsid),
      binding_(std::make_shared<PageBinding>(component)),
      members_(MakePageMembers(binding_)),
      window_(std::make_unique<PageWindow>(binding_)) {
    binding_->WhenChanged([this] { Changed(); });
}

OptionsPageObject::~OptionsPageObject() {
    binding_->WhenChanged(nullptr);
    window_->Destroy();
    binding_->Unbind();
}

void* OptionsPageObject::InterfaceOf(REFIID iid) {
    if (IsEqualIID(iid, IID_IPersist)) {
        return static_cast<IPersistStreamInit*>(this);
    }
    if (IsEqualIID(iid, IID_IOleWindow)) {
        return static_cast<IOleInPlaceObject*>(this);
    }
    if (IsEqualIID(iid, IID_IViewObject)) {
        return static_cast<IViewObject2*>(this);
    }
    return Listed(iid);
}

void OptionsPageObject::Changed() {
    window_->Refresh();
    if (const auto site = PageSite()) {
        site->OnStatusChange();
    }
}

ComPtr<HostPropertyPageSite> OptionsPageObject::PageSite() const {
    if (!clientSite_) {
        return {};
    }
    ComPtr<IOleContainer> container;
    if (SUCCEEDED(clientSite_->GetContainer(container.Out())) && container) {
        if (auto site = container.As<HostPropertyPageSite>()) {
            return site;
        }
    }
    return clientSite_.As<HostPropertyPageSite>();
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
    Guarded([&] {
        if (!binding_->Edit([](OptionsPageModel& model) { return model.Apply(); }) &&
            binding_->Model() != nullptr) {
            window_->Tell(binding_->Message());
        }
    });
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
