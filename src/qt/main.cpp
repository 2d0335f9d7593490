#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("CN3 - CATENOVA  Release 3.1 by Norvale   (English Units)");
    window.resize(1024, 720);
    window.show();
    return app.exec();
}
