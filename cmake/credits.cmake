# The maker's name and addresses: the configuration dialogs show them as the
# three credit lines, and their buttons open the home page and a mail message
# to the address. Whoever ships vorn sets them on the configure line, e.g.
#   cmake --preset windows -DVORN_AUTHOR="Jo Maker" -DVORN_EMAIL=jo@example.net
# The defaults are neutral placeholders.
set(VORN_AUTHOR "vorn developers" CACHE STRING "Name in the first credit line and the mail link")
set(VORN_EMAIL "vorn@example.org" CACHE STRING "Address of the second credit line and of the e-mail button")
set(VORN_HOMEPAGE "https://example.org/vorn/" CACHE STRING "Address of the third credit line and of the home page button")

# The texts become string literals of C++ and of the resource script, which
# escape differently: keep out the characters that would need escaping.
foreach(setting VORN_AUTHOR VORN_EMAIL VORN_HOMEPAGE)
  if("${${setting}}" MATCHES "[\"\\\\]" OR "${${setting}}" STREQUAL "")
    message(FATAL_ERROR "${setting} must be non-empty and hold no double quote or backslash")
  endif()
endforeach()

configure_file(${PROJECT_SOURCE_DIR}/resources/credits.h.in
  ${PROJECT_BINARY_DIR}/generated/resources/credits.h @ONLY)
add_library(vorn_credits INTERFACE)
target_include_directories(vorn_credits INTERFACE ${PROJECT_BINARY_DIR}/generated)
