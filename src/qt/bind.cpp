#include "qt/bind.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalBlocker>

#include "qt/guarded.h"
#include "qt/qt_text.h"

namespace cn3::qt {

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onClick) RunGuarded(onClick);
    QLabel::mousePressEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (onClick && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2)) {
        RunGuarded(onClick);
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ShowAsWarning(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(160, 0, 0));
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
}

void applyVisible(QWidget* widget, bool visible) {
    if (!visible) {
        if (!widget->testAttribute(Qt::WA_WState_ExplicitShowHide) || !widget->isHidden())
            widget->setVisible(false);
    } else if (widget->isHidden() && widget->parentWidget()) {
        widget->setVisible(true);
    }
}

namespace {

// Runs `refresh` now and after every change of the model, for as long as the widget lives.
template <class W, class F>
void follow(ui::Control& model, W* widget, F refresh) {
    QPointer<W> guard(widget);
    auto run = [guard, refresh] {
        if (guard) refresh(guard.data());
    };
    run();
    model.observe(run);
}

void showState(const ui::Control& model, QWidget* w) {
    applyVisible(w, model.visible());
    w->setEnabled(model.enabled());
}

QFont withPointSize(QFont font, double points) {
    font.setPointSizeF(points);
    return font;
}

}  // namespace

void bindControl(ui::Control& model, QWidget* widget) {
    follow(model, widget, [&model](QWidget* w) { showState(model, w); });
}

void bindTo(ui::Label& model, QLabel* widget) {
    follow(model, widget, [&model](QLabel* w) {
        showState(model, w);
        const QString text = shown(model.caption());
        if (w->text() != text) w->setText(text);
    });
}

void bindTo(ui::Label& model, ClickableLabel* widget) {
    bindTo(model, static_cast<QLabel*>(widget));
    widget->onClick = [&model] { model.click(); };
}

void bindTo(ui::TextBox& model, QLineEdit* widget) {
    follow(model, widget, [&model](QLineEdit* w) {
        showState(model, w);
        w->setMaxLength(model.maxLength() > 0 ? model.maxLength() : 32767);
        const QString text = toQ(model.text());
        if (w->text() != text) {
            const QSignalBlocker quiet(w);
            w->setText(text);
            w->setCursorPosition(0);  // a text the program puts in shows from its start
        }
    });
    QObject::connect(widget, &QLineEdit::textEdited, widget, [&model](const QString& text) {
        RunGuarded([&] { model.setText(fromQ(text)); });
    });
}

void bindTo(ui::Button& model, QPushButton* widget) {
    widget->setText(toQ(model.caption()));
    widget->setAccessibleName(widget->text());
    follow(model, widget, [&model](QPushButton* w) { showState(model, w); });
    QObject::connect(widget, &QPushButton::clicked, widget,
                     [&model] { RunGuarded([&] { model.click(); }); });
}

void bindTo(ui::CheckBox& model, QCheckBox* widget) {
    widget->setText(shown(model.caption()));
    follow(model, widget, [&model](QCheckBox* w) {
        showState(model, w);
        if (w->isChecked() != model.checked()) {
            const QSignalBlocker quiet(w);
            w->setChecked(model.checked());
        }
    });
    QObject::connect(widget, &QCheckBox::clicked, widget, [&model, widget](bool on) {
        if (model.checked() != on) RunGuarded([&] { model.click(); });
        // The model may refuse or undo the tick; show what it holds.
        if (widget->isChecked() != model.checked()) {
            const QSignalBlocker quiet(widget);
            widget->setChecked(model.checked());
        }
    });
}

void bindTo(ui::OptionGroup& model, const std::vector<QRadioButton*>& buttons) {
    if (buttons.empty()) return;
    // Owned by the first button: the buttons are often bound before they are placed in a
    // window, when they have no parent yet, and a group without an owner would never be freed.
    auto* group = new QButtonGroup(buttons.front());
    group->setExclusive(true);
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (i < model.captions().size()) buttons[i]->setText(toQ(model.captions()[i]));
        group->addButton(buttons[i], static_cast<int>(i));
    }
    follow(model, buttons.front(), [&model, group](QRadioButton*) {
        for (QAbstractButton* b : group->buttons()) {
            b->setEnabled(model.enabled());
            applyVisible(b, model.visible());
        }
        if (QAbstractButton* chosen = group->button(model.selected());
            chosen && !chosen->isChecked()) {
            const QSignalBlocker quiet(group);
            chosen->setChecked(true);
        }
    });
    QObject::connect(group, &QButtonGroup::idClicked, group,
                     [&model](int id) { RunGuarded([&] { model.select(id); }); });
}

namespace {
template <class Tabs>
void bindTabs(ui::TabStrip& model, Tabs* widget) {
    follow(model, widget, [&model](Tabs* w) {
        showState(model, w);
        for (int i = 0; i < w->count() && i < static_cast<int>(model.captions().size()); ++i)
            w->setTabText(i, toQ(model.captions()[static_cast<size_t>(i)]));
        QFont font = w->font();
        if (font.pointSizeF() != model.captionFontSize() && model.captionFontSize() > 0) {
            w->setFont(withPointSize(font, model.captionFontSize()));
        }
        if (w->currentIndex() != model.tab()) {
            const QSignalBlocker quiet(w);
            w->setCurrentIndex(model.tab());
        }
    });
    QObject::connect(widget, &Tabs::currentChanged, widget, [&model, widget](int index) {
        if (index < 0 || index == model.tab()) return;
        RunGuarded([&] { model.setTab(index); });
        // A refused change puts the model back; the widget follows.
        if (widget->currentIndex() != model.tab()) {
            const QSignalBlocker quiet(widget);
            widget->setCurrentIndex(model.tab());
        }
    });
}
}  // namespace

void bindTo(ui::TabStrip& model, QTabWidget* widget) {
    bindTabs(model, widget);
}
void bindTo(ui::TabStrip& model, QTabBar* widget) {
    bindTabs(model, widget);
}

void bindTo(ui::ScrollBar& model, QScrollBar* widget) {
    follow(model, widget, [&model](QScrollBar* w) {
        showState(model, w);
        const QSignalBlocker quiet(w);
        w->setRange(std::min(model.min(), model.max()), std::max(model.min(), model.max()));
        w->setValue(model.value());
    });
    QObject::connect(widget, &QScrollBar::valueChanged, widget, [&model](int value) {
        if (value != model.value()) RunGuarded([&] { model.setValue(value); });
    });
}

void bindTo(ui::ListBox& model, QListWidget* widget) {
    follow(model, widget, [&model](QListWidget* w) {
        showState(model, w);
        if (model.fontSize() > 0 && w->font().pointSizeF() != model.fontSize())
            w->setFont(withPointSize(w->font(), model.fontSize()));
        const auto& items = model.items();
        // Help text grows line by line at start-up; add only what is new.
        if (w->count() > static_cast<int>(items.size())) w->clear();
        for (size_t i = static_cast<size_t>(w->count()); i < items.size(); ++i)
            w->addItem(shown(items[i]));
    });
}

void bindTo(ui::Frame& model, QGroupBox* widget) {
    widget->setTitle(toQ(model.caption()));
    follow(model, widget, [&model](QGroupBox* w) { showState(model, w); });
}

}  // namespace cn3::qt
