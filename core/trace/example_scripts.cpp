#include "core/trace/example_scripts.h"

#include "core/texts/events_view_texts.h"

#include <array>

namespace lodarix::trace {

namespace {

namespace words = events_texts;

constexpr std::string_view Up = R"(# от етаж 1 до етаж 4
close
pick 4
tick
tick
tick
)";

constexpr std::string_view UpAndDown = R"(# нагоре до етаж 7, после надолу до етаж 2
close
pick 7
tick
tick
tick
tick
tick
tick
# решетката се отвори при пристигането; затваряме я отново
close
pick 2
tick
tick
tick
tick
tick
# още едно tick: таймерът е спрян и нищо не се изпълнява
tick
)";

constexpr std::string_view GrilleOpen = R"(# изборът при отворена решетка само напомня
pick 5
tick
close
pick 5
tick
)";

constexpr std::string_view PickDuringTrip = R"(# нов избор, докато кабината се движи
close
pick 11
tick
tick
pick 5
tick
)";

constexpr std::array<ExampleScript, 4> Examples{{
    {words::ExampleUp, "kurs.txt", Up},
    {words::ExampleUpAndDown, "nagore-nadolu.txt", UpAndDown},
    {words::ExampleGrilleOpen, "otvorena.txt", GrilleOpen},
    {words::ExamplePickDuringTrip, "prekasvane.txt", PickDuringTrip},
}};

} // namespace

std::span<const ExampleScript> exampleScripts()
{
    return Examples;
}

} // namespace lodarix::trace
