# orvan_optimise(TARGET [CHAUD file...])
# The suite's own code is built for size in Release (-Os): small utilities where speed
# rarely matters. The CHAUD files, the hot paths that tools/bench times (the engine pass
# and the task file it rewrites, the census, the deletion), are built for speed at -O2
# (-O3 makes them much larger for no measurable gain). Test and benchmark code keeps the
# build's flags.
#
# orvan_logique(NAME [file...] [CHAUD file...])
# A program's portable logic (its files, the CHAUD ones among them): a static library on
# the support library, the headers of its folder public, built as orvan_optimise says.
#
# orvan_programme(NAME SOURCES file... DESCRIPTION text [LOGIQUE library] [ICON file] [ESSAI])
# One program of the suite: a Win32 GUI executable NAME.exe (entry point wWinMain) linked
# with its LOGIQUE library and the support library's Win32 layer, built for size, carrying
# a version resource, its icon (res/NAME.ico beside its CMakeLists.txt, else the suite's
# icon) and the suite's application manifest.
# The version is the suite's (PROJECT_VERSION). The program installs into Vud/, unless
# ESSAI marks it as a test host. The suite's programs are stripped after the link; their
# symbols stay in the build tree.
# Does nothing outside the windows build.
#
# orvan_liste_programmes(), called once every program is declared, writes
# <build tree>/programmes.txt: one line "NAME<tab>path of NAME.exe" per program, which
# tools/run reads (whatever the generator).
set(ORVAN_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})

function(orvan_optimise cible)
  cmake_parse_arguments(O "" "" "CHAUD" ${ARGN})
  if(MSVC)
    return()
  endif()
  target_compile_options(${cible} PRIVATE $<$<CONFIG:Release>:-Os>)
  if(O_CHAUD)
    # Source options come after the target's: the last -O wins.
    set_source_files_properties(${O_CHAUD} TARGET_DIRECTORY ${cible}
                                PROPERTIES COMPILE_OPTIONS $<$<CONFIG:Release>:-O2>)
  endif()
endfunction()

function(orvan_logique NAME)
  cmake_parse_arguments(L "" "" "CHAUD" ${ARGN})
  add_library(${NAME} STATIC ${L_UNPARSED_ARGUMENTS} ${L_CHAUD})
  target_include_directories(${NAME} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${NAME} PUBLIC support)
  orvan_optimise(${NAME} CHAUD ${L_CHAUD})
endfunction()

function(orvan_programme NAME)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(P "ESSAI" "DESCRIPTION;ICON;LOGIQUE" "SOURCES" ${ARGN})
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
  target_link_libraries(${NAME} PRIVATE ${P_LOGIQUE} support_win32)
  orvan_optimise(${NAME})
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
