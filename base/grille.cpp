#include "base/grille.h"

#include "base/vb.h"

Grille::Grille(int rows, int cols) : rows_(0), cols_(0) {
    setCols(cols);
    setRows(rows);
}

void Grille::check(int row, int col) const {
    checkRow(row);
    checkCol(col);
}

void Grille::checkRow(int row) const {
    if (row < 0 || row >= rows_) throw Vb::Erreur(Vb::ErrIndiceGrille, "Subscript out of range");
}

void Grille::checkCol(int col) const {
    if (col < 0 || col >= cols_) throw Vb::Erreur(Vb::ErrIndiceGrille, "Subscript out of range");
}

const Grille::Cellule& Grille::cell(int row, int col) const {
    check(row, col);
    return cells_[size_t(row)][size_t(col)];
}

Grille::Cellule& Grille::cellRef(int row, int col) {
    check(row, col);
    return cells_[size_t(row)][size_t(col)];
}

void Grille::setRows(int rows) {
    if (rows < 0 || rows > 32767) throw Vb::Erreur(Vb::ErrIndiceGrille, "Invalid row count");
    rows_ = rows;
    Cellule blank;
    blank.back = back_;
    cells_.resize(size_t(rows), std::vector<Cellule>(size_t(cols_), blank));
    if (row_ >= rows_) row_ = rows_ > 0 ? rows_ - 1 : 0;
    changed();
}

void Grille::setCols(int cols) {
    if (cols < 0 || cols > 32767) throw Vb::Erreur(Vb::ErrIndiceGrille, "Invalid column count");
    cols_ = cols;
    Cellule blank;
    blank.back = back_;
    for (auto& r : cells_) r.resize(size_t(cols), blank);
    widths_.resize(size_t(cols), 960);
    aligns_.resize(size_t(cols), 0);
    if (col_ >= cols_) col_ = cols_ > 0 ? cols_ - 1 : 0;
    changed();
}

void Grille::setRow(int row) {
    checkRow(row);
    row_ = row;
}

void Grille::setCol(int col) {
    checkCol(col);
    col_ = col;
}

void Grille::setBackColor(long c) {
    back_ = c;
    for (auto& r : cells_)
        for (auto& cl : r) cl.back = c;
    changed();
}

int Grille::ColWidth(int col) const {
    checkCol(col);
    return widths_[size_t(col)];
}

void Grille::setColWidth(int col, int twips) {
    checkCol(col);
    widths_[size_t(col)] = twips;
    changed();
}

int Grille::ColAlignment(int col) const {
    checkCol(col);
    return aligns_[size_t(col)];
}

void Grille::setColAlignment(int col, int alignment) {
    checkCol(col);
    aligns_[size_t(col)] = alignment;
    changed();
}

void Grille::RemoveItem(int row) {
    checkRow(row);
    cells_.erase(cells_.begin() + row);
    --rows_;
    if (row_ >= rows_) row_ = rows_ > 0 ? rows_ - 1 : 0;
    changed();
}

void Grille::Clear() {
    for (auto& r : cells_)
        for (auto& cl : r) cl.text.clear();
    changed();
}


bool Grille::operator==(const Grille& a) const {
    return rows_ == a.rows_ && cols_ == a.cols_ && row_ == a.row_ && col_ == a.col_ && cells_ == a.cells_ &&
           widths_ == a.widths_ && aligns_ == a.aligns_ && back_ == a.back_;
}
