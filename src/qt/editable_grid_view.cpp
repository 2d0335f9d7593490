#include "qt/editable_grid_view.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <set>

#include "qt/grid_view.h"
#include "qt/guarded.h"
#include "qt/qt_text.h"

namespace cn3::qt {

EditableGridView::EditableGridView(ui::Grid& model, QWidget* parent)
    : QTableWidget(parent), model_(model) {
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setFocusPolicy(Qt::StrongFocus);
    setTabKeyNavigation(false);  // Tab leaves the grid; inside it the arrows move
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    // Whole rows are chosen at their numbers, for Delete.
    connect(verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int row) { selectRow(row); });

    QPointer<EditableGridView> self(this);
    model_.observe([self] {
        if (self) self->scheduleRefresh();
    });
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (refreshing_) return;
        const int row = modelRow(item->row()), col = item->column();
        const std::string text = fromQ(item->text());
        if (text != model_.text(row, col)) RunGuarded([&] { model_.editCell(row, col, text); });
    });
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (!refreshing_ && row >= 0) model_.setCurrent(modelRow(row), col);
    });
    refreshNow();
}

void EditableGridView::scheduleRefresh() {
    dirty_ = true;
    if (scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] { refreshNow(); });
}

void EditableGridView::refreshNow() {
    scheduled_ = false;
    if (!dirty_) return;
    dirty_ = false;
    refreshing_ = true;
    const int fixed = model_.fixedRows();
    const int rows = std::max(model_.rows() - fixed, 0);
    const int cols = model_.cols();
    setColumnCount(cols);
    setRowCount(rows);
    QStringList headings;
    for (int c = 0; c < cols; ++c) {
        QStringList lines;
        for (int r = 0; r < fixed; ++r) lines << shown(model_.text(r, c));
        headings << lines.join(QLatin1Char('\n'));
    }
    setHorizontalHeaderLabels(headings);
    for (int c = 0; c < cols; ++c)
        if (QTableWidgetItem* h = horizontalHeaderItem(c)) h->setToolTip(headings[c].simplified());
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            QTableWidgetItem* cell = item(r, c);
            if (!cell) {
                cell = new QTableWidgetItem;
                setItem(r, c, cell);
            }
            const QString text = toQ(model_.text(modelRow(r), c));
            if (cell->text() != text) cell->setText(text);
            cell->setTextAlignment(AlignmentOf(model_.colAlignment(c)));
            cell->setBackground(model_.marked(modelRow(r), c) ? MarkBrush() : QBrush());
        }
    }
    // The current cell is the model's, so that a row added or inserted is where typing goes.
    const int current = model_.row() - fixed;
    if (current >= 0 && current < rows &&
        (currentRow() != current || currentColumn() != model_.col()))
        setCurrentCell(current, std::clamp(model_.col(), 0, std::max(cols - 1, 0)));
    refreshing_ = false;
}

void EditableGridView::paste() {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty() || !onPaste) return;
    if (currentRow() >= 0) model_.setCurrent(modelRow(currentRow()), currentColumn());
    RunGuarded([&] { onPaste(fromQ(text)); });
}

void EditableGridView::emptyChosenCells() {
    const QList<QTableWidgetItem*> chosen = selectedItems();
    for (QTableWidgetItem* cell : chosen)
        if (!cell->text().isEmpty()) cell->setText(QString());  // each goes to the model
}

void EditableGridView::keyPressEvent(QKeyEvent* event) {
    if (state() != QAbstractItemView::EditingState) {
        if (event->matches(QKeySequence::Paste)) {
            paste();
            return;
        }
        const bool ctrl = event->modifiers() & Qt::ControlModifier;
        if (event->key() == Qt::Key_Insert && !ctrl && onInsertRow) {
            RunGuarded(onInsertRow);
            return;
        }
        if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier && onAddRow &&
            currentRow() == rowCount() - 1) {
            RunGuarded(onAddRow);
            return;
        }
        if (event->key() == Qt::Key_Delete) {
            const bool wholeRows = !selectionModel()->selectedRows().isEmpty();
            if ((ctrl || wholeRows) && onRemoveRow) {
                RunGuarded(onRemoveRow);
            } else {
                emptyChosenCells();
            }
            return;
        }
    }
    QTableWidget::keyPressEvent(event);
}

void EditableGridView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* insert = menu.addAction(QStringLiteral("&Insert Row\tIns"));
    QAction* remove = menu.addAction(QStringLiteral("&Remove Row\tCtrl+Del"));
    menu.addSeparator();
    QAction* paste = menu.addAction(QStringLiteral("&Paste Rows\tCtrl+V"));
    QAction* empty = menu.addAction(QStringLiteral("&Empty Cells\tDel"));
    paste->setEnabled(!QApplication::clipboard()->text().isEmpty());
    remove->setEnabled(currentRow() >= 0);
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == insert && onInsertRow) RunGuarded(onInsertRow);
    if (chosen == remove && onRemoveRow) RunGuarded(onRemoveRow);
    if (chosen == paste) this->paste();
    if (chosen == empty) emptyChosenCells();
}

void EditableGridView::focusInEvent(QFocusEvent* event) {
    // Arriving by Tab, the keyboard starts on the first cell.
    if (!currentIndex().isValid() && rowCount() > 0) setCurrentCell(0, 0);
    QTableWidget::focusInEvent(event);
}

}  // namespace cn3::qt
