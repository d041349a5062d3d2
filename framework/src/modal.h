// The stack of modal things that are up: running windows and message or file
// boxes. Input reaches a window only while it is the top of the stack.
#pragma once
#include <vector>

namespace fw {
class Window;
}

namespace fw::detail {

struct ModalEntry {
    Window* window;  // nullptr: a message box or file dialog
};

std::vector<ModalEntry>& modalStack();
// Counts every modal opening; a handler that opened one changes it.
unsigned modalOpenings();

class ModalScope {
public:
    explicit ModalScope(Window* w);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};

}  // namespace fw::detail
