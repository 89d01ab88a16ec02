# `cmake --install build --prefix DIR` lays out DIR/Varnel/ and DIR/Vuvuzodi/,
# each a self-contained program folder like the demo ones: the program, the
# shared platform and the trainer's plugins beside it, found through $ORIGIN,
# and the demo data.

# The demo question bank and language file become the user's own once the
# programs run: an install into a folder that already holds a file of that
# name, in any letter case, leaves the folder's files as they are. A bank's
# files go together, so none of them is laid down when one is there.
function(install_users_data folder)
  install(CODE "
    set(target \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${folder}\")
    file(GLOB present RELATIVE \"\${target}\" \"\${target}/*\")
    string(TOLOWER \"\${present}\" present)
    set(files \"${ARGN}\")
    set(kept FALSE)
    foreach(file IN LISTS files)
      get_filename_component(name \"\${file}\" NAME)
      string(TOLOWER \"\${name}\" name)
      list(FIND present \"\${name}\" found)
      if(NOT found EQUAL -1)
        set(kept TRUE)
      endif()
    endforeach()
    if(kept)
      message(STATUS \"Kept the user's own: \${target}\")
    else()
      file(INSTALL \${files} DESTINATION \"\${target}\")
    endif()")
endfunction()

set_target_properties(Varnel Vuvuzodi varnel-browser varnel-law-viewer PROPERTIES INSTALL_RPATH "$ORIGIN")

install(TARGETS Varnel RUNTIME DESTINATION Varnel)
install(TARGETS platform platform_printing varnel-browser varnel-law-viewer LIBRARY DESTINATION Varnel)
install_users_data(Varnel ${VARNEL_PROGRAM_DIR}/central.vqn ${VARNEL_PROGRAM_DIR}/central.vqt)
install(DIRECTORY ${VARNEL_PROGRAM_DIR}/PRILOHY DESTINATION Varnel)

install(TARGETS Vuvuzodi RUNTIME DESTINATION Vuvuzodi)
install(TARGETS platform platform_printing LIBRARY DESTINATION Vuvuzodi)
install_users_data(Vuvuzodi/Language ${PROJECT_SOURCE_DIR}/calendar/language/demo/English.cln)

add_test(NAME ProgramFoldersTest
  COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/ProgramFoldersTest.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR})
set_tests_properties(ProgramFoldersTest PROPERTIES TIMEOUT 300)
