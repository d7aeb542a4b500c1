#pragma once
// A window that writes every handler call into a shared journal, so tests
// can check which handlers ran and in what order.

#include <functional>
#include <string>
#include <vector>

#include "gxbase/GLWindow.h"
#include "gxbase/WindowEx.h"

namespace fwtest {

using Journal = std::vector<std::string>;

class JournalWindow : public gxbase::GLWindow {
 public:
  JournalWindow(Journal& journal, std::string name) : journal(journal), name(std::move(name)) { Write("construct"); }

  void OnCreate() override { Write(Extra()->IsCurrent() ? "create current" : "create"); }
  void OnDestroy() override { Write(Extra()->IsCurrent() ? "destroy current" : "destroy"); }
  void OnDisplay() override { Write("display"); }
  void OnResize(int width, int height) override {
    Write("resize " + std::to_string(width) + "x" + std::to_string(height));
    GLWindow::OnResize(width, height);
  }
  void OnIdle() override {
    ++idlePasses;
    if (onIdle) onIdle();
  }

  // The journal entries of this window with its name taken off.
  std::vector<std::string> Entries() const {
    std::vector<std::string> mine;
    for (const std::string& entry : journal) {
      if (entry.compare(0, name.size() + 1, name + ":") == 0) mine.push_back(entry.substr(name.size() + 1));
    }
    return mine;
  }

  std::function<void()> onIdle;
  int idlePasses = 0;

 private:
  void Write(const std::string& what) { journal.push_back(name + ":" + what); }

  Journal& journal;
  std::string name;
};

}  // namespace fwtest
