# Run by CPack once the files are staged and before the .deb is made: Debian
# ships manual pages and changelogs compressed with `gzip -9n` (the most
# compression, no name or time stamp inside, so the package is reproducible).
find_program(GZIP gzip REQUIRED)
file(GLOB_RECURSE staged_docs ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*)
list(FILTER staged_docs INCLUDE REGEX "/man/man[1-9]/[^/]+\\.[1-9]$|/doc/zorbland/changelog$")
if(NOT staged_docs)
  message(FATAL_ERROR "no manual page or changelog under ${CPACK_TEMPORARY_INSTALL_DIRECTORY} to compress")
endif()
foreach(doc IN LISTS staged_docs)
  execute_process(COMMAND ${GZIP} -9nf ${doc} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip -9n ${doc} failed")
  endif()
endforeach()
