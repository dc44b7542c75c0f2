// The three binary scenario files the simulator reads: the line plan, the
// station table and the track cells. They are raw dumps without headers or
// padding, little-endian whatever the host, built field by field.
#pragma once

#include <cstddef>
#include <string>

#include "model/archivio.h"
#include "model/cella.h"
#include "model/contenuto.h"
#include "model/pacchetto.h"
#include "model/stazione.h"
#include "model/tabella_linea.h"
#include "model/tracciati.h"
#include "model/vettore.h"

namespace progetto1 {

// One record appended to uscita. A text longer than its 16-bit length field
// can count is refused with an overflow rather than written with a length
// the simulator would misread.
void scrivi_cella(std::string& uscita, const cella& c);
void scrivi_stazione(std::string& uscita, const stazione& s);

// Whole files: every x of the plan then every y, each a 2-byte tag and its
// payload; slots 0 to 86; cells 0 to the last.
std::string byte_tabella_linea(const TabellaLinea& tabella);
// The plan as it goes to the disk: produced in blocks from the table, which
// must outlive it.
Contenuto contenuto_tabella_linea(const TabellaLinea& tabella);
std::string byte_stazioni(const Vettore<stazione>& stazioni);
std::string byte_celle(const Vettore<cella>& percorso);

// Replaces the files line plan (only with con_tabella), station table and
// track cells together. All three are built before the first is written, so
// a record that cannot be encoded leaves every earlier file as it was.
void scrivi_file_binari(const Pacchetto& p, Archivio& archivio);

}  // namespace progetto1
