#pragma once

#include <ocidl.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "win/combase/ComPtr.h"
#include "win/combase/Variant.h"
#include "winharness/bridge/BridgeCalls.h"

namespace pwk::winbench {

// The host calls one client made through the bridges, recorded and then made again, and
// nothing else: the floor a component's start-up or send is measured against. Each object the
// recorded client met is one of three: given (the script's starting points, handed again to
// each replay in the same order), made (the answer of a recorded call, so the replay takes the
// answer of the same call) or held (an object the client already had; the replay uses the very
// same object, so it must still be alive then). Each name is looked up once per kind of object,
// as a client that keeps the numbers it got does; connection points found are advised with a
// sink that does nothing. A made object is let go of where the recorded client let go of it
// (its bridge went), so the host makes it again where the client asked for it again, as it
// did for the client; one the client still held at the end is kept until Release.
class CallScript final : public bridge::BridgeCalls::Observer {
  public:
    CallScript() = default;
    ~CallScript() override;
    CallScript(const CallScript&) = delete;
    CallScript& operator=(const CallScript&) = delete;

    // A starting point of the script (before Record).
    void Given(IDispatch* object);
    // Records every bridged call of this process until Stop.
    void Record();
    void Stop();

    // Makes the recorded calls again from `given`; the number of calls whose success differs
    // from the recorded call's. The objects made and the sinks advised stay until Release.
    std::size_t Replay(const std::vector<IDispatch*>& given);
    // Lets go of what the last replay kept (sinks unadvised).
    void Release();

    std::size_t Invokes() const { return invokes_; }
    std::size_t Names() const { return names_.size(); }
    std::size_t Points() const { return points_; }
    // Objects the recorded client had before the recording (held for the replay).
    std::size_t Held() const;
    // Arguments the script could not carry (by reference, arrays): a replay that is not exact.
    std::size_t Unsupported() const { return unsupported_; }

    void Named(IDispatch* target, const std::string& name) override;
    void Invoked(IDispatch* target, DISPID member, WORD flags, const DISPPARAMS& params,
                 const VARIANT* result, HRESULT answer) override;
    void PointFound(IDispatch* target, REFIID iid) override;
    void Gone(IUnknown* identity) override;

  private:
    enum class Kind { Name, Invoke, Advise, Release };
    struct Arg {
        int Object = -1;  // an object of the table, or else the value
        win::Variant Value;
    };
    struct Step {
        Kind What = Kind::Invoke;
        int Target = 0;
        std::wstring Name;
        DISPID Member = 0;
        WORD Flags = 0;
        std::vector<Arg> Args;  // as the call passed them: last argument first
        std::vector<DISPID> NamedArgs;
        bool WantsResult = false;
        bool Succeeded = true;
        int Made = -1;  // the object the call answered, when it was new
        IID Interface{};
    };
    struct Slot {
        int GivenAt = -1;             // the replay's given object of this position
        win::ComPtr<IDispatch> Held;  // the same object at every replay
        // Neither given nor held: the answer of a recorded call.
        bool Made() const { return GivenAt < 0 && !Held; }
        // An object that is no bridge is kept while recording, so that its identity stays
        // unique; a bridge's identity is forgotten when it goes (Gone).
        win::ComPtr<IUnknown> Recording;
    };

    int IndexOf(IDispatch* object, bool made);

    std::vector<Slot> slots_;
    std::map<IUnknown*, int> indexOf_;
    std::vector<Step> steps_;
    std::set<std::pair<std::string, std::string>> names_;  // kind and name, looked up once
    std::size_t invokes_ = 0;
    std::size_t points_ = 0;
    std::size_t unsupported_ = 0;
    int givenCount_ = 0;

    std::vector<win::ComPtr<IDispatch>> kept_;  // by slot: the made objects the replay holds
    std::vector<std::pair<win::ComPtr<IConnectionPoint>, DWORD>> advised_;
};

}  // namespace pwk::winbench
