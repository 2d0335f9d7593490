#include "qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <algorithm>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QTabWidget>

#include "files/crash_recovery.h"
#include "files/files_commands.h"
#include "files/undo_history.h"
#include "line/line_recovery.h"
#include "qt/bind.h"
#include "qt/command_actions.h"
#include "qt/control_tips_view.h"
#include "qt/export_pdf.h"
#include "qt/focus_ring.h"
#include "qt/menu_bar.h"
#include "qt/guarded.h"
#include "qt/line_window.h"
#include "qt/loading_dialog.h"
#include "qt/main_pages.h"
#include "qt/plot_window.h"
#include "qt/print_preview.h"
#include "qt/qt_text.h"
#include "qt/resources.h"

namespace cn3::qt {

namespace {
// A field the designer types into: its edits are one undo step until the focus leaves it.
bool IsTypingField(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QTextEdit*>(widget);
}

// A print preview or file question stands over the window it was asked from (the pole line's,
// say), else over the main window.
QWidget* DialogParent(QWidget* main) {
    QWidget* active = QApplication::activeWindow();
    return active && active->isVisible() ? active : main;
}
}  // namespace

MainWindow::MainWindow(Program& program, QWidget* parent) : QMainWindow(parent), program_(program) {
    setObjectName(QStringLiteral("MainWindow"));
    MainForm& form = program.main;

    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("SSTab1"));
    pages_->addTab(BuildProjectPage(form), QString());
    pages_->addTab(BuildCablesPage(form), QString());
    pages_->addTab(BuildSagTensionPage(form), QString());
    pages_->addTab(BuildNescPage(form), QString());
    pages_->addTab(BuildFilesPage(form), QString());
    pages_->addTab(BuildHelpPage(form), QString());
    pages_->addTab(new QWidget, QString());  // "EXIT": choosing it closes the window
    bindTo(form.SSTab1, pages_);
    setCentralWidget(pages_);

    // The message about the shown results at the left, the span file's name kept at the right.
    auto* message = named(new QLabel, QStringLiteral("StatusMessage"));
    bindTo(form.StatusMessage, message);
    message->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(message, 1);
    auto* fileName = named(new QLabel, QStringLiteral("StatusFileName"));
    bindTo(form.StatusFileName, fileName);
    statusBar()->addPermanentWidget(fileName);

    QPointer<MainWindow> self(this);
    form.Title.observe([self] {
        if (self) self->setWindowTitle(toQ(self->program_.main.Title.caption()));
    });
    setWindowTitle(toQ(form.Title.caption()));
    form.requestClose = [self] { return self && self->close(); };

    loading_ = new LoadingDialog(program.loading, this);
    plot_ = new PlotWindow(program.plot, this);
    // Made at its first opening, after start-up, so that it follows the worksheet's events.
    program.showPoleLine = [self] {
        if (!self) return;
        if (!self->line_) self->line_ = new LineWindow(self->program_, self);
        self->line_->open();
    };
    // Printing goes through a print preview of the real pages; the logo is built in.
    LoadResources();
    program.logoPath = kLogoPath;
    program.runPrintJob = [self](const PrintJob& job) -> std::optional<std::string> {
        return RunPrintPreview(DialogParent(self.data()), job);
    };
    setWindowIcon(ProgramIcon());
    // The commands' keys (Ctrl+O, Ctrl+S, Ctrl+Shift+S, Ctrl+P ...) and the menus, from the
    // command table.
    for (const CommandEntry& command : CommandTable()) AddCommandShortcuts(this, program, command.id);
    BuildMenuBar(this, program);
    // "Export Report as PDF...": the pages of the print preview, straight into a file.
    program.exportPdfJob = [self](const PrintJob& job) -> std::optional<std::string> {
        return ExportPdf(DialogParent(self.data()), job);
    };

    // Tooltips and the units beside the entries, written again when the units switch.
    program.onUnitSystemChange.connect([self] {
        if (self) self->showTips();
    });
    setAcceptDrops(true);
    FocusRing::install();

    // A few times a second: " (modified)" in the status bar, and the recovery files of the
    // worksheet and of the pole line (each written at most once a second, and only while the
    // program keeps one).
    // The same tick finishes an edit for undo, unless the designer is still typing in a field:
    // typing in one field is one step, finished when the focus leaves it.
    keeper_ = new QTimer(this);
    connect(keeper_, &QTimer::timeout, this, [self] {
        RunGuarded([&] {
            if (!IsTypingField(QApplication::focusWidget())) NoteEditFinished(self->program_);
            const auto now = std::chrono::steady_clock::now();
            KeepWorksheet(self->program_, now);
            if (self->line_) line::KeepLine(self->line_->session(), now);
        });
    });
    keeper_->start(250);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [self](QWidget* old, QWidget*) {
        if (self && IsTypingField(old)) RunGuarded([&] { NoteEditFinished(self->program_); });
    });

    resize(kPreferredSize);
}

void MainWindow::fitToScreen() {
    const QScreen* screen = this->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    // The frame and title bar the window manager adds are known only once the window is
    // shown; until then this much is allowed for.
    const QMargins frame = frameGeometry() != geometry()
                               ? QMargins(geometry().left() - frameGeometry().left(),
                                          geometry().top() - frameGeometry().top(),
                                          frameGeometry().right() - geometry().right(),
                                          frameGeometry().bottom() - geometry().bottom())
                               : QMargins(4, 32, 4, 4);
    const QSize room = area.size().shrunkBy(frame);
    if (layout()) layout()->activate();
    const QSize least = minimumSizeHint();
    if (least.width() > room.width() || least.height() > room.height()) {
        // A screen smaller than the window's smallest size: the pages scroll instead.
        auto* scroller = new QScrollArea;
        scroller->setObjectName(QStringLiteral("PagesScroller"));
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->setWidgetResizable(true);
        scroller->setWidget(takeCentralWidget());
        setCentralWidget(scroller);
    }
    const QSize size = kPreferredSize.boundedTo(room).expandedTo(minimumSizeHint().boundedTo(room));
    resize(size);
    // Centred in the available area, its frame inside it.
    const QSize outer = size.grownBy(frame);
    const QPoint corner(area.left() + std::max(0, (area.width() - outer.width()) / 2),
                        area.top() + std::max(0, (area.height() - outer.height()) / 2));
    move(corner);
}

void MainWindow::showTips() {
    ShowControlTips(pages_, loading_, plot_, program_.units);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    fitToScreen();
    // Before the window manager has framed the window, some managers place the client area
    // where the frame was meant to go, so the title bar ends above the screen: once the frame
    // is known, the window moves down and right until the frame is inside the screen.
    QPointer<MainWindow> self(this);
    QTimer::singleShot(150, this, [self] {
        if (!self || !self->screen()) return;
        const QRect area = self->screen()->availableGeometry();
        const QRect frame = self->frameGeometry();
        const QPoint shift(std::max(0, area.left() - frame.left()), std::max(0, area.top() - frame.top()));
        if (!shift.isNull()) self->move(self->pos() + shift);
    });
    // The units are settled by start-up, after the window was made.
    showTips();
    // The keyboard starts on the first control of the page shown, framed from the start.
    if (!focusWidget()) {
        for (QWidget* w : pages_->currentWidget()->findChildren<QWidget*>()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(this) && w->isEnabled()) {
                w->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
}

// A span file dropped on the window opens as "Open" opens a chosen file.
static QString DroppedSpanFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    return path.endsWith(QStringLiteral(".cn3"), Qt::CaseInsensitive) ? path : QString();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedSpanFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedSpanFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    RunGuarded([&] { OpenChosenSpanFile(program_, QFileInfo(path).absoluteFilePath().toStdString()); });
}

MainWindow::~MainWindow() {
    disconnect(focusWatch_);
    program_.showPoleLine = nullptr;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool mayClose = true;
    RunGuarded([&] { mayClose = ConfirmExit(program_); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    RunGuarded([&] {
        if (loading_->isVisible()) program_.loading.CloseButton.click();
        if (program_.plot.shown()) program_.plot.hide();
        if (line_) line_->dismiss();
        // A clean exit: nothing is left to recover.
        keeper_->stop();
        DiscardRecoveryFile(program_);
        RemoveRecoveryFile(program_.lineRecovery);
    });
    event->accept();
}

}  // namespace cn3::qt
