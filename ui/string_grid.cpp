#include "ui/string_grid.h"

#include <QHeaderView>

#include "ui/fonts.h"

namespace trend {

namespace {
constexpr int kRows = 4;
constexpr int kRowHeight = 24;
}  // namespace

TStringGrid::TStringGrid(const std::array<int, 7>& column_widths, QWidget* parent)
    : QTableWidget(kRows, static_cast<int>(column_widths.size()), parent) {
    setFont(WindowFont(11));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    for (int column = 0; column < columnCount(); ++column) {
        setColumnWidth(column, column_widths[column]);
    }
    for (int row = 0; row < kRows; ++row) {
        setRowHeight(row, kRowHeight);
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);

    // Disabled, yet painted like an enabled table on white cells.
    QPalette colours = palette();
    for (const QPalette::ColorRole role :
         {QPalette::Text, QPalette::WindowText, QPalette::Base, QPalette::Window}) {
        colours.setColor(QPalette::Disabled, role, colours.color(QPalette::Active, role));
    }
    colours.setColor(QPalette::Active, QPalette::Base, Qt::white);
    colours.setColor(QPalette::Inactive, QPalette::Base, Qt::white);
    colours.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
    setPalette(colours);
    setEnabled(false);
}

void TStringGrid::SetCell(int column, int row, const QString& text) {
    QTableWidgetItem* cell = item(row, column);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled);
        cell->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setItem(row, column, cell);
    }
    cell->setText(text);
}

QString TStringGrid::Cell(int column, int row) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell == nullptr ? QString() : cell->text();
}

}  // namespace trend
