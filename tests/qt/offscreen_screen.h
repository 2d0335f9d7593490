// The Qt tests' screen: the offscreen platform with one screen of 1920 x 1080 (the platform's
// own 800 x 600 is smaller than the window's smallest size, where the pages would scroll).
// Each test process writes its own platform file, named with its process id: CTest starts
// several at once, and one rewriting a shared file while another reads it fails that one.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

namespace cn3::test {

// Sets the platform up for the QApplication about to be made; gives the file to remove once
// it is made (the platform reads it then).
inline QString UseWideOffscreenScreen() {
    const QString config = QDir::temp().filePath(
        QStringLiteral("cn3-qt-screen-%1.json").arg(QCoreApplication::applicationPid()));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly))
        file.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1920, "height": 1080,
                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    return config;
}

}  // namespace cn3::test
