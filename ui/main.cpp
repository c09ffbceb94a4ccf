#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "ui/main_window.h"
#include "ui/startup.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    trend::PrepareApplication(application);
    const std::optional<QString> file = trend::FileFromCommandLine(application);
    try {
        const auto window = trend::ShowMainWindow(file);
        QApplication::exec();
    } catch (const std::exception& failure) {
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QApplication::applicationName(), QString());
    }
    return 0;  // the viewer saves nothing, so closing the window always ends well
}
