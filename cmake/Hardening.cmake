# The hardening flags of Debian's packages, as dpkg-buildflags gives them with
# every hardening feature on: _FORTIFY_SOURCE, the stack protector, format
# checks, and a read-only relocation table bound at start-up (relro, now).
# Only the hardening flags are taken; optimisation and debug information stay
# those of the build type. Fortification needs an optimised build, so only
# the optimised build types take them by default, and never the sanitizer
# builds.
find_program(CPZ5_DPKG_BUILDFLAGS dpkg-buildflags)
set(cpz5_hardening_default OFF)
if(CPZ5_DPKG_BUILDFLAGS AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$"
   AND NOT CPZ5_SANITIZE)
  set(cpz5_hardening_default ON)
endif()
option(CPZ5_HARDENING "Build with Debian's hardening flags (dpkg-buildflags)" ${cpz5_hardening_default})

function(cpz5_buildflags variable result)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${CPZ5_DPKG_BUILDFLAGS} --get ${variable}
    OUTPUT_VARIABLE flags
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags INCLUDE REGEX "^(-D_FORTIFY_SOURCE|-fstack-protector|-fstack-clash|-fcf-protection|-Wformat|-Werror=format|-Wl,-z,)")
  set(${result} ${flags} PARENT_SCOPE)
endfunction()

if(CPZ5_HARDENING)
  if(NOT CPZ5_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "CPZ5_HARDENING needs dpkg-buildflags (package dpkg-dev)")
  endif()
  cpz5_buildflags(CPPFLAGS cpz5_cppflags)
  cpz5_buildflags(CXXFLAGS cpz5_cxxflags)
  cpz5_buildflags(LDFLAGS cpz5_ldflags)
  add_compile_options(${cpz5_cppflags} ${cpz5_cxxflags})
  add_link_options(${cpz5_ldflags})
  list(JOIN cpz5_cppflags " " cpz5_shown)
  list(JOIN cpz5_cxxflags " " cpz5_shown_cxx)
  list(JOIN cpz5_ldflags " " cpz5_shown_ld)
  message(STATUS "Hardening: ${cpz5_shown} ${cpz5_shown_cxx} ${cpz5_shown_ld}")
endif()
