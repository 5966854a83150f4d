#pragma once

#include <oaidl.h>

#include <cstdint>
#include <string>

namespace pwk::bridge {

// What clients ask of the bridges in this process, for a benchmark that sets one client's
// calls beside another's: counts of every kind of call and of the bridges let go of, and an
// observer told of each.
class BridgeCalls {
  public:
    struct Counts {
        std::uint64_t Names = 0;    // names looked up (GetIDsOfNames, one per name)
        std::uint64_t Invokes = 0;  // member calls
        std::uint64_t Points = 0;   // connection points found
        std::uint64_t Gone = 0;     // bridges whose last reference went

        Counts& operator+=(const Counts& other) {
            Names += other.Names;
            Invokes += other.Invokes;
            Points += other.Points;
            Gone += other.Gone;
            return *this;
        }
        Counts operator-(const Counts& before) const {
            return {Names - before.Names, Invokes - before.Invokes, Points - before.Points,
                    Gone - before.Gone};
        }
    };

    // Told of each call after the bridge answered it.
    class Observer {
      public:
        virtual ~Observer() = default;
        virtual void Named(IDispatch* target, const std::string& name) = 0;
        virtual void Invoked(IDispatch* target, DISPID member, WORD flags, const DISPPARAMS& params,
                             const VARIANT* result, HRESULT answer) = 0;
        virtual void PointFound(IDispatch* target, REFIID iid) = 0;
        // A bridge went: the last reference to it was let go of. `identity` is the object's
        // IUnknown, as QueryInterface answered it while it lived.
        virtual void Gone(IUnknown* identity) = 0;
    };

    static BridgeCalls& Instance();

    const Counts& Counted() const { return counts_; }
    // At most one observer at a time; null for none.
    void Observe(Observer* observer) { observer_ = observer; }

    void Named(IDispatch* target, const std::string& name);
    void Invoked(IDispatch* target, DISPID member, WORD flags, const DISPPARAMS& params,
                 const VARIANT* result, HRESULT answer);
    void PointFound(IDispatch* target, REFIID iid);
    void Gone(IUnknown* identity);

  private:
    Counts counts_;
    Observer* observer_ = nullptr;
};

}  // namespace pwk::bridge
