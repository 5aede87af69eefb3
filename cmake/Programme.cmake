# orvan_programme(NAME SOURCES file... DESCRIPTION text [ICON file] [ESSAI])
# One program of the suite: a Win32 GUI executable NAME.exe (entry point wWinMain) linked
# with the support library's Win32 layer, carrying a version resource, its icon (res/NAME.ico
# beside its CMakeLists.txt, else the suite's icon) and the suite's application manifest.
# The version is the suite's (PROJECT_VERSION). The program installs into Vud/, unless
# ESSAI marks it as a test host. The suite's programs are stripped after the link; their
# symbols stay in the build tree.
# Does nothing outside the windows build.
#
# orvan_liste_programmes(), called once every program is declared, writes
# <build tree>/programmes.txt: one line "NAME<tab>path of NAME.exe" per program, which
# tools/run reads (whatever the generator).
set(ORVAN_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})

function(orvan_programme NAME)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(P "ESSAI" "DESCRIPTION;ICON" "SOURCES" ${ARGN})
  if(NOT PROJECT_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "the suite's version must be major.minor.revision")
  endif()
  set(ORVAN_MAJEUR ${CMAKE_MATCH_1})
  set(ORVAN_MINEUR ${CMAKE_MATCH_2})
  set(ORVAN_REVISION ${CMAKE_MATCH_3})
  set(ORVAN_NOM ${NAME})
  set(ORVAN_DESCRIPTION "${P_DESCRIPTION}")
  if(P_ICON)
    get_filename_component(ORVAN_ICONE "${P_ICON}" ABSOLUTE)
  elseif(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/res/${NAME}.ico)
    set(ORVAN_ICONE ${CMAKE_CURRENT_SOURCE_DIR}/res/${NAME}.ico)
  else()
    set(ORVAN_ICONE ${ORVAN_CMAKE_DIR}/orvan.ico)
  endif()
  set(ORVAN_MANIFESTE ${ORVAN_CMAKE_DIR}/orvan.manifest)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${NAME}.rc)
  configure_file(${ORVAN_CMAKE_DIR}/Programme.rc.in ${rc} @ONLY)
  set(terminaison)
  if(NOT MSVC)  # an object of the program itself, so that libstdc++'s handler is not linked
    set(terminaison ${PROJECT_SOURCE_DIR}/support/win32/Terminaison.cpp)
  endif()
  add_executable(${NAME} WIN32 ${P_SOURCES} ${rc} ${terminaison})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${ORVAN_ICONE};${ORVAN_MANIFESTE}")
  target_link_libraries(${NAME} PRIVATE support_win32)
  if(NOT MSVC)
    target_link_options(${NAME} PRIVATE -municode)
  endif()
  if(NOT P_ESSAI)  # test hosts are not part of the suite
    install(TARGETS ${NAME} RUNTIME DESTINATION Vud)
    # The shipped program carries no symbols: they stay beside it in the build tree, in
    # NAME.exe.debug (for crash reports), which the program names in its .gnu_debuglink.
    if(NOT MSVC AND CMAKE_OBJCOPY)
      add_custom_command(TARGET ${NAME} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${NAME}.exe ${NAME}.exe.debug
        COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${NAME}.exe.debug ${NAME}.exe
        WORKING_DIRECTORY $<TARGET_FILE_DIR:${NAME}> VERBATIM)
    endif()
  endif()
  set_property(GLOBAL APPEND PROPERTY ORVAN_PROGRAMMES ${NAME})
endfunction()

function(orvan_liste_programmes)
  get_property(noms GLOBAL PROPERTY ORVAN_PROGRAMMES)
  set(lignes "")
  foreach(nom IN LISTS noms)
    string(APPEND lignes "${nom}\t$<TARGET_FILE:${nom}>\n")
  endforeach()
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/programmes.txt CONTENT "${lignes}")
endfunction()
