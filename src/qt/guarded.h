// Runs a model operation on behalf of a Qt slot or event handler. An exception must not reach
// Qt's event loop (Qt cannot pass it on and the program would end with the worksheet lost),
// so one that escapes an operation is shown in a message box and the program goes on.
#pragma once

#include <functional>

namespace cn3::qt {

void RunGuarded(const std::function<void()>& operation);

}  // namespace cn3::qt
