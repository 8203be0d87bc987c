#include "core/form/lodarix_form.h"

#include "core/form/lodarix_controls.h"
#include "core/lift/colors.h"
#include "core/lift/floor_table.h"
#include "core/texts/main_window_texts.h"

#include <array>
#include <stdexcept>

namespace lodarix {

namespace {

constexpr lift::Color FormBackground = 0x00FFC0C0;
constexpr lift::Color GrilleOpenBackground = 0x008080FF;
constexpr lift::Color GrilleClosedBackground = 0x0080FF80;
constexpr lift::Color TitleBackground = 0x0080C0FF;

// A floor button of Frame2: one row, 480 twips apart, the ground floor at the left.
constexpr ControlDescription floorButton(int index, int tabIndex)
{
    return {
        .name = controls::FloorButtons,
        .index = index,
        .kind = ControlKind::OptionButton,
        .container = controls::FloorFrame,
        .rect = {480 * index, 120, 375, 285},
        .text = lift::FloorTable::Captions[static_cast<std::size_t>(index)],
        .background = index == 0 ? lift::ColorCabin : lift::ColorIdle,
        .tabIndex = tabIndex,
        .graphical = true,
    };
}

const auto Controls = std::to_array<ControlDescription>({
    {.name = controls::FloorFrame,
     .kind = ControlKind::Frame,
     .rect = {1080, 480, 5415, 615},
     .text = "",
     .background = FormBackground,
     .tabIndex = 5,
     .accessibleName = texts::FloorsName},
    floorButton(0, 18),
    floorButton(10, 17),
    floorButton(9, 16),
    floorButton(8, 13),
    floorButton(7, 12),
    floorButton(6, 11),
    floorButton(5, 10),
    floorButton(4, 9),
    floorButton(3, 8),
    floorButton(2, 7),
    floorButton(1, 6),
    {.name = controls::GrilleFrame,
     .kind = ControlKind::Frame,
     .rect = {480, 1560, 4215, 975},
     .text = "Frame1",
     .background = FormBackground,
     .tabIndex = 4,
     .accessibleName = texts::GrilleName},
    {.name = controls::GrilleButtons,
     .index = controls::GrilleOpenButton,
     .kind = ControlKind::OptionButton,
     .container = controls::GrilleFrame,
     .rect = {120, 120, 3855, 285},
     .text = texts::GrilleOpen,
     .background = GrilleOpenBackground,
     .tabIndex = 15},
    {.name = controls::GrilleButtons,
     .index = controls::GrilleClosedButton,
     .kind = ControlKind::OptionButton,
     .container = controls::GrilleFrame,
     .rect = {120, 600, 3855, 405},
     .text = texts::GrilleClosed,
     .background = GrilleClosedBackground,
     .tabIndex = 14},
    {.name = controls::FloorNameList,
     .kind = ControlKind::ListBox,
     .rect = {5160, 1200, 1695, 630},
     .tabIndex = 3,
     .items = lift::FloorTable::Names,
     .accessibleName = texts::FloorNamesName},
    {.name = controls::StepTimer, .kind = ControlKind::Timer, .enabled = true, .intervalMs = 800},
    {.name = controls::TextBoxes,
     .index = controls::QuoteBox,
     .kind = ControlKind::TextBox,
     .rect = {600, 3240, 6735, 1815},
     .text = texts::Quotation,
     .tabIndex = 1,
     .multiLine = true,
     .verticalScrollBar = true,
     .accessibleName = texts::QuotationName},
    {.name = controls::TextBoxes,
     .index = controls::StatusBox,
     .kind = ControlKind::TextBox,
     .rect = {120, 2880, 6735, 1815},
     .text = texts::ExerciseStatement,
     .tabIndex = 0,
     .multiLine = true,
     .verticalScrollBar = true,
     .accessibleName = texts::StatusName},
    {.name = controls::TitleLabel,
     .index = 0,
     .kind = ControlKind::Label,
     .rect = {720, 0, 5055, 375},
     .text = texts::Title,
     .background = TitleBackground,
     .tabIndex = 2},
});

const FormDescription Form{
    .name = "Lodarix",
    .caption = texts::Caption,
    .clientWidth = 6915,
    .clientHeight = 5175,
    .background = FormBackground,
    .font = {.family = "Times New Roman", .pointSize = 12, .weight = 400, .charset = 204},
    .icon = "lodarix.xpm",
    .controls = Controls,
};

} // namespace

const FormDescription& lodarixForm()
{
    return Form;
}

int stepPeriodMs()
{
    for (const ControlDescription& control : Form.controls) {
        if (control.name == controls::StepTimer)
            return control.intervalMs;
    }
    throw std::logic_error("the form has no step timer");
}

} // namespace lodarix
