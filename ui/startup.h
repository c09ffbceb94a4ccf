#pragma once

// Start-up of the viewer: the application's name and version, Qt's own translations for the
// user's locale, the command line, and the window with the file it names, if any.

#include <QApplication>
#include <QString>
#include <memory>
#include <optional>

class TForm1;

namespace trend {

// Sets the application's name and version and loads Qt's translations (file dialog, buttons)
// for the user's locale.
void PrepareApplication(QApplication& application);

// The file named on the command line, if any. Prints help or the version and ends the program
// for --help and --version, and ends it with an error for anything it does not understand.
[[nodiscard]] std::optional<QString> FileFromCommandLine(const QApplication& application);

// The main window, shown centred, loading `file` once the event loop runs.
[[nodiscard]] std::unique_ptr<TForm1> ShowMainWindow(const std::optional<QString>& file);

}  // namespace trend
