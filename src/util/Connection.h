#pragma once

#include <functional>
#include <utility>

namespace pwk {

// An event connection: while it lives, events reach the sink it was made for. Destroying or
// disconnecting it ends them. Move-only.
class Connection {
  public:
    Connection() = default;
    explicit Connection(std::function<void()> disconnect) : disconnect_(std::move(disconnect)) {}
    Connection(Connection&& other) noexcept : disconnect_(std::exchange(other.disconnect_, {})) {}
    Connection& operator=(Connection&& other) noexcept {
        if (this != &other) {
            Disconnect();
            disconnect_ = std::exchange(other.disconnect_, {});
        }
        return *this;
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection() { Disconnect(); }

    void Disconnect() {
        if (auto disconnect = std::exchange(disconnect_, {})) {
            disconnect();
        }
    }

  private:
    std::function<void()> disconnect_;
};

}  // namespace pwk
