#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    TForm1 window;
    window.show();
    application.exec();
    return 0;  // the viewer saves nothing, so closing the window always ends well
}
