// The simple control models: labels, text fields, buttons, check boxes, option groups,
// tab strips, the scroll bar, list boxes and frames.
//
// As in a real toolkit, setting a value that the user could also change fires the control's
// change or click event (the scroll bar's change event follows a change made by the program
// too). Events take any number of listeners; the app layer connects them to operations.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/control.h"
#include "ui/event.h"

namespace cn3::ui {

// A caption; `click` is raised by the view when the user clicks it.
class Label : public Control {
  public:
    explicit Label(std::string caption = {}) : caption_(std::move(caption)) {}
    const std::string& caption() const { return caption_; }
    void setCaption(std::string text) {
        if (caption_ != text) {
            caption_ = std::move(text);
            notify();
        }
    }
    double fontSize() const { return fontSize_; }
    void setFontSize(double points) {
        fontSize_ = points;
        notify();
    }

    Event<> onClick;
    void click() { onClick(); }

  private:
    std::string caption_;
    double fontSize_ = 8.0;
};

// A text field. setText fires onChange whenever the text changes, whoever changed it.
// A maximum length (characters, 0 for none) limits what the user can type.
class TextBox : public Control {
  public:
    explicit TextBox(std::string text = {}) : text_(std::move(text)) {}
    const std::string& text() const { return text_; }
    int maxLength() const { return maxLength_; }
    void setMaxLength(int characters) {
        maxLength_ = characters;
        notify();
    }
    void setText(std::string text) {
        if (text_ == text) return;
        text_ = std::move(text);
        notify();
        onChange();
    }
    Event<> onChange;

  private:
    std::string text_;
    int maxLength_ = 0;
};

// Whether a window of its own (not modal) is shown; the view follows onShownChanged.
class WindowShown {
  public:
    bool shown() const { return shown_; }
    void show() {
        shown_ = true;
        if (onShownChanged) onShownChanged();
    }
    void hide() {
        shown_ = false;
        if (onShownChanged) onShownChanged();
    }
    std::function<void()> onShownChanged;

  private:
    bool shown_ = false;
};

class Button : public Control {
  public:
    explicit Button(std::string caption = {}) : caption_(std::move(caption)) {}
    const std::string& caption() const { return caption_; }
    Event<> onClick;
    void click() {
        if (enabled()) onClick();
    }

  private:
    std::string caption_;
};

// A tick box with value 0 or 1; setting a different value fires onClick, as a user's tick does.
class CheckBox : public Control {
  public:
    explicit CheckBox(std::string caption = {}) : caption_(std::move(caption)) {}
    const std::string& caption() const { return caption_; }
    bool checked() const { return checked_; }
    void setChecked(bool on) {
        if (checked_ == on) return;
        checked_ = on;
        notify();
        onClick();
    }
    // What a user's click does: flip the tick.
    void click() {
        if (enabled()) setChecked(!checked_);
    }
    Event<> onClick;

  private:
    std::string caption_;
    bool checked_ = false;
};

// A set of option buttons of which one is chosen; choosing another fires onClick(index).
// Choosing the one already chosen changes nothing and fires nothing.
class OptionGroup : public Control {
  public:
    explicit OptionGroup(std::vector<std::string> captions, int selected = 0)
        : captions_(std::move(captions)), selected_(selected) {}
    const std::vector<std::string>& captions() const { return captions_; }
    int selected() const { return selected_; }
    void select(int index) {
        if (index == selected_) return;
        selected_ = index;
        notify();
        onClick(index);
    }
    // Shows a choice made elsewhere without raising the event (the choice is already in use).
    void showSelected(int index) {
        if (index == selected_) return;
        selected_ = index;
        notify();
    }
    Event<int> onClick;

  private:
    std::vector<std::string> captions_;
    int selected_;
};

// Tabs with a current page; changing it fires onClick(previousTab).
class TabStrip : public Control {
  public:
    explicit TabStrip(std::vector<std::string> captions) : captions_(std::move(captions)) {}
    const std::vector<std::string>& captions() const { return captions_; }
    int tab() const { return tab_; }
    void setTab(int index) {
        if (index == tab_) return;
        int previous = tab_;
        tab_ = index;
        notify();
        onClick(previous);
    }
    // Moves back to a page without raising the event (a refused page change).
    void restoreTab(int index) {
        if (tab_ != index) {
            tab_ = index;
            notify();
        }
    }
    double captionFontSize() const { return captionFontSize_; }
    void setCaptionFontSize(double points) {
        captionFontSize_ = points;
        notify();
    }
    Event<int> onClick;

  private:
    std::vector<std::string> captions_;
    int tab_ = 0;
    double captionFontSize_ = 8.0;
};

// A horizontal scroll bar of whole numbers; every change of value fires onChange.
class ScrollBar : public Control {
  public:
    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    void setRange(int low, int high) {
        min_ = low;
        max_ = high;
        notify();
    }
    void setValue(int v) {
        v = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
        if (v == value_) return;
        value_ = v;
        notify();
        onChange();
    }
    Event<> onChange;

  private:
    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
};

class ListBox : public Control {
  public:
    const std::vector<std::string>& items() const { return items_; }
    void addItem(std::string item) {
        items_.push_back(std::move(item));
        notify();
    }
    void clear() {
        items_.clear();
        notify();
    }
    double fontSize() const { return fontSize_; }
    void setFontSize(double points) {
        fontSize_ = points;
        notify();
    }

  private:
    std::vector<std::string> items_;
    double fontSize_ = 8.0;
};

class Frame : public Control {
  public:
    explicit Frame(std::string caption = {}) : caption_(std::move(caption)) {}
    const std::string& caption() const { return caption_; }

  private:
    std::string caption_;
};

}  // namespace cn3::ui
