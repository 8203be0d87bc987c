# cmake -DHEADER=texts.h -DOUT=names.inc -P text_names.cmake
# Lists every text a header of core/texts declares, as the lines
# {"Name", words::Name}, so that the page's export of the texts follows the
# header by itself. A constant of any other form stops the build.
file(READ "${HEADER}" header)
set(declaration "inline constexpr std::string_view ([A-Za-z0-9_]+) =")
string(REGEX MATCHALL "${declaration}" declared "${header}")
string(REGEX MATCHALL "constexpr" constants "${header}")
list(LENGTH declared count)
list(LENGTH constants expected)
if(count EQUAL 0 OR NOT count EQUAL expected)
    message(FATAL_ERROR "${HEADER}: ${expected} constants, ${count} of them texts as expected")
endif()
set(lines "")
foreach(one IN LISTS declared)
    string(REGEX REPLACE "${declaration}" "\\1" name "${one}")
    string(APPEND lines "{\"${name}\", words::${name}},\n")
endforeach()
file(WRITE "${OUT}.new" "${lines}")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
