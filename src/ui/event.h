// An event of a control: any number of listeners, called in the order they were connected.
// A listener connected while the event is being raised is called from the next raise on.
#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

namespace cn3::ui {

template <class... Args>
class Event {
  public:
    using Listener = std::function<void(Args...)>;

    void connect(Listener listener) { listeners_.push_back(std::move(listener)); }
    bool connected() const { return !listeners_.empty(); }

    void operator()(Args... args) const {
        const std::size_t count = listeners_.size();
        for (std::size_t i = 0; i < count; ++i) listeners_[i](args...);
    }

  private:
    std::vector<Listener> listeners_;
};

}  // namespace cn3::ui
