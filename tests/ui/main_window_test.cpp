// The window: its state at start, the group key filter, the spins, and loads through a recording
// dialog, with their effects on the widgets. The order of a load's effects and its early ends are
// tested without a window, on the viewer's sequence.

#include "ui/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QtTest>
#include <filesystem>

#include "tests/ui/recording_dialogs.h"
#include "tools/demo_days.h"
#include "tools/trend_file_builder.h"
#include "viewer/series_style.h"

using namespace trend;

namespace {

QColor At(const QImage& image, int x, int y) {
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(int(x * ratio + ratio / 2), int(y * ratio + ratio / 2));
}

QColor SeriesColour(int k) {
    return QColor::fromRgb(kSeriesStyles[k].rgb);
}

// The next widget that the Tab key gives the focus to.
QWidget* NextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() &&
                               next->isVisibleTo(widget->window()))) {
        next = next->nextInFocusChain();
    }
    return next;
}

void Type(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        QTest::keyClick(widget, character.toLatin1());
    }
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        dir_ = std::filesystem::temp_directory_path() /
               ("trend_window_" + std::to_string(QCoreApplication::applicationPid()));
        std::filesystem::create_directories(dir_);
        demo_day_ = (dir_ / "demo-day.dat").string();
        QVERIFY(WriteBytesToFile(demo_day_, CompleteDemoDay()));
        two_groups_ = (dir_ / "two-groups.dat").string();
        TrendFileBuilder builder(2);
        builder.Stamp({2023, 3, 7, 8, 5});
        for (int h = 0; h < 24; ++h) {
            builder.HourBlock(static_cast<std::int16_t>(h));
        }
        QVERIFY(WriteBytesToFile(two_groups_, builder.Bytes()));
        levels_ = (dir_ / "levels.dat").string();
        builder.Samples([](int, int, int position) {
            return static_cast<std::int16_t>(1000 + 1500 * ((position % 12) / 2));
        });
        QVERIFY(WriteBytesToFile(levels_, builder.Bytes()));
    }
    void cleanupTestCase() { std::filesystem::remove_all(dir_); }
    void init() { QTest::failOnWarning(QRegularExpression(".*")); }

    void startsAsBeforeTheFirstLoad() {
        TForm1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Графики трендов аналоговых сигналов приборов ТМВ-17"));
        QCOMPARE(window.size(), QSize(1209, 768));
        QCOMPARE(window.Edit1->text(), QStringLiteral("1"));
        QCOMPARE(window.EditHourBegin->text(), QStringLiteral("1"));
        QCOMPARE(window.EditHourQuant->text(), QStringLiteral("24"));
        QCOMPARE(window.UpDown1->Position(), 1);
        QCOMPARE(window.UpDown2->Position(), 24);
        QCOMPARE(window.Label8->text(), QStringLiteral("Дата"));
        QCOMPARE(window.Label7->text(), QStringLiteral("Время создания  файла "));
        QCOMPARE(window.Chart1->TitleText(), QStringList{QStringLiteral("TChart")});
        QCOMPARE(window.Chart1->BottomAxisTitle(), QStringLiteral("12:00"));
        QCOMPARE(window.Chart1->geometry(), QRect(8, 32, 1193, 625));
        for (int k = 0; k < kInputsPerGroup; ++k) {
            QVERIFY(window.InputSeries[k]->Points().empty());
        }
        for (TStringGrid* grid : {window.StringGrid1, window.StringGrid2}) {
            for (int row = 0; row < 4; ++row) {
                for (int column = 0; column < 7; ++column) {
                    QCOMPARE(grid->Cell(column, row), QString());
                }
            }
            QVERIFY(!grid->isEnabled());
            QCOMPARE(grid->focusPolicy(), Qt::NoFocus);
        }
        // The colour markers in the series colours, probed at their centres.
        const QImage image = window.grab().toImage();
        for (int k = 0; k < kInputsPerGroup; ++k) {
            const QRect marker = window.InputShapes[k]->geometry();
            QCOMPARE(At(image, marker.center().x(), marker.center().y()), SeriesColour(k));
        }
        QCOMPARE(window.Stores().OverlayRequest, 0);
        // Tab order: the button, the two hour edits, the group edit, and round again.
        QCOMPARE(NextTabStop(window.OpenFile), window.EditHourBegin);
        QCOMPARE(NextTabStop(window.EditHourBegin), window.EditHourQuant);
        QCOMPARE(NextTabStop(window.EditHourQuant), window.Edit1);
        QCOMPARE(NextTabStop(window.Edit1), window.OpenFile);
    }

    void groupEditTakesOnlyTheDigitsOneToEight_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("holds");
        QTest::newRow("nine") << "\b9"
                              << "";
        QTest::newRow("zero") << "\b0"
                              << "";
        QTest::newRow("letter") << "\ba"
                                << "";
        QTest::newRow("space") << "\b "
                               << "";
        QTest::newRow("backspace then five") << "\b5"
                                             << "5";
        QTest::newRow("eight") << "\b8"
                               << "8";
        QTest::newRow("one character at most") << "\b23"
                                               << "2";
        QTest::newRow("nine after a digit") << "9"
                                            << "1";
    }
    void groupEditTakesOnlyTheDigitsOneToEight() {
        QFETCH(QString, typed);
        QFETCH(QString, holds);
        TForm1 window;
        window.show();
        window.Edit1->setFocus();
        window.Edit1->end(false);
        for (const QChar character : typed) {
            if (character == QLatin1Char('\b')) {
                QTest::keyClick(window.Edit1, Qt::Key_Backspace);
            } else {
                QTest::keyClick(window.Edit1, character.toLatin1());
            }
        }
        QCOMPARE(window.Edit1->text(), holds);
    }

    void groupEditFilterLeavesOtherKeysAndPasteAlone() {
        TForm1 window;
        window.show();
        window.Edit1->setFocus();
        // Delete types no character (X11 gives it the text DEL): it acts on the edit as usual.
        window.Edit1->home(false);
        QTest::sendKeyEvent(QTest::Click, window.Edit1, Qt::Key_Delete, QString(QChar(0x7F)),
                            Qt::NoModifier);
        QCOMPARE(window.Edit1->text(), QString());
        // Pasted text is not filtered; the edit still holds one character at most. X11 gives
        // Ctrl+V the control character 0x16 as its text.
        QApplication::clipboard()->setText(QStringLiteral("90"));
        QTest::sendKeyEvent(QTest::Click, window.Edit1, Qt::Key_V, QString(QChar(0x16)),
                            Qt::ControlModifier);
        QCOMPARE(window.Edit1->text(), QStringLiteral("9"));
    }

    void spinsStopAtTheirEndsAndKeepTheirPositionForBadTexts() {
        TForm1 window;
        window.show();
        QTest::mouseClick(window.UpDown2->UpButton(), Qt::LeftButton);
        QCOMPARE(window.UpDown2->Position(), 24);
        QCOMPARE(window.EditHourQuant->text(), QStringLiteral("24"));
        QTest::mouseClick(window.UpDown1->DownButton(), Qt::LeftButton);
        QCOMPARE(window.UpDown1->Position(), 1);
        QTest::keyClick(window.EditHourBegin, Qt::Key_Up);
        QTest::keyClick(window.EditHourBegin, Qt::Key_Up);
        QCOMPARE(window.UpDown1->Position(), 3);
        QCOMPARE(window.EditHourBegin->text(), QStringLiteral("3"));
        QTest::keyClick(window.EditHourBegin, Qt::Key_Down);
        QCOMPARE(window.UpDown1->Position(), 2);

        for (const QString& text : {QStringLiteral("30"), QStringLiteral("ab")}) {
            window.EditHourQuant->selectAll();
            Type(window.EditHourQuant, text);
            QCOMPARE(window.EditHourQuant->text(), text);
            QCOMPARE(window.UpDown2->Position(), 24);
        }
        window.EditHourQuant->selectAll();
        Type(window.EditHourQuant, QStringLiteral("6"));
        QCOMPARE(window.UpDown2->Position(), 6);
    }

    void loadUsesTheSpinPositionNotABadText() {
        TForm1 window;
        RecordingDialogs& dialogs = RecordingDialogs::InstallOn(window);
        dialogs.chosen = two_groups_;
        window.UpDown1->SetPosition(7);
        window.EditHourQuant->setText(QStringLiteral("6"));
        (void)window.UpDown2->Position();
        window.EditHourQuant->setText(QStringLiteral("30"));  // 7 + 30 would be refused
        QTest::mouseClick(window.OpenFile, Qt::LeftButton);
        QCOMPARE(window.InputSeries[0]->Points().size(), std::size_t{720});
        QCOMPARE(window.Chart1->BottomAxisTitle(), QStringLiteral("09:00"));
    }

    void completeLoadFillsTheChartAndCaptions() {
        TForm1 window;
        RecordingDialogs& dialogs = RecordingDialogs::InstallOn(window);
        dialogs.chosen = demo_day_;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.Edit1->setText(QStringLiteral("8"));
        QTest::mouseClick(window.OpenFile, Qt::LeftButton);

        QCOMPARE(dialogs.shown,
                 (std::vector<std::string>{"dialog Открытие файла накопления трендов at ''"}));
        QCOMPARE(window.Chart1->TitleText(),
                 QStringList{QStringLiteral("Файл: ") + QString::fromStdString(demo_day_)});
        const ViewerStores& stores = window.Stores();
        for (int k = 0; k < kInputsPerGroup; ++k) {
            const auto& points = window.InputSeries[k]->Points();
            QCOMPARE(points.size(), std::size_t{2880});
            for (std::size_t i = 0; i < points.size(); ++i) {
                QCOMPARE(points[i].x, double(i));
                QCOMPARE(points[i].y, double(stores.sample_table.At(k, int(i))));
            }
        }
        QCOMPARE(window.Label7->text(), QStringLiteral("Время начала накопления: 0:0"));
        QCOMPARE(window.Label8->text(), QStringLiteral("Дата: 10.12.2026"));
        QCOMPARE(window.Chart1->BottomAxisTitle(), QStringLiteral("12:00"));
        QCOMPARE(stores.window_texts.label1, std::string("0:00"));
        QCOMPARE(stores.window_texts.label2, std::string("24:00"));
        QCOMPARE(stores.OverlayRequest, 1);
        QVERIFY(window.Chart1->NeedsFullRedraw());

        // The next load's dialog starts at the remembered file.
        dialogs.chosen.reset();
        QTest::mouseClick(window.OpenFile, Qt::LeftButton);
        QCOMPARE(dialogs.shown.back(),
                 "dialog Открытие файла накопления трендов at '" + demo_day_ + "'");
        QCOMPARE(window.InputSeries[0]->Points().size(), std::size_t{2880});
    }

    void earlyEndShowsItsMessageAndKeepsThePlot() {
        TForm1 window;
        RecordingDialogs& dialogs = RecordingDialogs::InstallOn(window);
        dialogs.chosen = two_groups_;
        QTest::mouseClick(window.OpenFile, Qt::LeftButton);
        QCOMPARE(window.InputSeries[3]->Points().size(), std::size_t{2880});

        window.Edit1->setText(QStringLiteral("3"));
        QTest::mouseClick(window.OpenFile, Qt::LeftButton);
        QCOMPARE(dialogs.shown.back(),
                 std::string("message В указанном файле только 2 гр. | Предупреждение"));
        QCOMPARE(window.InputSeries[3]->Points().size(), std::size_t{2880});
        QCOMPARE(window.Label8->text(), QStringLiteral("Дата: 7.3.2023"));

        window.Edit1->clear();
        QTest::mouseClick(window.OpenFile, Qt::LeftButton);
        QCOMPARE(dialogs.shown.back(), std::string("error '' is not a valid integer value"));
        QVERIFY(window.isEnabled());

        // A refused window empties the series and keeps the captions.
        window.Edit1->setText(QStringLiteral("1"));
        window.UpDown1->SetPosition(2);
        QTest::mouseClick(window.OpenFile, Qt::LeftButton);
        QCOMPARE(dialogs.shown.back(),
                 std::string("message проверьте, правильно ли заданы\nначальный час и "
                             "количество часов | Предупреждение"));
        QVERIFY(window.InputSeries[3]->Points().empty());
        QCOMPARE(window.Label8->text(), QStringLiteral("Дата: 7.3.2023"));
    }

    void cancelledDialogChangesNothing() {
        TForm1 window;
        RecordingDialogs& dialogs = RecordingDialogs::InstallOn(window);
        QTest::mouseClick(window.OpenFile, Qt::LeftButton);
        QCOMPARE(dialogs.shown.size(), std::size_t{1});
        QCOMPARE(window.Chart1->TitleText(), QStringList{QStringLiteral("TChart")});
        QCOMPARE(window.Label7->text(), QStringLiteral("Время создания  файла "));
        QCOMPARE(window.Stores().remembered_file_name, std::string());
    }

    void linesStandOnTheAxesAfterALoad() {
        TForm1 window;
        RecordingDialogs& dialogs = RecordingDialogs::InstallOn(window);
        dialogs.chosen = levels_;
        window.show();
        QTest::mouseClick(window.OpenFile, Qt::LeftButton);
        const QImage image = window.Chart1->grab().toImage();
        const int left = window.Chart1->BottomAxis().IStartPos;
        const int right = window.Chart1->BottomAxis().IEndPos;
        const int top = window.Chart1->LeftAxis().IStartPos;
        const int bottom = window.Chart1->LeftAxis().IEndPos;
        // Roughly the layout of the recorder's software on a chart of this size.
        QVERIFY2(std::abs(left - 57) <= 10, qPrintable(QString::number(left)));
        QVERIFY2(std::abs(right - 1181) <= 2, qPrintable(QString::number(right)));
        QVERIFY2(std::abs(bottom - 560) <= 6, qPrintable(QString::number(bottom)));
        // Input k holds 10 + 15k % all day: a level line at its row, from end to end of the plot.
        for (int k = 0; k < kInputsPerGroup; ++k) {
            const int y = bottom - int(std::lround((10 + 15 * k) * (bottom - top) / 100.0));
            for (const int x : {left + 1, (left + right) / 2, right - 1}) {
                QVERIFY2(At(image, x, y) == SeriesColour(k),
                         qPrintable(QStringLiteral("series %1 at %2, %3").arg(k).arg(x).arg(y)));
            }
        }
    }

  private:
    std::filesystem::path dir_;
    std::string demo_day_;
    std::string two_groups_;
    std::string levels_;
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
