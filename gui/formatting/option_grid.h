#pragma once

#include <initializer_list>

class QGridLayout;
class QHBoxLayout;
class QLayout;
class QWidget;

namespace tagforge {

// Lays out rows of options in a grid. A row lists its cells left to right and each cell takes the
// next columns, so a row is placed in the one statement that names its widgets.
class OptionGrid {
  public:
    // A widget, a nested layout or an empty gap, `width` columns wide.
    struct Cell {
        Cell(QWidget* shown, int width = 1) : widget(shown), columns(width) {}
        Cell(QLayout* nested, int width = 1) : layout(nested), columns(width) {}
        static Cell gap(int width) { return Cell(static_cast<QWidget*>(nullptr), width); }

        QWidget* widget = nullptr;
        QLayout* layout = nullptr;
        int columns = 1;
    };

    explicit OptionGrid(int columns);

    // Adds the next row; its cells may fill fewer columns than the grid has, never more.
    void addRow(std::initializer_list<Cell> cells);
    // Gives `column` a share of the spare width.
    void stretchColumn(int column);
    // The grid, to be put into the page's layout, which then owns it.
    QGridLayout* layout() const { return grid_; }

  private:
    QGridLayout* grid_;
    int columns_;
    int rows_ = 0;
};

// A box in which `grows` takes the spare width and `beside` keeps its own.
QHBoxLayout* GrowingBeside(QWidget* grows, QWidget* beside);
// Widgets packed to the left, the spare width after them; a `spacing` below 0 keeps the style's.
QHBoxLayout* PackedLeft(std::initializer_list<QWidget*> widgets, int spacing = -1);
// Widgets packed to the right, the spare width before them.
QHBoxLayout* PackedRight(std::initializer_list<QWidget*> widgets);

}  // namespace tagforge
