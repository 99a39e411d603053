#pragma once

// The one place where a toolbar command's failure is reported. Qt does not
// carry exceptions through its event loop, so every command runs inside
// Run(): a std::exception ends the command and its message is shown in the
// standard error box, titled with the application's name.

#include <QString>
#include <functional>

class QWidget;

namespace CommandGuard {

// The message as the error box shows it: with a full stop added when it does
// not already end in one.
QString ErrorText(const QString& message);

// Runs the command; on a std::exception shows the error box over `parent` and
// returns false.
bool Run(QWidget* parent, const std::function<void()>& command);

} // namespace CommandGuard
