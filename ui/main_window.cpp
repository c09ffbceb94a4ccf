#include "ui/main_window.h"

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Графики трендов аналоговых сигналов приборов ТМВ-17"));
    resize(1225, 806);
}
