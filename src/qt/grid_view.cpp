#include "qt/grid_view.h"

#include <QHeaderView>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>

#include "qt/bind.h"
#include "qt/guarded.h"
#include "qt/qt_text.h"

namespace cn3::qt {

namespace {
Qt::Alignment ToQt(ui::Align a) {
    switch (a) {
        case ui::Align::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case ui::Align::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case ui::Align::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}
}  // namespace

GridView::GridView(ui::Grid& model, QWidget* parent) : QTableWidget(parent), model_(model) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setMinimumSectionSize(4);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setStyleSheet(QStringLiteral("QTableWidget::item { padding: 0px 1px; }"));
    QFont f = font();
    f.setPointSizeF(8.0);
    setFont(f);

    QPointer<GridView> self(this);
    model_.observe([self] {
        if (self) self->scheduleRefresh();
    });
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int col) {
        if (row >= model_.fixedRows()) RunGuarded([&] { model_.click(row, col); });
    });
    refreshNow();
}

void GridView::setFitHeight(bool on) {
    fitHeight_ = on;
    dirty_ = true;
    refreshNow();
}

int GridView::columnPixels(int col) const {
    // The twips were chosen for a narrower type than most screens have; a column whose
    // widest line would not fit is widened to it rather than cutting figures short.
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int r = 0; r < model_.rows(); ++r) {
        for (const QString& line : shown(model_.text(r, col)).split(QLatin1Char('\n')))
            widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    // The style's text margins and the padding take about 10 pixels of a cell.
    return std::max(toPixelsX(model_.colWidth(col)), widest + 10);
}

int GridView::toPixelsX(int twips) const {
    return qRound(twips * logicalDpiX() / 1440.0);
}
int GridView::toPixelsY(int twips) const {
    return qRound(twips * logicalDpiY() / 1440.0);
}

void GridView::scheduleRefresh() {
    dirty_ = true;
    applyVisible(this, model_.visible());
    if (scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] { refreshNow(); });
}

void GridView::showEvent(QShowEvent* event) {
    refreshNow();
    QTableWidget::showEvent(event);
}

void GridView::refreshNow() {
    scheduled_ = false;
    applyVisible(this, model_.visible());
    setEnabled(model_.enabled());
    if (!dirty_) return;
    dirty_ = false;

    const int rows = model_.rows();
    const int cols = model_.cols();
    setUpdatesEnabled(false);
    setRowCount(rows);
    setColumnCount(cols);
    const QBrush headingBrush = palette().brush(QPalette::Button);
    for (int c = 0; c < cols; ++c) setColumnWidth(c, columnPixels(c));
    for (int r = 0; r < rows; ++r) {
        setRowHeight(r, toPixelsY(model_.rowHeight(r)));
        const bool fixedRow = r < model_.fixedRows();
        for (int c = 0; c < cols; ++c) {
            QTableWidgetItem* cell = item(r, c);
            if (!cell) {
                cell = new QTableWidgetItem;
                cell->setFlags(Qt::ItemIsEnabled);
                setItem(r, c, cell);
            }
            const QString text = shown(model_.text(r, c));
            if (cell->text() != text) cell->setText(text);
            const bool fixed = fixedRow || c < model_.fixedCols();
            cell->setTextAlignment(fixedRow ? Qt::AlignCenter : ToQt(model_.colAlignment(c)));
            cell->setBackground(fixed ? headingBrush : QBrush());
        }
    }
    setUpdatesEnabled(true);
    // The columns keep their widths; the page lays the grid out around them.
    const QSize needed = contentSize();
    // Never narrower than before, so the controls beside the grid stay put from one listing
    // to the next.
    widest_ = std::max(widest_, needed.width());
    setFixedWidth(widest_);
    // A fitted grid shows all its rows: the page gives it exactly the height they need.
    if (fitHeight_) setFixedHeight(needed.height());
}

QSize GridView::contentSize() const {
    // A grid that fits its rows never scrolls down, so it needs no room for the scroll bar.
    int w = 2 * frameWidth() + (fitHeight_ ? 0 : verticalScrollBar()->sizeHint().width());
    for (int c = 0; c < model_.cols(); ++c) w += columnWidth(c);
    int h = 2 * frameWidth();
    for (int r = 0; r < model_.rows(); ++r) h += toPixelsY(model_.rowHeight(r));
    return {w, h};
}

}  // namespace cn3::qt
