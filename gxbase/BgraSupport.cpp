#include "gxbase/BgraSupport.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstring>

namespace gxbase {
namespace {

int rememberedAnswer = -1;  // -1: not asked yet

const char* GlString(GLenum name) {
  return reinterpret_cast<const char*>(glGetString(name));
}

}  // namespace

bool BgraSupported() {
  if (rememberedAnswer >= 0) return rememberedAnswer == 1;
  const char* extensions = GlString(GL_EXTENSIONS);
  const char* version = GlString(GL_VERSION);
  if (extensions == nullptr && version == nullptr) return false;  // no context yet
  // BGR/BGRA became core in OpenGL 1.2.
  float number = 0.0f;
  const bool supported = (extensions != nullptr && std::strstr(extensions, "GL_EXT_bgra") != nullptr) ||
                         (version != nullptr && std::sscanf(version, "%f", &number) == 1 && number >= 1.2f);
  rememberedAnswer = supported ? 1 : 0;
  return supported;
}

void OverrideBgraSupport(int answer) { rememberedAnswer = answer; }

}  // namespace gxbase
