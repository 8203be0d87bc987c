# cmake -DINPUT=file -DOUTPUT=file.cpp -DHEADER=h -DNAMESPACE=ns -DFUNCTION=name -P embed_text.cmake
# Writes a source whose function returns INPUT's bytes as they stand.
file(READ ${INPUT} text)
string(FIND "${text}" ")embedded\"" clash)
if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${INPUT} holds the literal's delimiter")
endif()
file(WRITE ${OUTPUT}.new "// Made from ${INPUT} at build time.
#include \"${HEADER}\"

namespace ${NAMESPACE} {

std::string_view ${FUNCTION}()
{
    return R\"embedded(${text})embedded\";
}

} // namespace ${NAMESPACE}
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
