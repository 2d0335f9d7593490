// Binds one Qt widget to one control model: the widget shows the model's state whenever the
// model changes, and the user's action calls the model (click, setText, select ...). A value
// the widget itself just sent is not written back into it.
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <functional>
#include <vector>

#include "ui/controls.h"

namespace cn3::qt {

// A label that reports a mouse press, for the loading window's cells. Given a focus policy it
// is also reached from the keyboard, where Enter, Return and F2 act as the click.
class ClickableLabel : public QLabel {
  public:
    using QLabel::QLabel;
    std::function<void()> onClick;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The widget, given its object name (what tests and the focus order find it by).
template <class W>
W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// Dark red and bold: a label that says what is wrong.
void ShowAsWarning(QLabel* label);

// Shows or hides a widget as its model says. A widget not yet placed in a window is only ever
// hidden here (showing it would open it as a window of its own); placing it shows it unless
// it was hidden.
void applyVisible(QWidget* widget, bool visible);

// Visibility and enabled state only.
void bindControl(ui::Control& model, QWidget* widget);

void bindTo(ui::Label& model, QLabel* widget);
void bindTo(ui::Label& model, ClickableLabel* widget);
void bindTo(ui::TextBox& model, QLineEdit* widget);
void bindTo(ui::Button& model, QPushButton* widget);
void bindTo(ui::CheckBox& model, QCheckBox* widget);
// The option group's buttons in caption order.
void bindTo(ui::OptionGroup& model, const std::vector<QRadioButton*>& buttons);
void bindTo(ui::TabStrip& model, QTabWidget* widget);
void bindTo(ui::TabStrip& model, QTabBar* widget);
void bindTo(ui::ScrollBar& model, QScrollBar* widget);
void bindTo(ui::ListBox& model, QListWidget* widget);
void bindTo(ui::Frame& model, QGroupBox* widget);

}  // namespace cn3::qt
