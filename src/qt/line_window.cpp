#include "qt/line_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/commands.h"
#include "app/control_tips.h"
#include "line/line_editing.h"
#include "line/line_files.h"
#include "line/wire_line_events.h"
#include "qt/bind.h"
#include "qt/control_tips_view.h"
#include "qt/editable_grid_view.h"
#include "qt/grid_view.h"
#include "qt/guarded.h"
#include "qt/picture_view.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_text.h"

namespace cn3::qt {

namespace {

template <class W, class Model>
W* bound(Model& model, const QString& name) {
    auto* w = named(new W, name);
    bindTo(model, w);
    return w;
}

// A caption that names a field for a screen reader and takes its mnemonic to it.
QLabel* caption(ui::Label& model, const QString& name, QWidget* field) {
    auto* label = bound<QLabel>(model, name);
    label->setBuddy(field);
    field->setAccessibleName(label->text().remove(QLatin1Char('&')));
    return label;
}

// Red, bold and wrapped: what is wrong with the line.
QLabel* problems(ui::Label& model) {
    auto* label = bound<QLabel>(model, QStringLiteral("Problems"));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ShowAsWarning(label);
    return label;
}

// A grid in an area that scrolls sideways when the window is narrower than its columns (a
// stringing chart of many spans turned round has a column per temperature); it scrolls down
// by itself.
QScrollArea* sideways(QWidget* grid) {
    auto* area = new QScrollArea;
    area->setObjectName(grid->objectName() + QStringLiteral("Area"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setFocusPolicy(Qt::NoFocus);
    area->setMinimumWidth(200);
    area->setWidget(grid);
    return area;
}

// A row of buttons, left to right.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    for (QPushButton* b : buttons) row->addWidget(b);
    return row;
}

}  // namespace

LineWindow::LineWindow(Program& program, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("LineWindow"));
    session_ = std::make_unique<line::LineSession>(program);
    line::LineSession& s = *session_;
    line::LineForm& form = s.form;
    // Its boxes stand over this window; a test's scripted dialogs stay the program's.
    if (dynamic_cast<QtDialogs*>(program.dialogs)) {
        dialogs_ = std::make_unique<QtDialogs>();
        dialogs_->setParent(this);
        s.dialogs = dialogs_.get();
    }
    setWindowTitle(toQ(form.Title.caption()));

    // Left: the poles.
    auto* poles = named(new EditableGridView(form.Poles), QStringLiteral("Poles"));
    line::LineSession* session = &s;
    poles->onPaste = [session](const std::string& text) { line::PastePoleRows(*session, text); };
    poles->onInsertRow = [session] { line::InsertPoleRow(*session); };
    poles->onAddRow = [session] { line::AddPoleRow(*session); };
    poles->onRemoveRow = [session] { line::RemovePoleRow(*session); };
    poles->setMinimumSize(380, 150);
    auto* add = bound<QPushButton>(form.AddPole, QStringLiteral("AddPole"));
    auto* insert = bound<QPushButton>(form.InsertPole, QStringLiteral("InsertPole"));
    auto* remove = bound<QPushButton>(form.RemovePole, QStringLiteral("RemovePole"));
    auto* import = bound<QPushButton>(form.ImportCsv, QStringLiteral("ImportCsv"));
    auto* clearance = bound<QLineEdit>(form.DefaultClearance, QStringLiteral("DefaultClearance"));
    clearance->setFixedWidth(80);
    auto* worksheetSag = named(new QRadioButton, QStringLiteral("Installation_0"));
    auto* typedTension = named(new QRadioButton, QStringLiteral("Installation_1"));
    bindTo(form.Installation, {worksheetSag, typedTension});
    auto* tension = bound<QLineEdit>(form.Tension, QStringLiteral("Tension"));
    tension->setFixedWidth(80);
    tension->setAccessibleName(QStringLiteral("Tension"));

    auto* left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(caption(form.PolesCaption, QStringLiteral("PolesCaption"), poles));
    left->addWidget(poles, 1);
    left->addLayout(buttonRow({add, insert, remove, import}));
    auto* settings = new QGridLayout;
    settings->addWidget(
        caption(form.ClearanceCaption, QStringLiteral("ClearanceCaption"), clearance), 0, 0);
    auto* clearanceRow = new QHBoxLayout;
    clearanceRow->addWidget(clearance);
    clearanceRow->addWidget(named(new QLabel, QStringLiteral("Unit_DefaultClearance")));
    clearanceRow->addStretch();
    settings->addLayout(clearanceRow, 0, 1);
    settings->addWidget(
        bound<QLabel>(form.InstallationCaption, QStringLiteral("InstallationCaption")), 1, 0);
    auto* installationRow = new QHBoxLayout;
    installationRow->addWidget(worksheetSag);
    installationRow->addWidget(typedTension);
    installationRow->addWidget(tension);
    installationRow->addWidget(named(new QLabel, QStringLiteral("Unit_Tension")));
    installationRow->addStretch();
    settings->addLayout(installationRow, 1, 1);
    settings->setColumnStretch(1, 1);
    left->addLayout(settings);

    // Right: the headline, what is wrong, and the profile.
    auto* headline = bound<QLabel>(form.Headline, QStringLiteral("Headline"));
    QFont bold = headline->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.1);
    headline->setFont(bold);
    headline->setWordWrap(true);
    headline->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    auto* profile = named(new PictureView(form.Profile, qRound(line::kProfileWidth * dpi / 1440),
                                          qRound(line::kProfileHeight * dpi / 1440)),
                          QStringLiteral("Profile"));
    profile->setScaledToFit(line::kProfileWidth, line::kProfileHeight);
    profile->setAccessibleName(QStringLiteral("Line Profile"));
    auto* right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(headline);
    right->addWidget(problems(form.Problems));
    right->addWidget(profile, 1);

    // Under them, a page each: the span results with the notes, and the stringing chart.
    auto* results = named(new GridView(form.Results), QStringLiteral("Results"));
    results->setMinimumRows(3);
    results->setAccessibleName(QStringLiteral("Span Results"));
    auto* notes = bound<QLabel>(form.Notes, QStringLiteral("Notes"));
    notes->setWordWrap(true);
    notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* resultsPage = new QWidget;
    auto* resultsLayout = new QVBoxLayout(resultsPage);
    resultsLayout->addWidget(sideways(results), 1);
    resultsLayout->addWidget(notes);
    auto* stringing = named(new GridView(form.Stringing), QStringLiteral("Stringing"));
    stringing->setMinimumRows(3);
    stringing->setAccessibleName(QStringLiteral("Stringing Chart"));
    auto* legend = bound<QLabel>(form.StringingLegend, QStringLiteral("StringingLegend"));
    legend->setWordWrap(true);
    auto* stringingPage = new QWidget;
    auto* stringingLayout = new QVBoxLayout(stringingPage);
    stringingLayout->addWidget(sideways(stringing), 1);
    stringingLayout->addWidget(legend);
    auto* tabs = named(new QTabWidget, QStringLiteral("ResultPages"));
    tabs->addTab(resultsPage, toQ(form.ResultsCaption.caption()));
    tabs->addTab(stringingPage, toQ(form.StringingCaption.caption()));

    auto* top = new QWidget;
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addLayout(left, 2);
    topLayout->addLayout(right, 3);
    auto* split = named(new QSplitter(Qt::Vertical), QStringLiteral("Splitter"));
    split->addWidget(top);
    split->addWidget(tabs);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);

    // The foot: files, printing, close.
    auto* newLine = bound<QPushButton>(form.New, QStringLiteral("New"));
    auto* open = bound<QPushButton>(form.Open, QStringLiteral("Open"));
    auto* save = bound<QPushButton>(form.Save, QStringLiteral("Save"));
    auto* saveAs = bound<QPushButton>(form.SaveAs, QStringLiteral("SaveAs"));
    auto* print = bound<QPushButton>(form.Print, QStringLiteral("Print"));
    auto* exportPdf = bound<QPushButton>(form.ExportPdf, QStringLiteral("ExportPdf"));
    auto* close = bound<QPushButton>(form.Close, QStringLiteral("Close"));
    auto* foot = buttonRow({newLine, open, save, saveAs});
    foot->addSpacing(16);
    foot->addWidget(print);
    foot->addWidget(exportPdf);
    foot->addStretch();
    foot->addWidget(close);

    auto* status = named(new QStatusBar, QStringLiteral("StatusBar"));
    status->setSizeGripEnabled(true);
    auto* fileName = bound<QLabel>(form.StatusFileName, QStringLiteral("StatusFileName"));
    status->addPermanentWidget(fileName);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 0);
    outer->addWidget(split, 1);
    outer->addLayout(foot);
    outer->addWidget(status);

    // The keyboard goes down the left, then the results, then the foot.
    tabOrder_ = {poles,     add,          insert,       remove,  import,
                 clearance, worksheetSag, typedTension, tension, tabs->tabBar(),
                 results,   stringing,    newLine,      open,    save,
                 saveAs,    print,        exportPdf,    close};

    const auto key = [this](QKeySequence keys, ui::Button& button, const char* name) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setObjectName(QLatin1String(name));
        connect(shortcut, &QShortcut::activated, this,
                [&button] { RunGuarded([&] { button.click(); }); });
    };
    key(QKeySequence::New, form.New, "NewShortcut");
    key(QKeySequence::Open, form.Open, "OpenShortcut");
    key(QKeySequence::Save, form.Save, "SaveShortcut");
    key(QKeySequence(QStringLiteral("Ctrl+Shift+S")), form.SaveAs, "SaveAsShortcut");
    key(QKeySequence::Print, form.Print, "PrintShortcut");
    // Exit reaches the whole program from this window too, with its questions.
    auto* exit = new QShortcut(
        QKeySequence(QString::fromUtf8(CommandOf(Command::Exit).shortcuts.data(),
                                       static_cast<qsizetype>(CommandOf(Command::Exit).shortcuts.size()))),
        this);
    exit->setObjectName(QStringLiteral("ExitShortcut"));
    connect(exit, &QShortcut::activated, this,
            [this] { RunGuarded([this] { RunCommand(session_->program, Command::Exit); }); });

    form.onShownChanged = [this] {
        if (session_->form.shown()) {
            show();
            raise();
            activateWindow();
        } else if (isVisible()) {
            hide();
        }
    };
    program.onUnitSystemChange.connect([self = QPointer<LineWindow>(this)] {
        if (self) self->showTips();
    });
    showTips();
    resize(1100, 720);
}

LineWindow::~LineWindow() {
    // The widgets go before the session whose controls they show.
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

void LineWindow::showTips() {
    ShowControlTips(TipWindow::Line, this, session_->program.units);
}

void LineWindow::open() {
    RunGuarded([&] { line::ShowLineWindow(*session_); });
}

void LineWindow::dismiss() {
    if (session_->form.shown()) session_->form.hide();
}

void LineWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) return;
    placed_ = true;
    // Inside the screen's free area, at most its size.
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        resize(size().boundedTo(area.size() - QSize(16, 48)));
        move(area.left() + std::max(0, (area.width() - width()) / 2),
             area.top() + std::max(0, (area.height() - height()) / 2));
    }
}

bool LineWindow::focusNextPrevChild(bool next) {
    QWidget* now = focusWidget();
    const auto n = static_cast<int>(tabOrder_.size());
    int at = -1;
    for (int i = 0; i < n && at < 0; ++i)
        if (tabOrder_[static_cast<size_t>(i)] == now ||
            tabOrder_[static_cast<size_t>(i)]->isAncestorOf(now))
            at = i;
    if (at < 0) return QWidget::focusNextPrevChild(next);
    for (int step = 1; step < n; ++step) {
        QWidget* w = tabOrder_[static_cast<size_t>(((at + (next ? step : -step)) % n + n) % n)];
        // Of a pair of option buttons, only the chosen one is a stop; the arrows choose.
        const auto* option = qobject_cast<QRadioButton*>(w);
        if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) ||
            (option && !option->isChecked()))
            continue;
        w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

void LineWindow::keyPressEvent(QKeyEvent* event) {
    // Escape that no field took (a cell's edit takes its own) closes as "Close" does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        RunGuarded([&] { session_->form.Close.click(); });
        return;
    }
    QWidget::keyPressEvent(event);
}

void LineWindow::closeEvent(QCloseEvent* event) {
    bool closed = true;
    RunGuarded([&] { closed = line::CloseLineWindow(*session_); });
    if (closed)
        event->accept();
    else
        event->ignore();
}

}  // namespace cn3::qt
