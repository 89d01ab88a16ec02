# `cmake --install build --prefix DIR` lays out DIR/Varnel/ and DIR/Vuvuzodi/,
# each a self-contained program folder like the demo ones: the program, the
# shared platform and the trainer's plugins beside it, found through $ORIGIN,
# and the demo data.
set_target_properties(Varnel Vuvuzodi varnel-browser varnel-law-viewer PROPERTIES INSTALL_RPATH "$ORIGIN")

install(TARGETS Varnel RUNTIME DESTINATION Varnel)
install(TARGETS platform platform_printing varnel-browser varnel-law-viewer LIBRARY DESTINATION Varnel)
install(FILES ${VARNEL_PROGRAM_DIR}/central.vqn ${VARNEL_PROGRAM_DIR}/central.vqt DESTINATION Varnel)
install(DIRECTORY ${VARNEL_PROGRAM_DIR}/PRILOHY DESTINATION Varnel)

install(TARGETS Vuvuzodi RUNTIME DESTINATION Vuvuzodi)
install(TARGETS platform platform_printing LIBRARY DESTINATION Vuvuzodi)
install(FILES ${PROJECT_SOURCE_DIR}/calendar/language/demo/English.cln DESTINATION Vuvuzodi/Language)

add_test(NAME ProgramFoldersTest
  COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/ProgramFoldersTest.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR})
set_tests_properties(ProgramFoldersTest PROPERTIES TIMEOUT 300)
