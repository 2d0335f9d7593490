#include "qt/guarded.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "qt/qt_dialogs.h"

namespace cn3::qt {

namespace {
void ShowFault(const QString& what) {
    QMessageBox::warning(QApplication::activeWindow(), BoxTitle(),
                         QStringLiteral("Error - The last action could not be completed: ") + what,
                         QMessageBox::Ok);
}
}  // namespace

void RunGuarded(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const std::exception& e) {
        ShowFault(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowFault(QStringLiteral("an unexpected fault"));
    }
}

}  // namespace cn3::qt
