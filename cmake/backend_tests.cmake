# Keeps the tests of the other platform's backend out of the test binary:
# the POSIX terminal's tests (they include its headers or POSIX system
# headers) on Windows, the Win32 console's tests (tests/win32/) elsewhere.
function(vantorel_backend_tests var)
  set(kept)
  foreach(f IN LISTS ${var})
    if(WIN32)
      file(STRINGS ${f} posix REGEX
        "#include [<\"](platform/posix/|unistd\\.h|sys/|poll\\.h|dlfcn\\.h|fcntl\\.h|signal\\.h|termios\\.h)")
      if(posix)
        continue()
      endif()
    elseif(f MATCHES "/tests/win32/")
      continue()
    endif()
    list(APPEND kept ${f})
  endforeach()
  set(${var} ${kept} PARENT_SCOPE)
endfunction()
