// Catenova: start-up runs headless on the program's state, then the main window shows it.
#include <QApplication>

#include "app/start_up.h"
#include "qt/guarded.h"
#include "qt/main_window.h"
#include "qt/qt_dialogs.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Catenova"));

    cn3::Program program;
    cn3::qt::QtDialogs dialogs;
    program.dialogs = &dialogs;

    cn3::qt::MainWindow window(program);
    dialogs.setParent(&window);
    bool started = false;
    cn3::qt::RunGuarded([&] { started = cn3::StartProgram(program); });
    if (!started) return 1;  // the reason was shown in a message box

    window.show();
    return QApplication::exec();
}
