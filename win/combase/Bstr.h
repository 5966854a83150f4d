#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

namespace pwk::win {

// Owns one BSTR: freed when the owner goes. Texts are UTF-8 outside, UTF-16 inside.
class Bstr {
  public:
    Bstr() = default;
    explicit Bstr(std::string_view text);
    Bstr(Bstr&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
    Bstr& operator=(Bstr other) noexcept {
        std::swap(text_, other.text_);
        return *this;
    }
    Bstr(const Bstr&) = delete;
    ~Bstr() { SysFreeString(text_); }

    // Adopts a BSTR the caller owns (a field of an EXCEPINFO, an out-parameter's).
    static Bstr Attach(BSTR text) {
        Bstr owned;
        owned.text_ = text;
        return owned;
    }
    // Hands the text over to the caller (into a VARIANT, an EXCEPINFO), leaving the owner empty.
    BSTR Detach() { return std::exchange(text_, nullptr); }

    BSTR Get() const { return text_; }
    bool IsNull() const { return text_ == nullptr; }
    std::string ToString() const;

  private:
    BSTR text_ = nullptr;
};

}  // namespace pwk::win
