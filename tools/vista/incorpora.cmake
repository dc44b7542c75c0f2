# Turns the page's own sources into one C++ header of raw strings, so that the
# tool carries them and they stay files that can be read and linted.
#   cmake -DUSCITA=header -DSORGENTI="a.html;b.css;c.js" -P incorpora.cmake
set(testo "// Written by the build from tools/vista/; do not edit.\n#pragma once\n\n")
string(APPEND testo "namespace progetto1::strumento::vista {\n\n")
foreach(sorgente ${SORGENTI})
  file(READ ${sorgente} contenuto)
  if(contenuto MATCHES "\\)vista\"")
    message(FATAL_ERROR "${sorgente} contiene il delimitatore )vista\"")
  endif()
  get_filename_component(estensione ${sorgente} EXT)
  string(REPLACE "." "" estensione ${estensione})
  string(APPEND testo "inline constexpr const char* k_${estensione} = R\"vista(${contenuto})vista\";\n\n")
endforeach()
string(APPEND testo "}  // namespace progetto1::strumento::vista\n")
file(WRITE "${USCITA}.nuovo" "${testo}")
file(COPY_FILE ${USCITA}.nuovo ${USCITA} ONLY_IF_DIFFERENT)
file(REMOVE ${USCITA}.nuovo)
