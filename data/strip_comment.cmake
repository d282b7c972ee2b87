# Run by CPack once the package's files are laid out: drops the compilers'
# .comment section from the program, as Debian's dh_strip does (CPack's plain
# strip keeps it, and lintian names it as unneeded).
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
foreach(program ${programs})
  execute_process(COMMAND objcopy --remove-section=.comment "${program}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "objcopy could not drop .comment from ${program}")
  endif()
endforeach()
