// How a backend runs the program's handlers: a close asked for while handlers run
// waits until the outermost one has returned, and nothing a handler throws reaches
// the platform's event loop, which cannot pass exceptions on.
#pragma once

#include <algorithm>
#include <functional>
#include <vector>

namespace sigillo::ui {

// FormT offers CloseIfPending(), which carries out a close asked for earlier.
template <typename FormT>
class HandlerDispatch {
 public:
  void Dispatch(const std::function<void()>& handler) {
    ++depth_;
    try {
      handler();
    } catch (...) {
      // A handler reports its own failures; anything else stops here.
    }
    --depth_;
    if (depth_ > 0) return;
    // A form may go away while another one closes: check each against the live list.
    const std::vector<FormT*> forms = forms_;
    for (FormT* form : forms) {
      if (std::find(forms_.begin(), forms_.end(), form) != forms_.end()) form->CloseIfPending();
    }
  }

  bool InHandler() const { return depth_ > 0; }
  void Add(FormT* form) { forms_.push_back(form); }
  void Remove(FormT* form) { std::erase(forms_, form); }
  const std::vector<FormT*>& Forms() const { return forms_; }

 private:
  int depth_ = 0;
  std::vector<FormT*> forms_;
};

}  // namespace sigillo::ui
