// The error a window operation raises when it cannot be carried out, such as
// an element index outside its control array. It names the control, the index
// and the operation; the trip rules never catch it.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace lodarix::lift {

class RunTimeError : public std::runtime_error {
public:
    // index is the control-array element or list item, if the operation used one.
    RunTimeError(std::string control, std::optional<int> index, std::string operation,
                 const std::string& reason);

    const std::string& control() const { return control_; }
    std::optional<int> index() const { return index_; }
    const std::string& operation() const { return operation_; }

    // "Option1(11).BackColor", "List1.List(12)" and the like.
    std::string where() const;

private:
    std::string control_;
    std::optional<int> index_;
    std::string operation_;
};

} // namespace lodarix::lift
