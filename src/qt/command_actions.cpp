#include "qt/command_actions.h"

#include <QPointer>
#include <QShortcut>

#include "qt/guarded.h"
#include "qt/qt_text.h"

namespace cn3::qt {

QList<QKeySequence> CommandKeys(const CommandEntry& command) {
    if (command.shortcuts.empty()) return {};
    return QKeySequence::listFromString(toQ(command.shortcuts), QKeySequence::PortableText);
}

void AddCommandShortcuts(QWidget* window, Program& program, Command id) {
    const CommandEntry& command = CommandOf(id);
    if (!command.run) return;
    const QList<QKeySequence> keys = CommandKeys(command);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        auto* shortcut = new QShortcut(keys[i], window);
        QString name = toQ(command.name) + QStringLiteral("Shortcut");
        if (i > 0) name += QString::number(i + 1);
        shortcut->setObjectName(name);
        Program* p = &program;
        QObject::connect(shortcut, &QShortcut::activated, window,
                         [p, id] { RunGuarded([&] { RunCommand(*p, id); }); });
    }
}

QAction* CommandAction(QObject* parent, Program& program, Command id) {
    const CommandEntry& command = CommandOf(id);
    QString text = toQ(command.menuText);
    const QList<QKeySequence> keys = CommandKeys(command);
    if (!keys.isEmpty()) text += QLatin1Char('\t') + keys.front().toString(QKeySequence::NativeText);
    auto* action = new QAction(text, parent);
    action->setObjectName(toQ(command.name) + QStringLiteral("Action"));
    action->setToolTip(toQ(command.tip));
    action->setStatusTip(toQ(command.tip));
    action->setVisible(command.run != nullptr);
    Program* p = &program;
    QObject::connect(action, &QAction::triggered, action,
                     [p, id] { RunGuarded([&] { RunCommand(*p, id); }); });
    if (command.button) {
        ui::Button* button = command.button(program.main);
        QPointer<QAction> watched(action);
        const auto follow = [watched, button] {
            if (watched) watched->setEnabled(button->enabled());
        };
        button->observe(follow);
        follow();
    }
    return action;
}

}  // namespace cn3::qt
