#pragma once

// A maze cell: column 0..18 from the left, row 0..21 counted from the bottom.
class CellPos {
 public:
  CellPos() : col(0), row(0) {}
  CellPos(int c, int r) : col(c), row(r) {}
  int getCol() const { return col; }
  int getRow() const { return row; }
  bool operator==(const CellPos& o) const { return col == o.col && row == o.row; }
  bool operator!=(const CellPos& o) const { return !(*this == o); }

 private:
  int col;
  int row;
};
