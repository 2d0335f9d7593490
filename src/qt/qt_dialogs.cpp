#include "qt/qt_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

#include "qt/qt_text.h"

namespace cn3::qt {

QString QtFileFilter(std::string_view filter) {
    const QStringList parts = toQ(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString patterns =
            QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')).trimmed();
        if (!description.contains(QLatin1Char('(') + patterns + QLatin1Char(')')))
            description += QStringLiteral(" (") + patterns + QLatin1Char(')');
        filters << description;
    }
    return filters.join(QStringLiteral(";;"));
}

QString BoxTitle() {
    return QStringLiteral("Catenova");
}

void QtDialogs::message(std::string_view text) {
    if (text.starts_with("Error - "))
        QMessageBox::warning(parent_, BoxTitle(), shown(text), QMessageBox::Ok);
    else
        QMessageBox::information(parent_, BoxTitle(), shown(text), QMessageBox::Ok);
}

bool QtDialogs::askYesNo(std::string_view text) {
    return QMessageBox::question(parent_, BoxTitle(), shown(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

ui::Answer QtDialogs::askYesNoCancel(std::string_view text) {
    // Escape and the title bar's close button press the escape button: Cancel.
    QMessageBox box(QMessageBox::Question, BoxTitle(), shown(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.setObjectName(QStringLiteral("YesNoCancelQuestion"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return ui::Answer::Yes;
        case QMessageBox::No:
            return ui::Answer::No;
        default:
            return ui::Answer::Cancel;
    }
}

std::string QtDialogs::input(std::string_view prompt, std::string_view title,
                             std::string_view defaultAnswer) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent_, title.empty() ? BoxTitle() : toQ(title), shown(prompt),
                              QLineEdit::Normal, toQ(defaultAnswer), &ok);
    return ok ? fromQ(answer) : std::string();
}

namespace {
// The current file where it is (an opened span keeps its folder); a name without a folder
// that exists is proposed in the start folder.
QString StartPath(const ui::FileDialogRequest& request) {
    const QFileInfo current(toQ(request.fileName));
    if (current.isAbsolute() && current.dir().exists()) return current.absoluteFilePath();
    return QDir(toQ(request.startFolder)).filePath(current.fileName());
}
}  // namespace

std::optional<std::string> QtDialogs::openFile(const ui::FileDialogRequest& request) {
    const QString path = QFileDialog::getOpenFileName(parent_, BoxTitle(), StartPath(request),
                                                      QtFileFilter(request.filter));
    if (path.isEmpty()) return std::nullopt;
    return fromQ(path);
}

QString DefaultSuffix(std::string_view filter) {
    const QStringList parts = toQ(filter).split(QLatin1Char('|'));
    if (parts.size() < 2) return {};
    const QString first = parts[1].split(QLatin1Char(';')).first().trimmed();
    if (!first.startsWith(QStringLiteral("*.")) || first.indexOf(QLatin1Char('*'), 1) >= 0)
        return {};
    return first.mid(2);
}

std::optional<std::string> QtDialogs::saveFile(const ui::FileDialogRequest& request) {
    // A dialog of its own rather than getSaveFileName, for the default suffix: "span1" is
    // saved as "span1.cn3", and the overwrite question asks about that file.
    QFileDialog dialog(parent_, BoxTitle(), StartPath(request), QtFileFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(DefaultSuffix(request.filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return fromQ(dialog.selectedFiles().first());
}

}  // namespace cn3::qt
