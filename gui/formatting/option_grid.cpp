#include "gui/formatting/option_grid.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace tagforge {

OptionGrid::OptionGrid(int columns) : grid_(new QGridLayout), columns_(columns) {}

void OptionGrid::addRow(std::initializer_list<Cell> cells) {
    int column = 0;
    for (const Cell& cell : cells) {
        Q_ASSERT(column + cell.columns <= columns_);
        if (cell.widget != nullptr) {
            grid_->addWidget(cell.widget, rows_, column, 1, cell.columns);
        } else if (cell.layout != nullptr) {
            grid_->addLayout(cell.layout, rows_, column, 1, cell.columns);
        }
        column += cell.columns;
    }
    ++rows_;
}

void OptionGrid::stretchColumn(int column) {
    grid_->setColumnStretch(column, 1);
}

QHBoxLayout* GrowingBeside(QWidget* grows, QWidget* beside) {
    auto* box = new QHBoxLayout;
    box->addWidget(grows, 1);
    box->addWidget(beside);
    return box;
}

QHBoxLayout* PackedLeft(std::initializer_list<QWidget*> widgets, int spacing) {
    auto* box = new QHBoxLayout;
    if (spacing >= 0) {
        box->setSpacing(spacing);
    }
    for (QWidget* widget : widgets) {
        box->addWidget(widget);
    }
    box->addStretch();
    return box;
}

QHBoxLayout* PackedRight(std::initializer_list<QWidget*> widgets) {
    auto* box = new QHBoxLayout;
    box->addStretch();
    for (QWidget* widget : widgets) {
        box->addWidget(widget);
    }
    return box;
}

}  // namespace tagforge
