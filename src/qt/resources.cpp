#include "qt/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterCatenovaResources() {
    Q_INIT_RESOURCE(catenova);
}

namespace cn3::qt {

void LoadResources() {
    static const bool loaded = (RegisterCatenovaResources(), true);
    (void)loaded;
}

QIcon ProgramIcon() {
    LoadResources();
    return QIcon(QStringLiteral(":/catenova/icon.png"));
}

}  // namespace cn3::qt
