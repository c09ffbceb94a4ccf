#include "ui/main_window.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QScreen>
#include <exception>

#include "ui/fonts.h"
#include "ui/qt_dialogs.h"
#include "viewer/key_filter.h"
#include "viewer/press_sequence.h"
#include "viewer/series_style.h"

using namespace trend;

namespace {

constexpr QColor kTeal(0x00, 0x80, 0x80);

QColor SeriesColor(int k) {
    return QColor::fromRgb(kSeriesStyles[k].rgb);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, QRect geometry, const QFont& font,
                  const QColor& color) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, color);
    label->setPalette(colours);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& text, QRect geometry, int max_length) {
    auto* edit = new QLineEdit(text, parent);
    edit->setGeometry(geometry);
    edit->setMaxLength(max_length);
    return edit;
}

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

std::string DecimalSeparator() {
    return QLocale().decimalPoint().toStdString();
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent), dialogs_(std::make_unique<QtDialogs>(this)) {
    setWindowTitle(QStringLiteral("Графики трендов аналоговых сигналов приборов ТМВ-17"));
    setFont(WindowFont(11));
    // The client area of the window's 1225 x 806 with a standard frame.
    resize(1209, 768);

    Label11 = MakeLabel(this, QStringLiteral("№ группы"), {16, 6, 50, 13}, WindowFont(11),
                        palette().color(QPalette::WindowText));
    Label11->setWordWrap(false);
    Label11->adjustSize();
    Edit1 = MakeEdit(this, QStringLiteral("1"), {88, 4, 25, 21}, 1);
    Edit1->installEventFilter(this);
    OpenFile = new QPushButton(QStringLiteral("Из файла"), this);
    OpenFile->setGeometry(136, 4, 75, 25);
    connect(OpenFile, &QPushButton::clicked, this, [this] { OpenFileClick(); });

    LabHourBegin = MakeLabel(this, QStringLiteral("начальный час"), {248, 8, 113, 13},
                             WindowFont(11, true), kTeal);
    EditHourBegin = MakeEdit(this, QStringLiteral("1"), {368, 8, 41, 21}, 2);
    UpDown1 = new TUpDown(EditHourBegin, 1, kHoursPerDay, this);
    UpDown1->setGeometry(409, 8, 16, 21);
    LabHourQuant = MakeLabel(this, QStringLiteral("количество часов"), {448, 8, 129, 13},
                             WindowFont(11, true), kTeal);
    EditHourQuant = MakeEdit(this, QStringLiteral("1"), {592, 8, 41, 21}, 2);
    UpDown2 = new TUpDown(EditHourQuant, 1, kHoursPerDay, this);
    UpDown2->setGeometry(633, 8, 16, 21);
    Label8 = MakeLabel(this, Utf8(stores_.label8), {680, 8, 137, 13}, WindowFont(11), Qt::black);
    Label7 = MakeLabel(this, Utf8(stores_.label7), {840, 8, 250, 13}, WindowFont(11), Qt::black);

    Chart1 = new TChart(this);
    Chart1->setGeometry(8, 32, 1193, 625);
    Chart1->SetColor(Qt::white);
    Chart1->SetTitleText({QStringLiteral("TChart")});
    Chart1->SetFootText(QStringLiteral("№ точек измер.          "));  // ten spaces at the end
    Chart1->SetBottomAxisTitle(Utf8(stores_.window_texts.bottom_axis_title));
    for (int k = 0; k < kInputsPerGroup; ++k) {
        TFastLineSeries& series = Chart1->Series(k);
        series.SetTitle(Utf8(std::string(kSeriesStyles[k].title)));
        series.SetSeriesColor(SeriesColor(k));
    }
    Chart1->OnAfterDraw = [this](ChartCanvas& canvas) { Chart1AfterDraw(canvas); };
    Chart1->OnMouseDown = [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                 int y) { Chart1MouseDown(button, shift, x, y); };

    StringGrid1 = new TStringGrid({46, 70, 143, 88, 62, 107, 39}, this);
    StringGrid1->setGeometry(20, 660, 573, 106);
    StringGrid2 = new TStringGrid({46, 70, 144, 87, 62, 108, 38}, this);
    StringGrid2->setGeometry(612, 660, 573, 106);
    for (int k = 0; k < kInputsPerGroup; ++k) {
        auto* shape = new TShape(this);
        shape->setGeometry(k < 3 ? 4 : 596, 696 + 22 * (k % 3), 12, 12);
        InputShapes[k] = shape;
    }

    // The button, the two hour edits and the group edit, in this order; nothing else takes
    // the keyboard focus.
    setTabOrder(OpenFile, EditHourBegin);
    setTabOrder(EditHourBegin, EditHourQuant);
    setTabOrder(EditHourQuant, Edit1);
    OpenFile->setFocus();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    // The records of a load are placed into the hour slots as they are read, so there is no
    // record buffer to clear.
    for (int k = 0; k < kInputsPerGroup; ++k) {
        InputSeries[k] = &Chart1->Series(k);
        InputShapes[k]->SetBrushColor(InputSeries[k]->SeriesColor());
        InputShapes[k]->SetPenColor(InputSeries[k]->SeriesColor());
    }
    UpDown1->SetPosition(1);
    UpDown2->SetPosition(kHoursPerDay);
    Chart1->SetLeftAxisValuesFormat(kLeftAxisFormat);
}

void TForm1::SetDialogs(std::unique_ptr<Dialogs> dialogs) {
    dialogs_ = std::move(dialogs);
}

LoadChoices TForm1::Choices() {
    return {Edit1->text().toStdString(), UpDown1->Position(), UpDown2->Position()};
}

void TForm1::RunGuarded(const std::function<void()>& handler) {
    // Nothing may leave a handler through Qt's event loop: an unexpected failure is shown like the
    // load's own error, and the window stays usable with what the handler had changed.
    try {
        handler();
    } catch (const std::exception& failure) {
        ReadingFile(false);
        dialogs_->ShowError(failure.what());
    } catch (...) {
        ReadingFile(false);
        dialogs_->ShowError("");
    }
}

void TForm1::OpenFileClick() {
    RunGuarded([this] { trend::OpenFileClick(stores_, *dialogs_, *this, Choices()); });
}

void TForm1::OpenFileAtStart(const std::string& path) {
    RunGuarded([&] { LoadChosenFile(stores_, *dialogs_, *this, path, Choices()); });
}

void TForm1::Chart1AfterDraw(ChartCanvas& canvas) {
    const auto drawing =
        trend::Chart1AfterDraw(stores_, Chart1->BottomAxis().IStartPos,
                               Chart1->BottomAxis().IEndPos, Chart1->LeftAxis().IEndPos);
    if (!drawing) {
        return;
    }
    canvas.SetBrushColor(Qt::white);
    canvas.SetFontStyle(true, false);
    canvas.SetFontColor(Qt::blue);
    for (const OverlayDrawnText& text : drawing->texts) {
        canvas.TextOut(text.x, text.y, Utf8(text.text));
    }
    canvas.SetPenWidth(1);
    canvas.SetPenColor(Qt::blue);
    for (const OverlayTick& tick : drawing->ticks) {
        canvas.Line(tick.x, tick.top, tick.x, tick.bottom);
    }
}

void TForm1::Chart1MouseDown(Qt::MouseButton /*button*/, Qt::KeyboardModifiers /*shift*/, int x,
                             int /*y*/) {
    RunGuarded([&] {
        const PlotExtents plot{Chart1->BottomAxis().IStartPos, Chart1->BottomAxis().IEndPos,
                               Chart1->LeftAxis().IStartPos, Chart1->LeftAxis().IEndPos};
        const auto drawing = trend::Chart1MouseDown(stores_, x, plot, UpDown1->Position(),
                                                    UpDown2->Position(), DecimalSeparator());
        if (!drawing) {
            return;
        }
        for (int table = 0; table < 2; ++table) {
            TStringGrid* grid = table == 0 ? StringGrid1 : StringGrid2;
            for (const ReadoutCell& cell : drawing->tables[table]) {
                grid->SetCell(cell.column, cell.row, Utf8(cell.text));
            }
        }
        Chart1->ReDrawBitmap();
        const CursorMarker& marker = drawing->marker;
        Chart1->DrawOnVisibleImage([&](ChartCanvas& canvas) {
            canvas.SetPenWidth(1);
            canvas.SetPenColor(Qt::black);
            canvas.Line(marker.line_x, marker.line_top, marker.line_x, marker.line_bottom);
            canvas.SetFontSize(8);
            canvas.SetFontStyle(true, false);
            for (int k = 0; k < kInputsPerGroup; ++k) {
                const MarkerInput& input = marker.inputs[k];
                const QColor colour = InputSeries[k]->SeriesColor();
                canvas.SetBrushColor(Chart1->Color());
                canvas.SetPenColor(colour);
                canvas.SetFontColor(colour);
                canvas.TextOut(input.text_x, input.text_y, Utf8(input.text));
                canvas.SetBrushColor(colour);
                canvas.Ellipse(input.circle_x1, input.circle_y1, input.circle_x2, input.circle_y2);
            }
        });
    });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        // The group number filter sees typed characters only: keys that type none (Delete, the
        // arrows, Tab) and shortcuts such as paste act on the edit as usual.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool shortcut =
            key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!shortcut && !text.isEmpty() && key->key() != Qt::Key_Tab &&
            key->key() != Qt::Key_Backtab) {
            const char32_t typed = text.toUcs4().value(0);
            const bool typed_character = QChar::isPrint(typed) || typed == kBackspace;
            if (typed_character && Edit1KeyPress(typed) == 0) {
                return true;  // discarded
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::ReadingFile(bool reading) {
    if (reading == reading_file_) {
        return;
    }
    reading_file_ = reading;
    if (reading) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void TForm1::SetChartTitle(const std::string& text) {
    // The title holds the file's name as the file system spells it.
    Chart1->SetTitleText({QFile::decodeName(QByteArray::fromStdString(text))});
}

void TForm1::ClearSeries(int series) {
    InputSeries[series]->Clear();
}

void TForm1::AddPoints(int series, const PointList& points) {
    TFastLineSeries& line = *InputSeries[series];
    for (const PlotPoint& point : points) {
        line.AddXY(point.x, point.y, QString(), line.SeriesColor());
    }
}

void TForm1::SetCaption(Caption caption, const std::string& text) {
    switch (caption) {
        case Caption::Label7:
            Label7->setText(Utf8(text));
            break;
        case Caption::Label8:
            Label8->setText(Utf8(text));
            break;
        case Caption::BottomAxisTitle:
            Chart1->SetBottomAxisTitle(Utf8(text));
            break;
        default:
            // The time labels are never shown: the overlay draws their texts from the stores.
            break;
    }
}

void TForm1::ClearReadoutRows() {
    for (int column = 0; column < kReadoutColumns; ++column) {
        for (int row = 1; row <= kInputsPerTable; ++row) {
            StringGrid1->SetCell(column, row, QString());
            StringGrid2->SetCell(column, row, QString());
        }
    }
}
