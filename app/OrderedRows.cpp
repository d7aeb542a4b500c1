#include "app/OrderedRows.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "game/OutcomeCsv.h"
#include "game/WriteAll.h"

OrderedRows::OrderedRows(std::size_t games) : present(games, false) {}

OrderedRows::~OrderedRows() {
  if (fd >= 0) close(fd);
}

bool OrderedRows::open(const std::string& path, std::string& reason) {
  // Not truncated before the lock is held: the table of a run still going stays whole.
  fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) {
    reason = "cannot create " + path + ": " + std::strerror(errno);
    return false;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    reason = path + " is being written by another run";
    return false;
  }
  if (ftruncate(fd, 0) != 0) {
    reason = "cannot empty " + path + ": " + std::strerror(errno);
    return false;
  }
  writeText(std::string(OutcomeCsv::header()) + '\n');
  if (!problem.empty()) {
    reason = "cannot write " + path + ": " + problem;
    return false;
  }
  return true;
}

void OrderedRows::add(std::size_t index, const std::string& row) {
  if (index >= present.size() || present[index]) return;
  present[index] = true;
  ++count;
  if (index != next) {
    early.emplace(index, row);
    return;
  }
  emit(row);
  ++next;
  // Every row now next in line.
  for (auto held = early.begin(); held != early.end() && held->first == next; held = early.erase(held)) {
    emit(held->second);
    ++next;
  }
}

bool OrderedRows::flushAll() {
  for (const auto& held : early) writeText(held.second + '\n');
  early.clear();
  next = present.size();
  return problem.empty();
}

void OrderedRows::emit(const std::string& row) {
  OutcomeRow parsed;
  if (OutcomeCsv::parse(row, parsed)) table.add(parsed);
  writeText(row + '\n');
}

void OrderedRows::writeText(const std::string& text) {
  if (fd < 0 || !problem.empty()) return;
  std::string reason;
  if (!writeAll(fd, text, ::write, &reason)) {
    problem = reason;
    // Back to the last whole row.
    if (ftruncate(fd, size) != 0) problem += std::string(", and cutting it back failed: ") + std::strerror(errno);
    return;
  }
  size += static_cast<long long>(text.size());
  lines += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}
