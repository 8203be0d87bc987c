// Texts of core/texts by the names of the core's constants, as one JSON
// object for the page. The exports list a header's texts through
// text_names.cmake, which writes its pairs {"Name", words::Name}.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace lodarix::web {

using NamedText = std::pair<std::string_view, std::string_view>;

// {Name: text, ...}, in the order given.
std::string namedTextsJson(std::initializer_list<NamedText> texts);

} // namespace lodarix::web
