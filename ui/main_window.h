#pragma once

// The viewer's one window: the group number, the "Из файла" button, the two hour spins and the
// two captions along the top, the chart, and the two readout tables with their colour markers
// under it. The window is thin wiring: the load, the overlay and the press are worked out by the
// viewer's sequences, and the window applies what they give to its controls.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <memory>

#include "ui/chart_widget.h"
#include "ui/shape.h"
#include "ui/string_grid.h"
#include "ui/up_down.h"
#include "viewer/load_sequence.h"
#include "viewer/stores.h"

class TForm1 : public QWidget, private trend::LoadTarget {
    Q_OBJECT

  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The controls, by the names the program's texts and handlers use.
    trend::TChart* Chart1;
    std::array<trend::TFastLineSeries*, trend::kInputsPerGroup> InputSeries{};
    QPushButton* OpenFile;
    QLabel* LabHourBegin;
    QLabel* LabHourQuant;
    QLineEdit* EditHourBegin;
    trend::TUpDown* UpDown1;
    QLineEdit* EditHourQuant;
    trend::TUpDown* UpDown2;
    QLabel* Label7;
    QLabel* Label8;
    trend::TStringGrid* StringGrid1;
    trend::TStringGrid* StringGrid2;
    std::array<trend::TShape*, trend::kInputsPerGroup> InputShapes{};
    QLineEdit* Edit1;
    QLabel* Label11;

    [[nodiscard]] const trend::ViewerStores& Stores() const { return stores_; }
    // Tests put a recorder in place of the real dialogs.
    void SetDialogs(std::unique_ptr<trend::Dialogs> dialogs);

    // Loads `path` as if it had been chosen in the open dialog (a file named at start).
    void OpenFileAtStart(const std::string& path);

    void OpenFileClick();
    void Chart1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void Chart1AfterDraw(trend::ChartCanvas& canvas);
    [[nodiscard]] trend::LoadChoices Choices();
    void RunGuarded(const std::function<void()>& handler);

    // What a load changes on the window.
    void ReadingFile(bool reading) override;
    void SetChartTitle(const std::string& text) override;
    void ClearSeries(int series) override;
    void AddPoints(int series, const trend::PointList& points) override;
    void SetCaption(trend::Caption caption, const std::string& text) override;
    void ClearReadoutRows() override;

    // From before the controls are built to the end of the program.
    trend::ViewerStores stores_;
    std::unique_ptr<trend::Dialogs> dialogs_;
    bool reading_file_ = false;
};
