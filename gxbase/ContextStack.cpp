#include "gxbase/ContextStack.h"

#include <SDL.h>

namespace gxbase {

namespace {

struct SavedContext {
  SDL_GLContext context = nullptr;
  SDL_Window* window = nullptr;
};

struct Stack {
  int count = 0;
  SavedContext entries[ContextStack::kCapacity];
};

Stack& stack() {
  static Stack instance;
  return instance;
}

void makeCurrent(const SavedContext& saved) {
  // A null context means "none current"; SDL wants no window with it.
  SDL_GL_MakeCurrent(saved.context ? saved.window : nullptr, saved.context);
}

}  // namespace

void ContextStack::Push() {
  Stack& s = stack();
  if (s.count < kCapacity) {
    s.entries[s.count].context = SDL_GL_GetCurrentContext();
    s.entries[s.count].window = SDL_GL_GetCurrentWindow();
  }
  ++s.count;
}

void ContextStack::Pop() {
  Stack& s = stack();
  if (s.count == 0) return;
  --s.count;
  if (s.count < kCapacity) {
    makeCurrent(s.entries[s.count]);
  } else {
    makeCurrent(SavedContext());
  }
}

void ContextStack::Forget(void* context) {
  Stack& s = stack();
  for (SavedContext& saved : s.entries) {
    if (saved.context == context) saved = SavedContext();
  }
}

int ContextStack::Count() { return stack().count; }

void* ContextStack::CurrentContext() { return SDL_GL_GetCurrentContext(); }

}  // namespace gxbase
