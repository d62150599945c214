# Fails when a file of gui/ or cli/ includes the Division's writer or its record-level edits: those two
# reach a league only through the named operations of core/store/Edits.h.
file(GLOB_RECURSE outside ${ROOT}/gui/*.cpp ${ROOT}/gui/*.h ${ROOT}/cli/*.cpp ${ROOT}/cli/*.h)
foreach(source ${outside})
  file(STRINGS ${source} hits REGEX "#include \"store/(DivisionWriter|DivisionEdits)\\.h\"")
  if(hits)
    message(SEND_ERROR "${source} writes a league directly: ${hits}")
  endif()
endforeach()
