// Catenova: start-up runs headless on the program's state, then the main window shows it.
// With an option on the command line (--results, --report, --help ...) the program runs
// without a window instead, on the offscreen platform, and exits.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

#include "app/start_up.h"
#include "cli/command_line.h"
#include "files/crash_recovery.h"
#include "files/files_commands.h"
#include "line/line_recovery.h"
#include "qt/guarded.h"
#include "qt/line_window.h"
#include "qt/main_window.h"
#include "qt/qt_dialogs.h"
#include "qt/resources.h"

int main(int argc, char** argv) {
    if (cn3::cli::WantsHeadless(argc, argv)) {
        // Chosen before the application exists: no display is needed, nor looked for.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The error stream is the run's messages; the platform's own notes stay out of it.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "catenova: %s\n", qPrintable(text));
        });
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName(QStringLiteral("catenova"));
        QGuiApplication::setApplicationVersion(QStringLiteral(CN3_VERSION));
        return cn3::cli::RunHeadless(QGuiApplication::arguments());
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Catenova"));
    QApplication::setWindowIcon(cn3::qt::ProgramIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Sag and tension of aerial cable spans."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A span file to open."),
                                 QStringLiteral("[FILE.cn3]"));
    parser.process(app);

    cn3::Program program;
    cn3::qt::QtDialogs dialogs;
    program.dialogs = &dialogs;

    cn3::qt::MainWindow window(program);
    dialogs.setParent(&window);
    bool started = false;
    cn3::qt::RunGuarded([&] { started = cn3::StartProgram(program); });
    if (!started) return 1;  // the reason was shown in a message box

    window.show();
    // A span file named on the command line opens as "Open" would open it.
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        cn3::qt::RunGuarded([&] {
            cn3::OpenSpanFile(program, QFileInfo(files.front()).absoluteFilePath().toStdString());
        });
    // The worksheet is kept in a recovery file of this process; one left behind by a program
    // that did not close normally is offered (after the named file, which is safe on disk).
    // Then the same for the pole line, restored into the Pole Line window.
    cn3::qt::RunGuarded([&] {
        const auto pid = static_cast<long>(QCoreApplication::applicationPid());
        cn3::KeepRecoveryFile(program, pid);
        cn3::OfferRecovery(program);
        cn3::line::KeepLineRecoveryFile(program, pid);
        cn3::line::OfferLineRecovery(program, [&]() -> cn3::line::LineSession& {
            program.showPoleLine();
            return window.lineWindow()->session();
        });
    });
    return QApplication::exec();
}
