#pragma once
// The rows of a batch as they come back from the workers, in any order,
// kept and written to the table file in the order of the games: each row
// is written as soon as every game before it has been written, so the file
// is sorted by set and seed and always ends in a whole row.

#include <cstddef>
#include <string>
#include <vector>

class OrderedRows {
 public:
  explicit OrderedRows(std::size_t games);
  ~OrderedRows();
  OrderedRows(const OrderedRows&) = delete;
  OrderedRows& operator=(const OrderedRows&) = delete;

  // Creates (or empties) the table file and writes the header line; false,
  // with the reason in `problem`, when it cannot be created.
  bool open(const std::string& path, std::string& problem);
  void add(std::size_t index, const std::string& row);
  // Writes every row received and not yet written (after an interruption,
  // with gaps); false when a write failed at any time.
  bool flushAll();

  std::size_t received() const { return count; }
  // The rows received, in the order of the games.
  std::vector<std::string> inOrder() const;

 private:
  bool writeText(const std::string& text);

  std::vector<std::string> rows;
  std::vector<bool> present;
  std::size_t count = 0;
  std::size_t written = 0;  // rows [0, written) are in the file
  int fd = -1;
  bool failed = false;
};
