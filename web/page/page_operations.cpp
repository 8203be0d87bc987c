#include "web/page/page_operations.h"

#include "core/form/accessible_texts.h"
#include "core/form/lodarix_controls.h"
#include "core/lift/run_time_error.h"

#include <optional>
#include <utility>

namespace lodarix::web {

using namespace controls;
using emscripten::val;

namespace {

[[noreturn]] void missing(std::string_view control, std::optional<int> index, const char* operation,
                          const char* reason = "no such control or element")
{
    throw lift::RunTimeError(std::string(control), index, operation, reason);
}

// A text box of the page, reached through the controls object.
class PageTextBox : public LineFeedBox {
public:
    PageTextBox(const val& controls, std::string_view name, int index)
        : controls_(controls)
        , name_(name)
        , index_(index)
    {
    }

    std::string text() override { return string(controls_.call<val>("text", name_, index_)); }
    void replace(const std::string& lfText) override
    {
        if (!controls_.call<bool>("replaceText", name_, index_, lfText))
            missing(name_, index_, "Text");
    }
    void append(const std::string& lfText) override
    {
        if (!controls_.call<bool>("appendText", name_, index_, lfText))
            missing(name_, index_, "Text");
    }
    bool takeUserEdit() override
    {
        const val edited = controls_.call<val>("takeUserEdit", name_, index_);
        if (edited.isUndefined())
            missing(name_, index_, "Text");
        return edited.as<bool>();
    }

private:
    std::string string(const val& text) const
    {
        if (!text.isString())
            missing(name_, index_, "Text");
        return text.as<std::string>();
    }

    const val& controls_;
    std::string name_;
    int index_;
};

} // namespace

PageOperations::PageOperations(val controls)
    : controls_(std::move(controls))
{
}

void PageOperations::paintFloorButton(lift::FloorIndex floor, lift::Color color)
{
    if (!controls_.call<bool>("setBackColor", std::string(FloorButtons), static_cast<int>(floor),
                              lift::toHexRgb(color), std::string(texts::markerMeaning(color))))
        missing(FloorButtons, floor, "BackColor");
}

bool PageOperations::isGrilleClosed() const
{
    const val selected =
        controls_.call<val>("isSelected", std::string(GrilleButtons), GrilleClosedButton);
    if (selected.isUndefined())
        missing(GrilleButtons, GrilleClosedButton, "Value");
    return selected.as<bool>();
}

void PageOperations::openGrille()
{
    if (!controls_.call<bool>("select", std::string(GrilleButtons), GrilleOpenButton))
        missing(GrilleButtons, GrilleOpenButton, "Value");
}

void PageOperations::setStepsRunning(bool running)
{
    // Like the desktop's timer, starting a running one starts its period anew.
    if (!controls_.call<bool>("setTimerEnabled", std::string(StepTimer), running))
        missing(StepTimer, std::nullopt, "Enabled");
}

std::string PageOperations::statusText() const
{
    PageTextBox box(controls_, TextBoxes, StatusBox);
    return status_.read(box);
}

void PageOperations::setStatusText(const std::string& text)
{
    PageTextBox box(controls_, TextBoxes, StatusBox);
    status_.write(box, text);
}

std::string PageOperations::floorName(lift::FloorIndex floor) const
{
    const val item =
        controls_.call<val>("listItem", std::string(FloorNameList), static_cast<int>(floor));
    if (item.isNull())
        missing(FloorNameList, std::nullopt, "List");
    if (!item.isString())
        missing(FloorNameList, floor, "List", "no such list item");
    return item.as<std::string>();
}

void PageOperations::hideFloorNames()
{
    if (!controls_.call<bool>("hide", std::string(FloorNameList)))
        missing(FloorNameList, std::nullopt, "Visible");
}

std::string PageOperations::floorCaption(lift::FloorIndex floor) const
{
    const val caption = controls_.call<val>("caption", std::string(FloorButtons), int(floor));
    if (!caption.isString())
        missing(FloorButtons, floor, "Caption");
    return caption.as<std::string>();
}

int PageOperations::floorNameCount() const
{
    const val count = controls_.call<val>("listCount", std::string(FloorNameList));
    if (!count.isNumber())
        missing(FloorNameList, std::nullopt, "ListCount");
    return count.as<int>();
}

int PageOperations::stepPeriod() const
{
    const val period = controls_.call<val>("period", std::string(StepTimer));
    if (!period.isNumber())
        missing(StepTimer, std::nullopt, "Interval");
    return period.as<int>();
}

void PageOperations::setStepPeriod(int periodMs)
{
    if (!controls_.call<bool>("setPeriod", std::string(StepTimer), periodMs))
        missing(StepTimer, std::nullopt, "Interval");
}

} // namespace lodarix::web
