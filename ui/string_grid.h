#pragma once

// A readout table: 7 columns by 4 rows of text cells, row 0 the header. Only the program writes
// its cells: the table takes no focus, selection, scrolling or editing, and its text keeps the
// window-text colour rather than the grey of a disabled control.

#include <QTableWidget>
#include <array>

namespace trend {

class TStringGrid : public QTableWidget {
    Q_OBJECT

  public:
    TStringGrid(const std::array<int, 7>& column_widths, QWidget* parent = nullptr);

    void SetCell(int column, int row, const QString& text);
    [[nodiscard]] QString Cell(int column, int row) const;
};

}  // namespace trend
