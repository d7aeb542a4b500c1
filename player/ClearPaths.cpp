#include "player/ClearPaths.h"

void ClearPaths::reset(int nodeCount, int cut) {
  keptCut = cut;
  paths.clear();
  if (nodeCount == count) {
    // Only the entries in use are wiped, so forgetting a few is cheap.
    for (const std::size_t at : used) where[at] = NOTHING;
    used.clear();
    return;
  }
  count = nodeCount;
  where.assign(static_cast<std::size_t>(nodeCount) * static_cast<std::size_t>(nodeCount), NOTHING);
  used.clear();
}

std::size_t ClearPaths::slotOf(int start, int target, int cut) const {
  if (cut != keptCut || start < 0 || start >= count || target < 0 || target >= count) return NO_SLOT;
  return static_cast<std::size_t>(start) * static_cast<std::size_t>(count) + static_cast<std::size_t>(target);
}

ClearPaths::Kept ClearPaths::find(int start, int target, int cut, const std::int16_t*& first,
                                  const std::int16_t*& last) const {
  const std::size_t slot = slotOf(start, target, cut);
  if (slot == NO_SLOT) return Kept::UNKNOWN;
  const std::int32_t at = where[slot];
  if (at == NOTHING) return Kept::UNKNOWN;
  if (at == NO_PATH) return Kept::UNREACHED;
  first = paths.data() + at + 1;
  last = first + paths[static_cast<std::size_t>(at)];
  return Kept::REACHED;
}

void ClearPaths::keep(int start, int target, int cut, bool reached, const std::vector<MazeNode*>& path) {
  const std::size_t slot = slotOf(start, target, cut);
  if (slot == NO_SLOT) return;
  used.push_back(slot);
  std::int32_t& at = where[slot];
  if (!reached) {
    at = NO_PATH;
    return;
  }
  at = static_cast<std::int32_t>(paths.size());
  paths.push_back(static_cast<std::int16_t>(path.size()));
  for (const MazeNode* node : path) paths.push_back(static_cast<std::int16_t>(node->index));
}
