#pragma once
// A fault of the program itself (a control the tables do not hold, say), as
// opposed to a failed calculation. The user is told in Chinese that it is the
// program's fault; its details are for the developer's debugger, not the box.

#include <stdexcept>

namespace kelvora::ui {

class InternalError : public std::logic_error {
public:
    InternalError() : std::logic_error("Kelvora internal error") {}
};

}  // namespace kelvora::ui
