#include "qt/menu_bar.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "app/commands.h"
#include "files/files_commands.h"
#include "files/recent_files.h"
#include "qt/command_actions.h"
#include "qt/guarded.h"
#include "qt/qt_text.h"

namespace cn3::qt {

namespace {

QMenu* menu(QMenuBar* bar, const QString& title, const QString& name) {
    QMenu* m = bar->addMenu(title);
    m->setObjectName(name);
    m->setToolTipsVisible(true);
    return m;
}

void add(QMenu* m, Program& program, Command id) {
    m->addAction(CommandAction(m, program, id));
}

// The recent files, written afresh each time the menu opens: "&1 span.cn3", the full path as
// its tip; "(none)" greyed while there are none.
void FillRecent(QMenu* recent, Program& program) {
    recent->clear();
    const std::vector<std::string> files = ReadRecentFiles(program.dataFolder);
    if (files.empty()) {
        recent->addAction(QStringLiteral("(none)"))->setEnabled(false);
        return;
    }
    Program* p = &program;
    for (size_t i = 0; i < files.size(); ++i) {
        const QString path = QString::fromLocal8Bit(files[i].data(), qsizetype(files[i].size()));
        QString text = QStringLiteral("&%1 ").arg(i + 1) + QFileInfo(path).fileName();
        QAction* entry = recent->addAction(text);
        entry->setObjectName(QStringLiteral("RecentFile_%1").arg(i));
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setData(path);
        const std::string chosen = files[i];
        QObject::connect(entry, &QAction::triggered, recent,
                         [p, chosen] { RunGuarded([&] { OpenChosenSpanFile(*p, chosen); }); });
    }
}

}  // namespace

void BuildMenuBar(QMainWindow* window, Program& program) {
    QMenuBar* bar = window->menuBar();

    QMenu* file = menu(bar, QStringLiteral("&File"), QStringLiteral("FileMenu"));
    add(file, program, Command::New);  // slot: shown once New has its operation
    add(file, program, Command::Open);
    QMenu* recent = file->addMenu(QStringLiteral("Open &Recent"));
    recent->setObjectName(QStringLiteral("OpenRecentMenu"));
    recent->setToolTipsVisible(true);
    QObject::connect(recent, &QMenu::aboutToShow, recent,
                     [recent, &program] { FillRecent(recent, program); });
    FillRecent(recent, program);
    add(file, program, Command::Save);
    add(file, program, Command::SaveAs);
    file->addSeparator();
    for (Command id : {Command::PrintReport, Command::CableList, Command::HelpPrint,
                       Command::ExportReportPdf})
        add(file, program, id);
    file->addSeparator();
    add(file, program, Command::Exit);

    // Slots: Undo and Redo come with the worksheet's edit history.
    QMenu* edit = menu(bar, QStringLiteral("&Edit"), QStringLiteral("EditMenu"));
    add(edit, program, Command::Undo);
    add(edit, program, Command::Redo);
    bool anyEdit = false;
    for (QAction* a : edit->actions()) anyEdit = anyEdit || a->isVisible();
    edit->menuAction()->setVisible(anyEdit);

    QMenu* tools = menu(bar, QStringLiteral("&Tools"), QStringLiteral("ToolsMenu"));
    add(tools, program, Command::PoleLine);

    QMenu* help = menu(bar, QStringLiteral("&Help"), QStringLiteral("HelpMenu"));
    add(help, program, Command::HelpPage);
    help->addSeparator();
    add(help, program, Command::About);
}

}  // namespace cn3::qt
