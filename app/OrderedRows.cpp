#include "app/OrderedRows.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "game/OutcomeCsv.h"
#include "game/WriteAll.h"

OrderedRows::OrderedRows(std::size_t games) : rows(games), present(games, false) {}

OrderedRows::~OrderedRows() {
  if (fd >= 0) close(fd);
}

bool OrderedRows::open(const std::string& path, std::string& problem) {
  fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0 || !writeText(std::string(OutcomeCsv::header()) + '\n')) {
    problem = "cannot create " + path + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

void OrderedRows::add(std::size_t index, const std::string& row) {
  if (index >= rows.size() || present[index]) return;
  rows[index] = row;
  present[index] = true;
  ++count;
  // Every row now next in line, in one write.
  std::string text;
  for (; written < rows.size() && present[written]; ++written) text += rows[written] + '\n';
  if (!text.empty()) writeText(text);
}

bool OrderedRows::flushAll() {
  std::string text;
  for (; written < rows.size(); ++written) {
    if (present[written]) text += rows[written] + '\n';
  }
  if (!text.empty()) writeText(text);
  return !failed;
}

std::vector<std::string> OrderedRows::inOrder() const {
  std::vector<std::string> ordered;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (present[i]) ordered.push_back(rows[i]);
  }
  return ordered;
}

bool OrderedRows::writeText(const std::string& text) {
  if (fd < 0) return true;
  if (writeAll(fd, text)) return true;
  failed = true;
  return false;
}
