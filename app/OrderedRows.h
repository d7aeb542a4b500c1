#pragma once
// The rows of a batch as they come back from the workers, in any order,
// written to the table file and added to the summary in the order of the
// games: each row goes out as soon as every game before it has, so the file
// is sorted by set and seed. Only rows that arrive ahead of their turn are
// held as text; the summary keeps one outcome per game.
//
// The file always ends in a whole row: a write that fails (a full disk, a
// file-size limit) is undone by cutting the file back to its last whole row,
// and nothing more is written to it.

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "app/SummaryTable.h"

class OrderedRows {
 public:
  explicit OrderedRows(std::size_t games);
  ~OrderedRows();
  OrderedRows(const OrderedRows&) = delete;
  OrderedRows& operator=(const OrderedRows&) = delete;

  // Creates (or empties) the table file and writes the header line; false,
  // with the reason in `problem`, when it cannot be created or another run
  // is writing it (each run holds a lock on its table).
  bool open(const std::string& path, std::string& problem);
  void add(std::size_t index, const std::string& row);
  // Writes every row received and not yet written (after an interruption,
  // with gaps); false when a write failed at any time.
  bool flushAll();
  // Why a write failed, and how many rows the file then holds.
  const std::string& failure() const { return problem; }
  std::size_t rowsInFile() const { return lines > 0 ? lines - 1 : 0; }

  std::size_t received() const { return count; }
  // The summary of the rows up to the first one still missing.
  const SummaryTable& summary() const { return table; }

 private:
  void emit(const std::string& row);
  void writeText(const std::string& text);

  std::vector<bool> present;
  std::map<std::size_t, std::string> early;  // received ahead of their turn
  SummaryTable table;
  std::size_t count = 0;
  std::size_t next = 0;  // the next game to go out
  int fd = -1;
  long long size = 0;    // bytes of whole lines in the file
  std::size_t lines = 0;  // whole lines in the file, the header's included
  std::string problem;
};
