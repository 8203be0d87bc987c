// The controls of a described window as plain state: colours, selections,
// texts, visibility and the timer's switch. Option buttons sharing a container
// form a radio group. Every access looks the element up by name and index and
// throws lift::RunTimeError when there is none; the controls the trip rules use
// are found once, when the model is built, since the set of controls is fixed.
#pragma once

#include "core/form/form_description.h"
#include "core/lift/window_operations.h"

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
    std::string floorCaption(lift::FloorIndex floor) const override;
    int floorNameCount() const override;
    int stepPeriod() const override;
    void setStepPeriod(int periodMs) override;

    // Selects an option button and deselects the others of its container.
    void select(std::string_view control, int index);
    bool isSelected(std::string_view control, int index) const;
    // The selected element of an option-button array, if any.
    std::optional<int> selectedIndex(std::string_view control) const;
    lift::Color backColor(std::string_view control, std::optional<int> index) const;
    std::string text(std::string_view control, std::optional<int> index) const;
    bool isVisible(std::string_view control) const;
    bool isEnabled(std::string_view control) const;
    // How often the step timer has been started, or its period set: each
    // starts its period anew.
    std::uint64_t timerStarts() const { return timerStarts_; }
    // Every control's description, in stored order, with its state as it
    // stands now: colour, text, selection, visibility and switch. The texts
    // are valid while the model lives and stays as it is.
    std::vector<ControlDescription> currentControls() const;

private:
    struct Control {
        const ControlDescription* description;
        std::optional<lift::Color> background;
        std::string text;
        bool selected;
        bool visible;
        bool enabled;
        std::size_t group; // shared by the option buttons of one container
    };

    static constexpr std::size_t None = std::string_view::npos;

    // The position in controls_ of the first control of that name and index,
    // or None; search() goes through them all, positionOf() first tries those found once.
    std::size_t search(std::string_view control, std::optional<int> index) const;
    std::size_t positionOf(std::string_view control, std::optional<int> index) const;
    Control& element(std::string_view control, std::optional<int> index,
                     std::string_view operation);
    const Control& element(std::string_view control, std::optional<int> index,
                           std::string_view operation) const;
    // The control at position; control and index name it in the error when there is none.
    Control& at(std::size_t position, std::string_view control, std::optional<int> index,
                std::string_view operation);
    const Control& at(std::size_t position, std::string_view control, std::optional<int> index,
                      std::string_view operation) const;
    std::size_t floorButton(int floor) const;
    void select(Control& chosen);

    std::vector<Control> controls_;
    std::vector<std::size_t> floorButtons_; // by floor index
    std::size_t grilleClosed_ = None;
    std::size_t grilleOpen_ = None;
    std::size_t statusBox_ = None;
    std::size_t floorNameList_ = None;
    std::size_t stepTimer_ = None;
    int stepPeriod_ = 0;
    std::uint64_t timerStarts_ = 0;
};

} // namespace lodarix
