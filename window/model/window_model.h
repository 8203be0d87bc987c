// The controls of a described window as plain state: colours, selections,
// texts, visibility and the timer's switch. Option buttons sharing a container
// form a radio group. Every access looks the element up by name and index and
// throws lift::RunTimeError when there is none.
#pragma once

#include "lift/window_operations.h"
#include "window/description/form_description.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lodarix {

class WindowModel : public lift::WindowOperations {
public:
    explicit WindowModel(const FormDescription& form);

    void paintFloorButton(lift::FloorIndex floor, lift::Color color) override;
    bool isGrilleClosed() const override;
    void openGrille() override;
    void setStepsRunning(bool running) override;
    std::string statusText() const override;
    void setStatusText(const std::string& text) override;
    std::string floorName(lift::FloorIndex floor) const override;
    void hideFloorNames() override;

    // Selects an option button and deselects the others of its container.
    void select(std::string_view control, int index);
    bool isSelected(std::string_view control, int index) const;
    // The selected element of an option-button array, if any.
    std::optional<int> selectedIndex(std::string_view control) const;
    lift::Color backColor(std::string_view control, std::optional<int> index) const;
    std::string text(std::string_view control, std::optional<int> index) const;
    bool isVisible(std::string_view control) const;
    bool isEnabled(std::string_view control) const;

private:
    struct Control {
        const ControlDescription* description;
        std::optional<lift::Color> background;
        std::string text;
        bool selected;
        bool visible;
        bool enabled;
    };

    Control& element(std::string_view control, std::optional<int> index, std::string_view operation);
    const Control& element(std::string_view control, std::optional<int> index,
                           std::string_view operation) const;

    std::vector<Control> controls_;
};

} // namespace lodarix
