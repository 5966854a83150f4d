#include "winharness/bench/CallScript.h"

#include "winharness/bench/NullSink.h"
#include "winharness/bridge/BridgeKind.h"
#include "winharness/bridge/HostDispatch.h"

namespace pwk::winbench {

namespace {

// The kind of a bridged object by its name ("" for an object that is no bridge).
std::string KindOf(IDispatch* object) {
    const auto host = bridge::HostDispatch::ObjectOf(object);
    return host ? bridge::BridgeKind::Of(*host).Name : std::string();
}

void ClearException(EXCEPINFO& exception) {
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
}

}  // namespace

CallScript::~CallScript() {
    Stop();
    Release();
}

void CallScript::Given(IDispatch* object) {
    const int index = IndexOf(object, false);
    slots_[static_cast<std::size_t>(index)].Held.Reset();
    slots_[static_cast<std::size_t>(index)].GivenAt = givenCount_++;
}

void CallScript::Record() {
    bridge::BridgeCalls::Instance().Observe(this);
}

void CallScript::Stop() {
    bridge::BridgeCalls::Instance().Observe(nullptr);
    // The identities need no longer stay unique: nothing more is recorded.
    for (Slot& slot : slots_) {
        slot.Recording.Reset();
    }
    indexOf_.clear();
}

int CallScript::IndexOf(IDispatch* object, bool made) {
    auto identity = win::ComPtr<IDispatch>(object).As<IUnknown>();
    const auto found = indexOf_.find(identity.Get());
    if (found != indexOf_.end()) {
        return found->second;
    }
    Slot slot;
    if (!made) {
        slot.Held = win::ComPtr<IDispatch>(object);
    }
    const int index = static_cast<int>(slots_.size());
    indexOf_.emplace(identity.Get(), index);
    if (!bridge::HostDispatch::ObjectOf(object)) {
        slot.Recording = std::move(identity);
    }
    slots_.push_back(std::move(slot));
    return index;
}

std::size_t CallScript::Held() const {
    std::size_t held = 0;
    for (const Slot& slot : slots_) {
        held += slot.Held ? 1 : 0;
    }
    return held;
}

void CallScript::Named(IDispatch* target, const std::string& name) {
    // A client that keeps the numbers it was given asks once per kind of object.
    if (!names_.emplace(KindOf(target), name).second) {
        return;
    }
    Step step;
    step.What = Kind::Name;
    step.Target = IndexOf(target, false);
    step.Name = std::wstring(name.begin(), name.end());
    steps_.push_back(std::move(step));
}

void CallScript::Invoked(IDispatch* target, DISPID member, WORD flags, const DISPPARAMS& params,
                         const VARIANT* result, HRESULT answer) {
    ++invokes_;
    Step step;
    step.Target = IndexOf(target, false);
    step.Member = member;
    step.Flags = flags;
    for (UINT i = 0; i < params.cArgs; ++i) {
        const VARIANT& arg = params.rgvarg[i];
        Arg copied;
        if (V_VT(&arg) == VT_DISPATCH && V_DISPATCH(&arg) != nullptr) {
            copied.Object = IndexOf(V_DISPATCH(&arg), false);
        } else if ((V_VT(&arg) & (VT_BYREF | VT_ARRAY)) != 0) {
            ++unsupported_;
        } else {
            VariantCopy(copied.Value.Get(), const_cast<VARIANT*>(&arg));
        }
        step.Args.push_back(std::move(copied));
    }
    step.NamedArgs.assign(params.rgdispidNamedArgs, params.rgdispidNamedArgs + params.cNamedArgs);
    step.WantsResult = result != nullptr;
    step.Succeeded = SUCCEEDED(answer);
    if (result != nullptr && V_VT(result) == VT_DISPATCH && V_DISPATCH(result) != nullptr) {
        const std::size_t before = slots_.size();
        const int index = IndexOf(V_DISPATCH(result), true);
        if (slots_.size() > before) {
            step.Made = index;
        }
    }
    steps_.push_back(std::move(step));
}

void CallScript::PointFound(IDispatch* target, REFIID iid) {
    ++points_;
    Step step;
    step.What = Kind::Advise;
    step.Target = IndexOf(target, false);
    step.Interface = iid;
    steps_.push_back(std::move(step));
}

void CallScript::Gone(IUnknown* identity) {
    const auto found = indexOf_.find(identity);
    if (found == indexOf_.end()) {
        return;
    }
    const int index = found->second;
    // A new object may come to live at the same address: it is another object.
    indexOf_.erase(found);
    if (slots_[static_cast<std::size_t>(index)].Made()) {
        Step step;
        step.What = Kind::Release;
        step.Target = index;
        steps_.push_back(std::move(step));
    }
}

std::size_t CallScript::Replay(const std::vector<IDispatch*>& given) {
    std::vector<IDispatch*> live(slots_.size());
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const Slot& slot = slots_[i];
        live[i] =
            slot.GivenAt >= 0 ? given.at(static_cast<std::size_t>(slot.GivenAt)) : slot.Held.Get();
    }
    kept_.clear();
    kept_.resize(slots_.size());
    std::size_t differing = 0;
    std::vector<VARIANT> args;
    for (Step& step : steps_) {
        if (step.What == Kind::Release) {
            live[static_cast<std::size_t>(step.Target)] = nullptr;
            kept_[static_cast<std::size_t>(step.Target)].Reset();
            continue;
        }
        IDispatch* target = live[static_cast<std::size_t>(step.Target)];
        if (target == nullptr) {
            ++differing;
            continue;
        }
        if (step.What == Kind::Name) {
            LPOLESTR names[] = {step.Name.data()};
            DISPID id = DISPID_UNKNOWN;
            target->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
            continue;
        }
        if (step.What == Kind::Advise) {
            win::ComPtr<IConnectionPoint> point;
            const auto container = win::ComPtr<IDispatch>(target).As<IConnectionPointContainer>();
            DWORD cookie = 0;
            if (!container || FAILED(container->FindConnectionPoint(step.Interface, point.Out())) ||
                FAILED(point->Advise(win::MakeCom<NullSink>(step.Interface).Get(), &cookie))) {
                ++differing;
                continue;
            }
            advised_.emplace_back(std::move(point), cookie);
            continue;
        }
        args.clear();
        for (const Arg& arg : step.Args) {
            VARIANT value = *arg.Value.Get();  // borrowed: the script keeps it
            if (arg.Object >= 0) {
                VariantInit(&value);
                V_VT(&value) = VT_DISPATCH;
                V_DISPATCH(&value) = live[static_cast<std::size_t>(arg.Object)];
            }
            args.push_back(value);
        }
        DISPPARAMS params{args.data(), step.NamedArgs.data(), static_cast<UINT>(args.size()),
                          static_cast<UINT>(step.NamedArgs.size())};
        win::Variant result;
        EXCEPINFO exception{};
        UINT argError = 0;
        const HRESULT answer =
            target->Invoke(step.Member, IID_NULL, LOCALE_USER_DEFAULT, step.Flags, &params,
                           step.WantsResult ? result.Get() : nullptr, &exception, &argError);
        ClearException(exception);
        if (SUCCEEDED(answer) != step.Succeeded) {
            ++differing;
        }
        if (step.Made >= 0) {
            IDispatch* made = result.ToDispatch();
            live[static_cast<std::size_t>(step.Made)] = made;
            kept_[static_cast<std::size_t>(step.Made)] = win::ComPtr<IDispatch>(made);
        }
    }
    return differing;
}

void CallScript::Release() {
    for (auto& [point, cookie] : advised_) {
        point->Unadvise(cookie);
    }
    advised_.clear();
    kept_.clear();
}

}  // namespace pwk::winbench
