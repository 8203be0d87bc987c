# The names and versions that the program, its packaging and their tests share.
#   LODARIX_APP_ID           reverse-DNS id: desktop entry, metainfo, icon names
#   LODARIX_VENDOR           who makes Lodarix, as shown in about boxes and packages
#   LODARIX_DISPLAY_VERSION  the version people see: major, a dot, minor as two digits

set(LODARIX_APP_ID "org.example.lodarix")
set(LODARIX_VENDOR "The Lodarix developers")

if(PROJECT_VERSION_MINOR GREATER 99)
    message(FATAL_ERROR "the minor version ${PROJECT_VERSION_MINOR} does not fit in two digits")
endif()
string(LENGTH "${PROJECT_VERSION_MINOR}" minor_digits)
if(minor_digits EQUAL 1)
    set(LODARIX_DISPLAY_VERSION "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
    set(LODARIX_DISPLAY_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()
unset(minor_digits)
