# cmake -DRACINE=<sources> -DDOSSIERS=<libraries bottom up> -DLIENS=<file> -P Couches.cmake
#
# The layering test: every library folder of DOSSIERS may include headers
# and link libraries of the folders before it in the list only. LIENS holds
# one line "library link link ..." per library (written at configure time).
# Links that all go down the list can form no cycle; an include or a link
# that goes up is reported with the file or the library that makes it.
set(fautes 0)

foreach(dossier IN LISTS DOSSIERS)
  list(FIND DOSSIERS ${dossier} rang)
  file(GLOB_RECURSE sources ${RACINE}/${dossier}/*.h ${RACINE}/${dossier}/*.cpp)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} inclusions REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
    foreach(ligne IN LISTS inclusions)
      string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" cible "${ligne}")
      list(FIND DOSSIERS ${cible} rangCible)
      if(rangCible GREATER rang)
        file(RELATIVE_PATH nom ${RACINE} ${source})
        message("${nom} includes a header of ${cible}/, above ${dossier}/")
        math(EXPR fautes "${fautes} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

file(STRINGS ${LIENS} lignes)
foreach(ligne IN LISTS lignes)
  separate_arguments(parties UNIX_COMMAND "${ligne}")
  list(POP_FRONT parties dossier)
  list(FIND DOSSIERS ${dossier} rang)
  foreach(cible IN LISTS parties)
    list(FIND DOSSIERS "${cible}" rangCible)
    if(rangCible GREATER_EQUAL rang)
      message("${dossier} links ${cible}, which is not below it")
      math(EXPR fautes "${fautes} + 1")
    endif()
  endforeach()
endforeach()

if(fautes GREATER 0)
  message(FATAL_ERROR "${fautes} layering fault(s); order, bottom up: ${DOSSIERS}")
endif()
message("layering: ${DOSSIERS}")
