#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

namespace trend {

namespace {

// A modal box with one OK button, blocking every window of the program until it is closed.
void ShowBox(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace

std::optional<std::string> QtDialogs::ChooseFile(std::string_view title,
                                                 const std::string& file_name) {
    const QString chosen = QFileDialog::getOpenFileName(
        window_, QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
        QFile::decodeName(QByteArray::fromStdString(file_name)),
        QStringLiteral("Файлы типа .dat (*.dat*);;Все файлы (*)"));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(chosen).toStdString();
}

void QtDialogs::ShowMessage(const MessageBoxText& message) {
    ShowBox(QMessageBox::Warning, QString::fromStdString(message.title),
            QString::fromStdString(message.text));
}

void QtDialogs::ShowError(const std::string& message) {
    ShowBox(QMessageBox::Critical, QApplication::applicationName(),
            QString::fromStdString(message));
}

}  // namespace trend
