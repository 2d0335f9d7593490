#include "qt/loading_dialog.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <algorithm>
#include <QVBoxLayout>

#include "qt/bind.h"
#include "qt/qt_text.h"

namespace cn3::qt {

namespace {
// Where the heading's words begin, in characters: "Rule" 0, "Temperature" 14, "Ice Thickness"
// 28, "Wind" 44, "Constant" 54. The cells below are that many characters wide, so each
// column of figures stands under its word.
constexpr int kColumnChars[5] = {14, 14, 16, 10, 10};
constexpr int kFirstUserCell = 15;  // rows 3 and 4: the two user loadings
}  // namespace

LoadingDialog::LoadingDialog(LoadingForm& form, QWidget* parent) : QDialog(parent), form_(form) {
    setObjectName(QStringLiteral("LoadingWindow"));
    setModal(true);
    setWindowTitle(toQ(form.Title.caption()));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const int charWidth = QFontMetrics(fixed).horizontalAdvance(QLatin1Char('0'));

    auto* outer = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* districts = new QGroupBox;
    districts->setObjectName(QStringLiteral("Frame1"));
    bindTo(form.Frame1, districts);
    auto* districtRow = new QHBoxLayout(districts);
    std::vector<QRadioButton*> options;
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton;
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        districtRow->addWidget(option);
        options.push_back(option);
    }
    bindTo(form.Option1, options);
    top->addWidget(districts);
    auto* ticks = new QVBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto* tick = new QCheckBox;
        tick->setObjectName(QStringLiteral("Check1_%1").arg(i));
        bindTo(form.Check1[static_cast<size_t>(i)], tick);
        ticks->addWidget(tick);
    }
    top->addLayout(ticks);
    top->addStretch();
    outer->addLayout(top);

    auto* table = new QGridLayout;
    table->setHorizontalSpacing(0);
    table->setVerticalSpacing(3);
    auto* heading = new QLabel;
    heading->setObjectName(QStringLiteral("Heading"));
    heading->setFont(fixed);
    bindTo(form.Heading, heading);
    table->addWidget(heading, 0, 0, 1, 5);
    for (int c = 0; c < 4; ++c) {
        auto* unit = new QLabel;
        unit->setObjectName(QStringLiteral("UnitLabel_%1").arg(c));
        unit->setFont(fixed);
        bindTo(form.UnitLabels[static_cast<size_t>(c)], unit);
        table->addWidget(unit, 1, c + 1);
    }
    for (int cell = 0; cell < 25; ++cell) {
        auto* label = new ClickableLabel;
        label->setObjectName(QStringLiteral("Cell_%1").arg(cell));
        label->setFont(fixed);
        label->setFixedWidth(kColumnChars[cell % 5] * charWidth);
        label->setMinimumHeight(QFontMetrics(fixed).height() + 6);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        if (cell >= kFirstUserCell) {
            // The user loadings' cells are stops of the Tab chain; Enter or F2 opens the value box.
            label->setCursor(Qt::PointingHandCursor);
            label->setFocusPolicy(Qt::StrongFocus);
            label->installEventFilter(this);
        }
        cells_[static_cast<size_t>(cell)] = label;
        bindTo(form.Cells[static_cast<size_t>(cell)], label);
        table->addWidget(label, 2 + cell / 5, cell % 5);
    }
    table->setColumnStretch(5, 1);
    outer->addLayout(table);

    auto* hint = new QLabel;
    hint->setObjectName(QStringLiteral("Hint"));
    bindTo(form.Hint, hint);
    outer->addWidget(hint);

    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton;
    save->setObjectName(QStringLiteral("SaveButton"));
    save->setAutoDefault(false);
    bindTo(form.SaveButton, save);
    auto* close = new QPushButton;
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setAutoDefault(false);
    bindTo(form.CloseButton, close);
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(close);
    outer->addLayout(buttons);

    form.runModal = [this] { exec(); };
    form.closeModal = [this] { done(QDialog::Accepted); };
    // Closed by the window's own close box or Escape: the form hides as with "Close".
    connect(this, &QDialog::finished, this, [this] { form_.shown = false; });
}

bool LoadingDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto it = std::find(cells_.begin(), cells_.end(), watched);
    if (it == cells_.end()) return QDialog::eventFilter(watched, event);
    const int cell = static_cast<int>(it - cells_.begin());
    int step = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Left: step = cell % 5 > 0 ? -1 : 0; break;
        case Qt::Key_Right: step = cell % 5 < 4 ? 1 : 0; break;
        case Qt::Key_Up: step = -5; break;
        case Qt::Key_Down: step = 5; break;
        default: return QDialog::eventFilter(watched, event);
    }
    const int next = cell + step;
    if (step != 0 && next >= kFirstUserCell && next < 25) {
        QWidget* target = cells_[static_cast<size_t>(next)];
        if (target->isVisible()) target->setFocus(Qt::OtherFocusReason);
    }
    return true;  // an arrow never leaves the cells
}

}  // namespace cn3::qt
