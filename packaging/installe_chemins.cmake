# Run by `cmake --install`: writes the installed paths into the menu entry, the manual page
# and the changelog, and installs them; the manual page and the changelog compressed, as
# Debian keeps them (gzip -n: no time stamp, so the same build gives the same bytes).
set(JEU_EXECUTABLE ${CMAKE_INSTALL_PREFIX}/${JEU_INSTALL_EXECUTABLE}/polarite)
set(JEU_DONNEES ${CMAKE_INSTALL_PREFIX}/${JEU_INSTALL_DONNEES})
# A folder of their own for each destination, so that installs into different places at
# the same time (the tests do) never share a half-written file.
string(MD5 destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(JEU_REMPLIS ${JEU_REMPLIS}/${destination})

configure_file(${JEU_MODELES}/polarite.desktop.in ${JEU_REMPLIS}/polarite.desktop @ONLY)
configure_file(${JEU_MODELES}/polarite.6.in ${JEU_REMPLIS}/polarite.6 @ONLY)
configure_file(${JEU_MODELES}/changelog.in ${JEU_REMPLIS}/changelog @ONLY)
foreach(fichier polarite.6 changelog)
  execute_process(COMMAND gzip -9nc ${fichier} WORKING_DIRECTORY ${JEU_REMPLIS}
                  OUTPUT_FILE ${JEU_REMPLIS}/${fichier}.gz RESULT_VARIABLE statut)
  if(NOT statut EQUAL 0)
    message(FATAL_ERROR "gzip ${JEU_REMPLIS}/${fichier}: ${statut}")
  endif()
endforeach()

file(INSTALL ${JEU_REMPLIS}/polarite.desktop DESTINATION ${CMAKE_INSTALL_PREFIX}/${JEU_INSTALL_DATAROOTDIR}/applications)
file(INSTALL ${JEU_REMPLIS}/polarite.6.gz DESTINATION ${CMAKE_INSTALL_PREFIX}/${JEU_INSTALL_MANDIR}/man6)
file(INSTALL ${JEU_REMPLIS}/changelog.gz DESTINATION ${CMAKE_INSTALL_PREFIX}/${JEU_INSTALL_DOCDIR})
file(REMOVE_RECURSE ${JEU_REMPLIS})
