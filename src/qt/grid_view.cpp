#include "qt/grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLayout>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <cmath>
#include <numeric>

#include "qt/bind.h"
#include "qt/guarded.h"
#include "qt/qt_text.h"

namespace cn3::qt {

Qt::Alignment AlignmentOf(ui::Align a) {
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

QBrush MarkBrush() {
    return QBrush(QColor(255, 170, 170));
}

namespace {

// Sizes grown to fill `room` in proportion to themselves, the rounding left to the last one;
// unchanged when they already fill it.
std::vector<int> Spread(const std::vector<int>& sizes, int room) {
    const long long total = std::accumulate(sizes.begin(), sizes.end(), 0LL);
    if (sizes.empty() || total <= 0 || room <= total) return sizes;
    std::vector<int> spread(sizes.size());
    int used = 0;
    for (size_t i = 0; i < sizes.size(); ++i) {
        spread[i] = static_cast<int>(sizes[i] * static_cast<long long>(room) / total);
        used += spread[i];
    }
    spread.back() += room - used;
    return spread;
}
// Marks a layout and every layout inside it as needing its sizes worked out again.
void InvalidateAll(QLayout* layout) {
    if (!layout) return;
    layout->invalidate();
    for (int i = 0; i < layout->count(); ++i) InvalidateAll(layout->itemAt(i)->layout());
}
}  // namespace

GridView::GridView(ui::Grid& model, QWidget* parent) : QTableWidget(parent), model_(model) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setMinimumSectionSize(4);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    // Tab leaves the grid; inside it the arrow keys move.
    setFocusPolicy(Qt::StrongFocus);
    setTabKeyNavigation(false);
    setWordWrap(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The columns always fill the width, so there is never anything to scroll sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setTextElideMode(Qt::ElideRight);
    // The current cell is framed while the grid has the keyboard.
    setStyleSheet(
        QStringLiteral("QTableWidget::item { padding: 0px 1px; }"
                       "QTableWidget::item:focus { border: 2px solid palette(highlight); }"));
    baseFont_ = font();
    baseFont_.setPointSizeF(8.0);
    setFont(baseFont_);

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
    setVerticalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    dirty_ = true;
    refreshNow();
}

void GridView::setMinimumRows(int rows) {
    minimumRows_ = rows;
    updateLimits();
}

int GridView::columnPixels(int col) const {
    // The twips were chosen for a narrower type than most screens have; a column whose
    // widest line would not fit is widened to it rather than cutting figures short.
    const QFontMetrics metrics(baseFont_);
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
    colPixels_.resize(static_cast<size_t>(cols));
    for (int c = 0; c < cols; ++c) colPixels_[static_cast<size_t>(c)] = columnPixels(c);
    rowPixels_.resize(static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        rowPixels_[static_cast<size_t>(r)] = toPixelsY(model_.rowHeight(r));
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
            cell->setTextAlignment(fixedRow ? Qt::AlignCenter
                                            : AlignmentOf(model_.colAlignment(c)));
            const QBrush plain = fixed ? headingBrush : QBrush();
            cell->setBackground(model_.marked(r, c) ? MarkBrush() : plain);
        }
    }
    // A heading's tooltip is the whole heading of its column on one line, with its unit in
    // display units as the heading has it: "Midspan Sag (ft)".
    for (int c = 0; c < cols; ++c) {
        QStringList lines;
        for (int r = 0; r < model_.fixedRows() && r < rows; ++r) lines << shown(model_.text(r, c));
        const QString tip = lines.join(QLatin1Char(' ')).simplified();
        for (int r = 0; r < model_.fixedRows() && r < rows; ++r)
            if (item(r, c)->toolTip() != tip) item(r, c)->setToolTip(tip);
    }
    updateLimits();
    spreadOverViewport();
    setUpdatesEnabled(true);
}

void GridView::updateLimits() {
    const QSize needed = contentSize();
    widest_ = std::max(widest_, needed.width());
    int height = needed.height();
    if (!fitHeight_) {
        height = 2 * frameWidth();
        for (int r = 0; r < model_.fixedRows() && r < model_.rows(); ++r)
            height += toPixelsY(model_.rowHeight(r));
        height += minimumRows_ * toPixelsY(ui::Grid::kDefaultRowHeight);
    }
    if (minimumWidth() == widest_ && minimumHeight() == height) return;
    setMinimumWidth(widest_);
    setMinimumHeight(height);
    // A page that is not showing lays itself out afresh only when it is shown, so the window
    // would learn of the new size late and grow then. Tell every container up to the window
    // now, so that the window's smallest size covers every page at all times.
    for (QWidget* w = parentWidget(); w && !w->isWindow(); w = w->parentWidget()) {
        InvalidateAll(w->layout());
        w->updateGeometry();
    }
}

double GridView::zoomFor(QSize room) const {
    const int width = std::accumulate(colPixels_.begin(), colPixels_.end(), 0);
    const int height = std::accumulate(rowPixels_.begin(), rowPixels_.end(), 0);
    if (width <= 0 || height <= 0) return 1.0;
    double zoom = double(room.width()) / width;
    if (fitHeight_) zoom = std::min(zoom, double(room.height()) / height);
    // In steps of 5 %, so that a resize by a pixel or two does not set a new type size.
    return std::clamp(std::floor(zoom * 20.0) / 20.0, 1.0, kMaxZoom);
}

double GridView::ownZoom() const {
    // A grid that scrolls is judged as if its scroll bar showed, so that the bar coming and
    // going with the zoom cannot change the zoom again.
    QSize room = viewport()->size();
    if (!fitHeight_ && !verticalScrollBar()->isVisible())
        room.rwidth() -= verticalScrollBar()->sizeHint().width();
    return zoomFor(room);
}

void GridView::shareZoomWith(GridView* other) {
    partner_ = other;
    other->partner_ = this;
}

void GridView::spreadOverViewport() {
    const double own = ownZoom();
    const double zoom = partner_ ? std::min(own, partner_->ownZoom()) : own;
    // The partner follows when this grid's room changes what the two can share.
    if (partner_ && own != lastOwnZoom_) {
        lastOwnZoom_ = own;
        partner_->spreadOverViewport();
    }
    QFont type = baseFont_;
    type.setPointSizeF(baseFont_.pointSizeF() * zoom);
    if (font() != type) setFont(type);
    const auto scaled = [zoom](const std::vector<int>& sizes) {
        std::vector<int> out;
        out.reserve(sizes.size());
        for (int size : sizes) out.push_back(qRound(size * zoom));
        return out;
    };
    const std::vector<int> widths = Spread(scaled(colPixels_), viewport()->width());
    for (size_t c = 0; c < widths.size(); ++c)
        if (columnWidth(static_cast<int>(c)) != widths[c])
            setColumnWidth(static_cast<int>(c), widths[c]);
    const std::vector<int> heights =
        fitHeight_ ? Spread(scaled(rowPixels_), viewport()->height()) : scaled(rowPixels_);
    for (size_t r = 0; r < heights.size(); ++r)
        if (rowHeight(static_cast<int>(r)) != heights[r])
            setRowHeight(static_cast<int>(r), heights[r]);
}

bool GridView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize) spreadOverViewport();
    return QTableWidget::viewportEvent(event);
}

void GridView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: {
            const int row = currentRow();
            const int col = currentColumn();
            if (row >= model_.fixedRows() && col >= 0) RunGuarded([&] { model_.click(row, col); });
            event->accept();
            return;
        }
        default:
            QTableWidget::keyPressEvent(event);
    }
}

void GridView::focusInEvent(QFocusEvent* event) {
    // Arriving by Tab, the keyboard starts on the first row below the headings.
    if (!currentIndex().isValid() && rowCount() > model_.fixedRows())
        setCurrentCell(model_.fixedRows(), 0);
    QTableWidget::focusInEvent(event);
}

QSize GridView::contentSize() const {
    // A grid that fits its rows never scrolls down, so it needs no room for the scroll bar.
    int w = 2 * frameWidth() + (fitHeight_ ? 0 : verticalScrollBar()->sizeHint().width());
    for (int width : colPixels_) w += width;
    int h = 2 * frameWidth();
    for (int height : rowPixels_) h += height;
    return {w, h};
}

}  // namespace cn3::qt
