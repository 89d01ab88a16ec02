# Varnel carries its version block in an ELF section of its own, written at
# build time from Varnel.version and added to the linked program by objcopy.
set(VARNEL_VERSION_DESCRIPTION ${CMAKE_CURRENT_LIST_DIR}/Varnel.version)
set(VARNEL_VERSION_BLOCK ${CMAKE_CURRENT_BINARY_DIR}/Varnel.version.bin)

add_custom_command(
  OUTPUT ${VARNEL_VERSION_BLOCK}
  COMMAND version-block-writer ${VARNEL_VERSION_DESCRIPTION} ${VARNEL_VERSION_BLOCK}
  DEPENDS version-block-writer ${VARNEL_VERSION_DESCRIPTION}
  COMMENT "Writing the version block of Varnel"
  VERBATIM)
add_custom_target(varnel_version_block DEPENDS ${VARNEL_VERSION_BLOCK})
add_dependencies(Varnel varnel_version_block)

# A changed block relinks the program, so the section is added afresh.
set_property(TARGET Varnel APPEND PROPERTY LINK_DEPENDS ${VARNEL_VERSION_BLOCK})
add_custom_command(
  TARGET Varnel POST_BUILD
  COMMAND ${CMAKE_OBJCOPY}
          --add-section .vs_version_info=${VARNEL_VERSION_BLOCK}
          --set-section-flags .vs_version_info=noload,readonly
          $<TARGET_FILE:Varnel>
  VERBATIM)
