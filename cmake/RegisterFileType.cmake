# SPDX-License-Identifier: GPL-3.0-or-later
# Run by `cmake --install`: a desktop knows the clip-list file type, and that the program opens it,
# only from its caches of the installed file types and menu entries, so they are brought up to
# date, as a package's triggers do. A staged install (DESTDIR, as cpack makes) leaves that to the
# system that installs the package.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
cmake_path(ABSOLUTE_PATH QK_DATADIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" OUTPUT_VARIABLE data)
foreach(step "update-mime-database;mime;shared-mime-info" "update-desktop-database;applications;desktop-file-utils")
  list(GET step 0 tool)
  list(GET step 1 folder)
  list(GET step 2 package)
  unset(program)
  find_program(program ${tool} NO_CACHE)
  set(failed 1)
  if(program)
    execute_process(COMMAND ${program} "${data}/${folder}" RESULT_VARIABLE failed)
  endif()
  if(failed)
    message(WARNING "The .qkp file type is not registered: run `${tool} ${data}/${folder}` "
                    "(Debian: package ${package}).")
  endif()
endforeach()
