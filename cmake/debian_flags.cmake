# Debian's hardening flags for the Linux build, from which the .deb is packed:
# dpkg-buildflags with every hardening feature on gives the stack protector,
# _FORTIFY_SOURCE, format checks and -z relro -z now (PIE is the compiler's
# default). The build type keeps choosing -O and -g; the sanitizer and fuzzing
# builds go without.
find_program(KOVLO_DPKG_BUILDFLAGS dpkg-buildflags)
if(KOVLO_DPKG_BUILDFLAGS AND NOT KOVLO_SANITIZE AND NOT KOVLO_FUZZ)
  set(ENV{DEB_BUILD_MAINT_OPTIONS} hardening=+all)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${KOVLO_DPKG_BUILDFLAGS} --get ${kind}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-g$|^-O[0-9s]?$|^-ffile-prefix-map=")
    if(kind STREQUAL LDFLAGS)
      add_link_options(${flags})
    elseif(NOT (kind STREQUAL CPPFLAGS AND CMAKE_BUILD_TYPE STREQUAL Debug))
      # (_FORTIFY_SOURCE needs an optimised build.)
      add_compile_options(${flags})
    endif()
  endforeach()
  unset(ENV{DEB_BUILD_MAINT_OPTIONS})
  # Debian 12's dpkg-buildflags stops there; later releases add stack clash
  # protection on amd64. (Their control-flow protection would not take here:
  # Debian 12's start files carry no CET marking, so the linker drops it.)
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
    add_compile_options(-fstack-clash-protection)
  endif()
endif()
