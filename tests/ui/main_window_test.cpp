#include "ui/main_window.h"

#include <QApplication>
#include <QtTest>

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QTest::failOnWarning(QRegularExpression(".*")); }

    void showsTheViewersCaption() {
        TForm1 window;
        window.show();
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Графики трендов аналоговых сигналов приборов ТМВ-17"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
