#include "ui/startup.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "ui/main_window.h"

namespace trend {

void PrepareApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("trend-viewer"));
    QApplication::setApplicationVersion(QStringLiteral(TREND_VIEWER_VERSION));
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
}

std::optional<QString> FileFromCommandLine(const QApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Графики трендов аналоговых сигналов приборов ТМВ-17: просмотр файлов "
                       "накопления трендов (.dat)."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("файл"),
        QStringLiteral("Файл трендов, открываемый при запуске: группа 1, часы с 1-го по 24-й."),
        QStringLiteral("[файл]"));
    parser.process(application);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs(
            qPrintable(QStringLiteral("Можно указать только один файл.\n\n") + parser.helpText()),
            stderr);
        std::exit(2);
    }
    if (files.isEmpty()) {
        return std::nullopt;
    }
    // The chart title names the file by its full path, as the open dialog gives it.
    return QFileInfo(files.front()).absoluteFilePath();
}

std::unique_ptr<TForm1> ShowMainWindow(const std::optional<QString>& file) {
    auto window = std::make_unique<TForm1>();
    window->show();
    if (file) {
        // After the window is on the screen, so that the load's messages stand over it.
        const std::string path = QFile::encodeName(*file).toStdString();
        QTimer::singleShot(0, window.get(),
                           [form = window.get(), path] { form->OpenFileAtStart(path); });
    }
    return window;
}

}  // namespace trend
