// What the page's script sees of the core: the window at work (PageWindow)
// and the window's description (formDescriptionJson).

#include "web/form_export.h"
#include "web/page_window.h"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(lodarix)
{
    using lodarix::web::PageWindow;
    emscripten::class_<PageWindow>("PageWindow")
        .constructor<emscripten::val>()
        .function("load", &PageWindow::load)
        .function("pick", &PageWindow::pick)
        .function("step", &PageWindow::step)
        .function("currentFloor", &PageWindow::currentFloor)
        .function("targetFloor", &PageWindow::targetFloor);
    emscripten::function("formDescriptionJson", &lodarix::web::formDescriptionJson);
}
