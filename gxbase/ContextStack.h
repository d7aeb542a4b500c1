#pragma once
// The process-wide stack of saved GL contexts that lets window handlers nest:
// every BeginGL saves what was current, every EndGL puts it back.

namespace gxbase {

class ContextStack {
 public:
  static constexpr int kCapacity = 16;

  // Saves the current (context, window) pair in the next free entry; past
  // the capacity nothing is saved, but the level is still counted.
  static void Push();
  // Leaves one level: makes the pair saved there current again, or no
  // context at all when that level saved nothing. Nothing at level 0.
  static void Pop();
  // Replaces every saved use of a context that is being deleted by "no
  // context", so a later Pop never revives it.
  static void Forget(void* context);
  static int Count();
  // The context current on this thread, null when none.
  static void* CurrentContext();
};

}  // namespace gxbase
