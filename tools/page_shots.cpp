// Screenshots of every page of the real main window for a worked example: a 1/4 in EHS strand
// with three coax cables over 150 ft, both NESC options and the temperature table shown.
// Usage: cn3_page_shots OUTPUT_FOLDER [WIDTHxHEIGHT | min [stale] [editing] [gray]]. Runs offscreen
// in a temporary data folder filled from the shipped data; used to compare the window before and
// after a change.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <string_view>

#include "app/start_up.h"
#include "qt/main_window.h"
#include "tool_support.h"

namespace {

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
    cn3::tools::UseWideOffscreenScreen();
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(
            stderr,
            "usage: cn3_page_shots OUTPUT_FOLDER [WIDTHxHEIGHT | min [stale] [editing] [gray]]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir data;
    for (const char* name : {"CABLEDAT.TXT", "CN3NESC.TXT"})
        QFile::copy(QStringLiteral(CN3_SOURCE_DIR "/data/") + QLatin1String(name),
                    data.filePath(QLatin1String(name)));

    cn3::Program program;
    cn3::tools::ToolDialogs dialogs;
    program.dialogs = &dialogs;
    program.dataFolder = data.path().toStdString();
    cn3::qt::MainWindow window(program);
    if (!cn3::StartProgram(program)) return 1;
    window.show();
    settle();

    program.main.Text2.setText("12/06/26");
    cn3::tools::ClickCable(program, 0, "1/4 EHS 6M");
    cn3::tools::ClickCable(program, 1, "P 500");
    cn3::tools::ClickCable(program, 1, "C 875");
    cn3::tools::ClickCable(program, 1, "P 750");
    program.main.Text9[0].setText("150");
    program.main.Check2.setChecked(true);
    program.main.Text9[3].setText("18");
    program.main.Check1[0].setChecked(true);
    program.main.Check1[1].setChecked(true);
    settle();
    // Further words: "stale" types a sag of 0 (the results stay, with the line that says they
    // are not current); "editing" opens the user-defined cable panel; "gray" saves the pictures
    // in shades of gray (as the README's are, to keep them small).
    bool gray = false;
    for (int i = 3; i < argc; ++i) {
        const std::string_view word(argv[i]);
        if (word == "gray") gray = true;
        if (word == "stale") program.main.Text9[1].setText("0");
        if (word == "editing") {
            program.main.SSTab2.setTab(5);
            program.main.Command1.click();
        }
    }
    settle();
    if (argc > 2) {
        int w = 0, h = 0;
        // "min": the smallest the window can be made.
        if (std::string_view(argv[2]) == "min") window.resize(1, 1);
        if (std::sscanf(argv[2], "%dx%d", &w, &h) == 2) window.resize(w, h);
    }
    settle();

    for (int page = 0; page < 6; ++page) {
        window.pages()->setCurrentIndex(page);
        settle();
        QImage shot = window.grab().toImage();
        if (gray) shot = shot.convertToFormat(QImage::Format_Grayscale8);
        shot.save(QStringLiteral("%1/page-%2.png").arg(out).arg(page));
    }
    return 0;
}
