// Base of every control model: visibility, enabled state and the views that watch it.
// A control model holds what the behaviour needs (texts, values, rows, the layout sizes in
// twips the set-up gives); it never draws. A view subscribes and refreshes itself when told.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace cn3::ui {

class Control {
  public:
    using Observer = std::function<void()>;

    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    bool visible() const { return visible_; }
    void setVisible(bool on) {
        if (visible_ != on) {
            visible_ = on;
            notify();
        }
    }
    bool enabled() const { return enabled_; }
    void setEnabled(bool on) {
        if (enabled_ != on) {
            enabled_ = on;
            notify();
        }
    }

    // Views call this once; the observer runs after every change of the model.
    void observe(Observer observer) { observers_.push_back(std::move(observer)); }

  protected:
    void notify() const {
        for (const auto& o : observers_) o();
    }

  private:
    bool visible_ = true;
    bool enabled_ = true;
    std::vector<Observer> observers_;
};

}  // namespace cn3::ui
