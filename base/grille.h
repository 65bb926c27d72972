#pragma once
// A grid of cell texts with a current row and column, as the measuring window's grids
// hold their values. It has no widget: a view shows it on screen. Any row or column out
// of range raises Vb::Erreur(ErrIndiceGrille), which callers trap as they did before.
#include <QString>
#include <functional>
#include <vector>

class Grille {
public:
    explicit Grille(int rows = 2, int cols = 2);

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    // Resizing keeps the cells that still fit; new cells are empty and white.
    void setRows(int rows);
    void setCols(int cols);

    // The current cell. Setting an index outside the grid raises the grid's error.
    int Row() const { return row_; }
    int Col() const { return col_; }
    void setRow(int row);
    void setCol(int col);

    // Text of the current cell.
    QString Text() const { return cell(row_, col_).text; }
    void setText(const QString& text) { cellRef(row_, col_).text = text; changed(); }

    // Any cell, without moving the current cell.
    QString TextMatrix(int row, int col) const { return cell(row, col).text; }
    void setTextMatrix(int row, int col, const QString& text) { cellRef(row, col).text = text; changed(); }

    // Back colour (&HBBGGRR) of the current cell, and of the whole grid (which repaints every cell).
    long CellBackColor() const { return cell(row_, col_).back; }
    void setCellBackColor(long c) { cellRef(row_, col_).back = c; changed(); }
    long CellBackColorAt(int row, int col) const { return cell(row, col).back; }
    void setCellBackColorAt(int row, int col, long c) { cellRef(row, col).back = c; changed(); }
    long BackColor() const { return back_; }
    void setBackColor(long c);

    // Column widths in twips (15 twips a pixel) and alignments (Qt::Alignment values).
    int ColWidth(int col) const;
    void setColWidth(int col, int twips);
    int ColAlignment(int col) const;
    void setColAlignment(int col, int alignment);

    // Removes a row, moving the rows below it up; the row count drops by one.
    void RemoveItem(int row);
    // Empties every cell (titles included), keeping the size.
    void Clear();

    // Same size, cursor, cells, widths, alignments and colours (the view is not compared).
    bool operator==(const Grille& autre) const;

    // Views register here to repaint after a change.
    void setOnChange(std::function<void()> f) { onChange_ = std::move(f); }


private:
    struct Cellule {
        QString text;
        long back = 0xFFFFFF;
        bool operator==(const Cellule&) const = default;
    };
    const Cellule& cell(int row, int col) const;
    Cellule& cellRef(int row, int col);
    void check(int row, int col) const;
    void checkRow(int row) const;
    void checkCol(int col) const;
    void changed() { if (onChange_) onChange_(); }

    int rows_, cols_;
    int row_ = 0, col_ = 0;
    std::vector<std::vector<Cellule>> cells_;
    std::vector<int> widths_;
    std::vector<int> aligns_;
    long back_ = 0xFFFFFF;
    std::function<void()> onChange_;
};
