#include "qt/main_window.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QTabWidget>

#include "files/crash_recovery.h"
#include "files/files_commands.h"
#include "qt/bind.h"
#include "qt/guarded.h"
#include "qt/loading_dialog.h"
#include "qt/main_pages.h"
#include "qt/plot_window.h"
#include "qt/print_preview.h"
#include "qt/qt_text.h"
#include "qt/resources.h"

namespace cn3::qt {

namespace {
template <class W>
W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
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
    // Printing goes through a print preview of the real pages; the logo is built in.
    LoadResources();
    program.logoPath = kLogoPath;
    program.runPrintJob = [self](const PrintJob& job) -> std::optional<std::string> {
        return RunPrintPreview(self.data(), job);
    };
    setWindowIcon(ProgramIcon());
    // Ctrl+P prints the span report, as its button on the "Files/Print" page does.
    auto* printReport = new QShortcut(QKeySequence::Print, this);
    printReport->setObjectName(QStringLiteral("PrintReportShortcut"));
    connect(printReport, &QShortcut::activated, this,
            [self] { RunGuarded([&] { self->program_.main.Command6[3].click(); }); });

    // The "Files" buttons from the keyboard, as desktop programs have them.
    const std::pair<QKeySequence, size_t> keys[] = {
        {QKeySequence::Open, 0}, {QKeySequence::Save, 1}, {QKeySequence::SaveAs, 2}};
    for (const auto& [key, button] : keys) {
        auto* shortcut = new QShortcut(key, this);
        ui::Button* model = &form.Command6[button];
        connect(shortcut, &QShortcut::activated, this,
                [model] { RunGuarded([model] { model->click(); }); });
    }

    // Ctrl+N: a new worksheet, after the save question when the worksheet has changed.
    auto* newWorksheet = new QShortcut(QKeySequence::New, this);
    newWorksheet->setObjectName(QStringLiteral("NewShortcut"));
    connect(newWorksheet, &QShortcut::activated, this,
            [self] { RunGuarded([&] { NewCommand(self->program_); }); });

    // A few times a second: " (modified)" in the status bar, and the recovery file (written
    // at most once a second, and only while the program keeps one).
    keeper_ = new QTimer(this);
    connect(keeper_, &QTimer::timeout, this, [self] {
        RunGuarded([&] { KeepWorksheet(self->program_, std::chrono::steady_clock::now()); });
    });
    keeper_->start(250);

    resize(1024, 720);
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
        // A clean exit: nothing is left to recover.
        keeper_->stop();
        DiscardRecoveryFile(program_);
    });
    event->accept();
}

}  // namespace cn3::qt
