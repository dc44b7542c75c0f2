#include "compiler/catalogo/catalogo.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "compiler/piano.h"
#include "model/cp1252.h"

namespace progetto1::catalogo {

namespace {

using C = CodiceErrore;
using A = Avviso;
using T = Tipo;

constexpr std::int64_t kLongMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInteroMax = std::numeric_limits<std::int16_t>::max();

// ---- The line text -------------------------------------------------------

constexpr Campo kCampiLunghezza[] = {
    {"lunghezza", "lunghezza della linea", T::kLong, "m", 0, 1000000, 1,
     "file .sim, slot 84, valore2. Le celle del percorso vanno da 0 a (lunghezza + 7000) / 50 "
     "e il piano della linea ha un punto per metro fino a lunghezza + 7000: la linea prosegue "
     "7000 m oltre la sua fine. Oltre 1000000 m la lettura si ferma (codice 1)."},
};

// The three chainage ranges share their fields; only the words differ.
constexpr Campo kCampiProgressiva[] = {
    {"inizio", "posizione della linea da cui vale la progressiva", T::kLong, "m", 0, 1007000, 50,
     "file .sim, valore1 di uno degli slot 81-83: le tre progressive sono ordinate per inizio, "
     "quella che inizia più avanti nello slot 81. Non multiplo di 50: codice 2."},
    {"progressiva",
     "progressiva chilometrica in quella posizione, in metri (88+016 si scrive 88016)", T::kLong,
     "m", 0, kLongMax, 50,
     "file .sim, valore2 dello stesso slot, con 100 m in più quando il contrassegno è 1. Non "
     "multiplo di 50: codice 2."},
    {"contrassegno", "contrassegno della progressiva", T::kLong, "", 0, 1, 1,
     "file .sim, valore3 dello stesso slot, così com'è; con 1 il pacchetto aggiunge 100 m alla "
     "progressiva. Il pacchetto non gli dà altro significato: lo passa al simulatore."},
};

constexpr Campo kCampiSfondoUno[] = {
    {"numero", "numero dello sfondo", T::kLong, "", 0, kLongMax, 1,
     "file .sim, slot 85, valore1. Il pacchetto lo conserva e lo passa al simulatore senza "
     "usarlo."},
};
constexpr Campo kCampiSfondoDue[] = {
    {"numero", "numero dello sfondo", T::kLong, "", 0, kLongMax, 1,
     "file .sim, slot 85, valore3. Il pacchetto lo conserva e lo passa al simulatore senza "
     "usarlo."},
};
constexpr Campo kCampiSfondoTre[] = {
    {"numero", "numero dello sfondo", T::kLong, "", 0, kLongMax, 1,
     "file .sim, slot 85, valore2. Il pacchetto lo conserva e lo passa al simulatore senza "
     "usarlo."},
};

constexpr Campo kCampiRipetizione[] = {
    {"posizione1", "prima posizione della ripetizione segnali", T::kLong, "m", 0, kLongMax, 50,
     "file .sim, slot 86, valore1. Non multipla di 50: codice 3. Il pacchetto la controlla e la "
     "passa al simulatore."},
    {"posizione2", "seconda posizione della ripetizione segnali", T::kLong, "m", 0, kLongMax, 50,
     "file .sim, slot 86, valore2. Non multipla di 50: codice 4. Con 0 il numero di codici "
     "registrato (valore3) è 0."},
};

constexpr Campo kCampiCurva[] = {
    {"inizio", "posizione dove la curva comincia", T::kLong, "m", 0, 1007000, 1,
     "file del piano (_linea.dat): fino a qui il tracciato prosegue diritto. Una curva che "
     "comincia prima della fine della precedente curva solo dal punto già raggiunto."},
    {"lunghezza", "lunghezza dell'arco", T::kLong, "m", 1, 1007000, 1,
     "il piano curva, un punto per metro, fino a inizio + lunghezza."},
};

constexpr Campo kCampiPendenza[] = {
    {"posizione", "posizione da cui vale la pendenza", T::kLong, "m", 0, 1007000, 50,
     "la pendenza vale dalla cella posizione / 50 arrotondata (quella che finisce alla "
     "posizione, una prima della cella della posizione) fino alla cella prima di quella della "
     "pendenza successiva; l'ultima vale fino alla quartultima cella, le ultime tre restano 0."},
    {"pendenza", "pendenza, positiva in salita e negativa in discesa", T::kLong, "‰", -100, 155, 1,
     "file .dat, campo pendenza di ogni cella: pendenza + 100 in un byte (0 ‰ è 100, -9 ‰ è "
     "91). Fuori da -100 ... 155 il byte ne tiene solo gli 8 bit bassi."},
};

constexpr Campo kCampiMontagna[] = {
    {"inizio", "posizione dove il tratto comincia", T::kLong, "m", 0, 1007000, 50,
     "prima cella del tratto: inizio / 50 arrotondato (senza il + 1 delle altre posizioni)."},
    {"fine", "posizione dove il tratto finisce", T::kLong, "m", 0, 1007000, 50,
     "ultima cella del tratto: fine / 50 - 1 arrotondato."},
    {"tipo", "tipo del tratto; più 10 per volere le marche di montagna", T::kLong, "", 1, 20, 1,
     "file .dat, campo montagna di ogni cella del tratto (8 bit bassi). Un tipo oltre 10 vale "
     "tipo - 10 e mette una marca di montagna (genere 11) nella 4a, 8a, 12a... cella del tratto, "
     "contando dalla prima, dove la cella è ancora vuota. Un "
     "tratto che comincia al massimo 150 m dopo la fine del precedente diventa di tipo 3. Per il "
     "resto il pacchetto passa il tipo al simulatore senza usarlo."},
};

constexpr Campo kCampiIndicatore[] = {
    {"posizione", "posizione del cartello", T::kLong, "m", 0, 1007000, 50,
     "la cella del cartello: genere 6 (indicatore di velocità massima)."},
    {"vas", "prima velocità del gruppo s", T::kLong, "km/h", 0, 495, 5,
     "file .dat, dato1 = vas × 20 + vad / 5."},
    {"vbs", "seconda velocità del gruppo s", T::kLong, "km/h", 0, 495, 5,
     "file .dat, dato2 = vbs × 20 + vbd / 5."},
    {"vcs", "terza velocità del gruppo s", T::kLong, "km/h", 0, 495, 5,
     "file .dat, dato3 = vcs × 20 + vcd / 5."},
    {"strisces", "cifra delle strisce del gruppo s", T::kLong, "", 0, 9, 1,
     "file .dat, dato4 = strisces × 10 + strisced."},
    {"vad", "prima velocità del gruppo d", T::kLong, "km/h", 0, 495, 5,
     "file .dat, dato1 (vedi vas); un campo vuoto vale 0."},
    {"vbd", "seconda velocità del gruppo d", T::kLong, "km/h", 0, 495, 5,
     "file .dat, dato2 (vedi vbs); un campo vuoto vale 0."},
    {"vcd", "terza velocità del gruppo d", T::kLong, "km/h", 0, 495, 5,
     "file .dat, dato3 (vedi vcs); un campo vuoto vale 0."},
    {"strisced", "cifra delle strisce del gruppo d", T::kLong, "", 0, 9, 1,
     "file .dat, dato4 (vedi strisces); un campo vuoto vale 0."},
};

constexpr Campo kCampiCartello[] = {
    {"posizione", "posizione del cartello", T::kLong, "m", 0, 1007000, 50,
     "la cella del cartello: genere 14, dato1 = lo slot della tabella delle stazioni che ne "
     "tiene la scritta."},
    {"scritta", "scritta del cartello, a gruppi tra parentesi: (PL km)(88+016)", T::kTesto, "", 0,
     45, 1,
     "file .sim, testo di uno slot dall'80 in giù (il primo cartello nell'80). Fino alla fine "
     "della riga, senza virgole; di solito due o tre gruppi di al massimo 13 caratteri, 45 in "
     "tutto."},
};

// ---- The train text ------------------------------------------------------

constexpr Campo kCampiVetture[] = {
    {"vetture", "numero delle vetture del treno", T::kLong, "", 0, kLongMax, 1,
     "file .sim, slot 84, valore3. Il pacchetto lo conserva e lo passa al simulatore."},
};
constexpr Campo kCampiMassaFrenata[] = {
    {"percentuale", "percentuale di massa frenata del treno", T::kLong, "%", 0, kLongMax, 1,
     "file .sim, slot 84, valore1. Il pacchetto la conserva e la passa al simulatore."},
};
constexpr Campo kCampiSabbia[] = {
    {"sabbia", "scorta di sabbia del treno (il pacchetto non ne fissa l'unità)", T::kIntero, "", 0,
     kInteroMax, 1,
     "file .sim, slot 86, intero1. Il pacchetto la conserva e la passa al simulatore."},
};
constexpr Campo kCampiOrologio[] = {
    {"ore", "ora dell'orologio all'inizio della corsa", T::kIntero, "h", 0, 23, 1,
     "file .sim, slot 86, intero3."},
    {"minuti", "minuti dell'orologio", T::kIntero, "min", 0, 59, 1, "file .sim, slot 86, intero4."},
    {"secondi", "secondi dell'orologio", T::kIntero, "s", 0, 59, 1, "file .sim, slot 86, intero5."},
};
constexpr Campo kCampiAderenza[] = {
    {"posizione", "posizione da cui vale l'aderenza", T::kLong, "m", 0, 1007000, 50,
     "l'aderenza vale dalla cella posizione / 50 arrotondata (quella che finisce alla "
     "posizione) fino alla cella prima di quella dell'aderenza successiva; l'ultima vale fino "
     "alla quartultima cella, le ultime tre restano 0."},
    {"aderenza", "valore di aderenza (il pacchetto non ne fissa l'unità)", T::kLong, "", 0, 255, 1,
     "file .dat, campo aderenza di ogni cella, in un byte (8 bit bassi). Il pacchetto lo passa "
     "al simulatore senza usarlo."},
};
constexpr Campo kCampiVelocita[] = {
    {"posizione", "posizione da cui vale la velocità massima", T::kLong, "m", 0, 1007000, 50,
     "la velocità vale dalla cella posizione / 50 arrotondata (quella che finisce alla "
     "posizione) fino alla cella prima di quella della velocità successiva; l'ultima vale fino "
     "alla quartultima cella, le ultime tre restano 0."},
    {"velocita", "velocità massima del treno", T::kLong, "km/h", 0, 1275, 5,
     "file .dat, campo vel_limite di ogni cella: velocità / 5 arrotondata, in un byte (110 km/h "
     "è 22). Oltre 1277 km/h la lettura si ferma (codice 25)."},
};

constexpr Campo kCampiStazione[] = {
    {"posizione", "posizione della stazione", T::kLong, "m", 0, 1007000, 50,
     "file .sim, valore3 dello slot della stazione (la prima stazione nello slot 1, poi 2, 3...). "
     "Non multipla di 50: codice 8."},
    {"categoria", "categoria della stazione", T::kByte, "", 0, 255, 1,
     "file .sim, campo codice. Decide la zona e le marche: categorie 5 e 6, zona da P - L a "
     "P + 150; 7 e 8, da P - L a P + L; le altre, da P - L/2 a P + L/2 (P la posizione, L il "
     "marciapiede). Sotto 25 la stazione ha una marca di fermata (genere 10) nella cella "
     "fine della zona / 50 - 1, cioè quella che finisce 50 m prima della fine della zona, e, "
     "tranne 5 e 6, quattro marche di avvicinamento nelle quattro celle prima di essa (81 la più "
     "vicina, 84 la più lontana); da 25 in su nessuna marca."},
    {"marciapiede", "lunghezza del marciapiede", T::kLong, "m", 100, 10000, 100,
     "serve solo a calcolare la zona della stazione; non è conservata. Non multipla di 100: "
     "codice 9."},
    {"selettore", "valore 4 della stazione", T::kByte, "", 0, 255, 1,
     "file .sim, campo selettore, così com'è; il pacchetto lo passa al simulatore senza usarlo "
     "(nel testo incorporato 1 per la prima stazione, 0 per le altre)."},
    {"marca4", "valore 5 della stazione", T::kByte, "", 0, 255, 1,
     "file .sim, campo marca4; il pacchetto lo azzera per la prima stazione e quando il "
     "marciapiede è più corto di 600 m, altrimenti lo passa al simulatore senza usarlo."},
    {"marca3", "valore 6 della stazione: diverso da 0 allunga la zona di 50 m", T::kByte, "", 0,
     255, 1,
     "file .sim, campo marca3. Per le categorie diverse da 5-8 un valore diverso da 0 sposta la "
     "fine della zona 50 m più avanti; il pacchetto lo azzera per le categorie 5-8 e per la "
     "prima stazione."},
    {"intero1", "valore 7 della stazione", T::kIntero, "", -32768, 32767, 1,
     "file .sim, campo intero1, così com'è; il pacchetto lo passa al simulatore senza usarlo."},
    {"intero2", "valore 8 della stazione", T::kIntero, "", -32768, 32767, 1,
     "file .sim, campo intero2, così com'è; il pacchetto lo passa al simulatore senza usarlo."},
    {"marca1", "valore 9 della stazione", T::kByte, "", 0, 255, 1,
     "file .sim, campo marca1, così com'è; il pacchetto lo passa al simulatore senza usarlo."},
    {"intero3", "valore 10 della stazione", T::kIntero, "", -32768, 32767, 1,
     "file .sim, campo intero3, così com'è; il pacchetto lo passa al simulatore senza usarlo."},
    {"intero4", "valore 11 della stazione", T::kIntero, "", -32768, 32767, 1,
     "file .sim, campo intero4, così com'è; il pacchetto lo passa al simulatore senza usarlo."},
    {"intero5", "valore 12 della stazione", T::kIntero, "", -32768, 32767, 1,
     "file .sim, campo intero5, così com'è; il pacchetto lo passa al simulatore senza usarlo."},
    {"marca2", "valore 13 della stazione", T::kByte, "", 0, 255, 1,
     "file .sim, campo marca2, così com'è; il pacchetto lo passa al simulatore senza usarlo."},
    {"ore", "ora dell'orario della stazione", T::kLong, "h", 0, 23, 1,
     "file .sim, valore4 = (ore × 60 + minuti) × 60 + secondi, in secondi dalla mezzanotte; "
     "0, 0, 0 per una stazione senza orario."},
    {"minuti", "minuti dell'orario", T::kLong, "min", 0, 59, 1, "file .sim, valore4 (vedi ore)."},
    {"secondi", "secondi dell'orario", T::kLong, "s", 0, 59, 1, "file .sim, valore4 (vedi ore)."},
    {"nome", "nome della stazione, in maiuscole", T::kTesto, "", 0, 27, 1,
     "file .sim, testo dello slot. Fino alla fine della riga, senza virgole; i documenti ne "
     "mostrano 27 caratteri."},
};

constexpr Campo kCampiRallentamento[] = {
    {"x", "posizione dove il rallentamento comincia", T::kLong, "m", 0, 1007000, 50,
     "cella di inizio: genere 3. Oltre 1500 m anche un avviso (genere 4) 1200 m prima."},
    {"v", "velocità del rallentamento", T::kLong, "km/h", 0, 32767, 5,
     "file .dat, dato1 delle celle di avviso, inizio e fine, in km/h così com'è."},
    {"l", "lunghezza del rallentamento", T::kLong, "m", 50, 1007000, 50,
     "cella di fine: quella di x + l, genere 2. Se cade nella cella d'inizio, l'inizio la "
     "sostituisce."},
    {"f_tt", "valore f_tt del rallentamento", T::kLong, "", -32768, 32767, 1,
     "file .dat, dato3 delle celle di inizio e fine (16 bit bassi); il pacchetto lo passa al "
     "simulatore senza usarlo."},
    {"f_ta", "diverso da 0: quattro marche di preavviso prima dell'avviso", T::kLong, "", 0, 1, 1,
     "con un avviso (x oltre 1500 m), le quattro celle prima di esso prendono genere 5 e dato1 "
     "da 1 (la più vicina) a 4."},
    {"d_v", "valore d_v del rallentamento", T::kLong, "", -32768, 32767, 1,
     "diverso da 0: file .dat, dato2 delle celle di avviso, inizio e fine (e 1-4 nelle celle di "
     "preavviso); il pacchetto lo passa al simulatore senza usarlo."},
};

constexpr Campo kCampiSegnale[] = {
    {"posizione", "posizione del segnale", T::kLong, "m", 0, 1007000, 50,
     "la cella del segnale: genere 1. Le celle 2, 4, 6 e 8 prima prendono l'avvicinamento "
     "sx × 30 + dx × 10 + 1 ... 4."},
    {"sx", "valore sx del segnale", T::kLong, "", 0, 3, 1,
     "file .dat, dato4 = rapp × 10 + sx × 3 + dx; con sx 2 la cella conserva anche il tempo."},
    {"s1", "valore s1 del segnale", T::kLong, "", 0, 3275, 1, "file .dat, dato1 = s1 × 10 + d1."},
    {"s2", "valore s2 del segnale", T::kLong, "", 0, 3275, 1, "file .dat, dato2 = s2 × 10 + d2."},
    {"s3", "valore s3 del segnale", T::kLong, "", 0, 3275, 1, "file .dat, dato3 = s3 × 10 + d3."},
    {"rapp", "valore rapp del segnale", T::kLong, "", 0, 3275, 1, "file .dat, dato4 (vedi sx)."},
    {"dx", "valore dx del segnale", T::kLong, "", 0, 2, 1, "file .dat, dato4 (vedi sx)."},
    {"d1", "valore d1 del segnale", T::kLong, "", 0, 9, 1, "file .dat, dato1 (vedi s1)."},
    {"d2", "valore d2 del segnale", T::kLong, "", 0, 9, 1, "file .dat, dato2 (vedi s2)."},
    {"d3", "valore d3 del segnale", T::kLong, "", 0, 9, 1, "file .dat, dato3 (vedi s3)."},
    {"tempo", "tempo del segnale", T::kLong, "", 0, 255, 1,
     "file .dat, campo tempo della cella, solo con sx 2 (altrimenti 0). Da 1 a 100 il pacchetto "
     "lo porta a 101."},
};

constexpr Campo kCampiAbbattimento[] = {
    {"posizione", "posizione dell'abbattimento", T::kLong, "m", 0, 1007000, 50,
     "marca la cella posizione / 50 arrotondata, cioè quella prima della cella della posizione."},
    {"valore", "valore dell'abbattimento", T::kLong, "", 0, 32767, 1,
     "maggiore di 0: la cella diventa un punto codice (genere 12) con dato1 = valore; 0 o meno: "
     "genere 13."},
};

// ---- Codes and warnings --------------------------------------------------

constexpr CodiceErrore kCodiciLunghezza[] = {C::kLunghezzaOltreIlMassimo, C::kLettura};
constexpr CodiceErrore kCodiciProgressiva[] = {C::kProgressivaNonMultipla, C::kLettura};
constexpr CodiceErrore kCodiciLettura[] = {C::kLettura};
constexpr CodiceErrore kCodiciRipetizione[] = {C::kRipetizionePrimoNonMultiplo,
                                               C::kRipetizioneSecondoNonMultiplo,
                                               C::kRipetizioneSenzaCodici, C::kLettura};
constexpr CodiceErrore kCodiciCurva[] = {C::kCurvaNonValida, C::kOltreIlPercorso, C::kLettura};
constexpr CodiceErrore kCodiciPosizione[] = {C::kOltreIlPercorso, C::kLettura};
constexpr CodiceErrore kCodiciIndicatore[] = {C::kIndicatoreOccupato, C::kOltreIlPercorso,
                                              C::kLettura};
constexpr CodiceErrore kCodiciCartello[] = {C::kCartelloOccupato, C::kTabellaStazioniPiena,
                                            C::kOltreIlPercorso, C::kLettura};
constexpr CodiceErrore kCodiciStazione[] = {C::kStazioneNonMultipla,
                                            C::kMarciapiedeNonMultiplo,
                                            C::kStazioniTroppoVicine,
                                            C::kFermataSullaCellaUno,
                                            C::kTabellaStazioniPiena,
                                            C::kOltreIlPercorso,
                                            C::kLettura};
constexpr CodiceErrore kCodiciRallentamento[] = {C::kAvvisoOccupato,
                                                 C::kInizioRallentamentoOccupato,
                                                 C::kFineRallentamentoOccupato,
                                                 C::kPreavvisoOccupato,
                                                 C::kInizioSenzaCodice,
                                                 C::kRallentamentoSenzaCodice,
                                                 C::kOltreIlPercorso,
                                                 C::kLettura};
constexpr CodiceErrore kCodiciSegnale[] = {C::kSegnaleOccupato, C::kSegnaleSenzaCodice,
                                           C::kOltreIlPercorso, C::kLettura};
constexpr CodiceErrore kCodiciAbbattimento[] = {C::kAbbattimentoOccupato, C::kOltreIlPercorso,
                                                C::kLettura};

constexpr Avviso kAvvisiLunghezza[] = {A::kLunghezzaRipetuta, A::kFuoriSezione};
constexpr Avviso kAvvisiGenerali[] = {A::kFuoriSezione};
constexpr Avviso kAvvisiProgressiva[] = {A::kFuoriIntervallo, A::kFuoriSezione};
constexpr Avviso kAvvisiCurva[] = {A::kCurvaPiuCifre, A::kFuoriOrdine, A::kOltreLaLinea,
                                   A::kFuoriSezione};
constexpr Avviso kAvvisiPendenza[] = {A::kFuoriOrdine, A::kPendenzaTroncata, A::kFuoriGriglia,
                                      A::kOltreLaLinea, A::kFuoriSezione};
constexpr Avviso kAvvisiMontagna[] = {A::kMontagnaUnita, A::kFuoriGriglia, A::kOltreLaLinea,
                                      A::kFuoriSezione};
constexpr Avviso kAvvisiIndicatore[] = {
    A::kVelocitaFuoriPasso, A::kValoreTroncato, A::kFuoriIntervallo, A::kMarcaSostituita,
    A::kFuoriGriglia,       A::kOltreLaLinea,   A::kFuoriSezione};
constexpr Avviso kAvvisiCartello[] = {A::kTestoLungo,   A::kCarattereNonCp1252, A::kMarcaSostituita,
                                      A::kFuoriGriglia, A::kOltreLaLinea,       A::kFuoriSezione};
constexpr std::span<const Avviso> kAvvisiNessuno;
constexpr Avviso kAvvisiOrologio[] = {A::kFuoriIntervallo};
constexpr Avviso kAvvisiLungoLinea[] = {A::kFuoriOrdine, A::kFuoriGriglia, A::kOltreLaLinea};
constexpr Avviso kAvvisiVelocita[] = {A::kFuoriOrdine, A::kVelocitaFuoriPasso, A::kFuoriGriglia,
                                      A::kOltreLaLinea};
constexpr Avviso kAvvisiStazione[] = {
    A::kStazioneFuoriOrdine, A::kFuoriIntervallo, A::kOrarioIndietro, A::kTestoLungo,
    A::kCarattereNonCp1252,  A::kFuoriGriglia,    A::kOltreLaLinea};
constexpr Avviso kAvvisiRallentamento[] = {
    A::kRallentamentoSenzaFine, A::kValoreTroncato, A::kFuoriIntervallo, A::kVelocitaFuoriPasso,
    A::kRegistroResiduo,        A::kFuoriGriglia,   A::kOltreLaLinea};
constexpr Avviso kAvvisiSegnale[] = {A::kTempoAlzato,     A::kValoreTroncato,  A::kFuoriIntervallo,
                                     A::kMarcaSostituita, A::kRegistroResiduo, A::kFuoriGriglia,
                                     A::kOltreLaLinea};
constexpr Avviso kAvvisiAbbattimento[] = {A::kValoreTroncato, A::kFuoriGriglia, A::kOltreLaLinea};

// ---- The records ---------------------------------------------------------

constexpr std::string_view kSfondo =
    "Numero di sfondo: il pacchetto lo conserva nel file .sim e lo passa al simulatore senza "
    "usarlo.";
constexpr std::string_view kProgressiva =
    "Una delle tre progressive chilometriche della linea: da inizio in avanti la linea porta la "
    "progressiva scritta. L'ordine delle tre nel testo è libero: il pacchetto mette per prima "
    "quella con l'inizio più avanti, poi tra le altre due quella con l'inizio maggiore (a parità "
    "uno, poi due, poi tre). Se due progressive hanno lo stesso inizio più avanti di tutte, tutte "
    "e tre diventano 0. Se tutti gli inizi sono 0 decide la progressiva scritta: prima la tre, "
    "poi la due, poi la uno se la progressiva della tre è almeno 1; altrimenti prima la due, poi "
    "la tre e la uno se la due è almeno 1; altrimenti prima la uno, poi la due e la tre se la uno "
    "è almeno 1; altrimenti tutte e tre 0. Una progressiva che la linea non ha si scrive 0, 0, "
    "0.";

constexpr Record kRecord[] = {
    {Voce::kLunghezza, Testo::kLinea, "lunghezza percorso", "[generale]", true,
     "lunghezza percorso", "lunghezza", "percorso", false, "",
     "La lunghezza della linea in metri. Va scritta prima di ogni record della linea: il "
     "pacchetto crea le celle del percorso quando la legge.",
     kCampiLunghezza, "lunghezza percorso,    104300", kCodiciLunghezza, kAvvisiLunghezza},
    {Voce::kProgressivaUno, Testo::kLinea, "progressiva chilometrica uno", "[generale]", true,
     "progressiva chilometrica uno", "progressiva", "uno", true, "", kProgressiva,
     kCampiProgressiva, "progressiva chilometrica uno,    0,    100800,    1", kCodiciProgressiva,
     kAvvisiProgressiva},
    {Voce::kProgressivaDue, Testo::kLinea, "progressiva chilometrica due", "[generale]", true,
     "progressiva chilometrica due", "progressiva", "due", true, "", kProgressiva,
     kCampiProgressiva, "progressiva chilometrica due,    100800,    190300,    1",
     kCodiciProgressiva, kAvvisiProgressiva},
    {Voce::kProgressivaTre, Testo::kLinea, "progressiva chilometrica tre", "[generale]", true,
     "progressiva chilometrica tre", "progressiva", "tre", true, "", kProgressiva,
     kCampiProgressiva, "progressiva chilometrica tre,    0,    0,    0", kCodiciProgressiva,
     kAvvisiProgressiva},
    {Voce::kSfondoUno, Testo::kLinea, "sfondo uno", "[generale]", true, "sfondo uno", "sfondo",
     "uno", true, "", kSfondo, kCampiSfondoUno, "sfondo uno,    1", kCodiciLettura,
     kAvvisiGenerali},
    {Voce::kSfondoDue, Testo::kLinea, "sfondo due", "[generale]", true, "sfondo due", "sfondo",
     "due", true, "", kSfondo, kCampiSfondoDue, "sfondo due,    0", kCodiciLettura,
     kAvvisiGenerali},
    {Voce::kSfondoTre, Testo::kLinea, "sfondo tre", "[generale]", true, "sfondo tre", "sfondo",
     "tre", true, "", kSfondo, kCampiSfondoTre, "sfondo tre,    0", kCodiciLettura,
     kAvvisiGenerali},
    {Voce::kRipetizione, Testo::kLinea, "ripetizione segnali", "[generale]", true,
     "ripetizione segnali 4 codici", "ripetizione", "segnali", true,
     "La parola chiave contiene anche la cifra 4 o 9: il numero di codici (si prova prima il "
     "4). Senza nessuna delle due la lettura si ferma (codice 5).",
     "La ripetizione dei segnali: due posizioni e un numero di codici. Il pacchetto controlla "
     "le posizioni, le conserva nel file .sim e le passa al simulatore senza usarle.",
     kCampiRipetizione, "ripetizione segnali 4 codici,    1000,    2000", kCodiciRipetizione,
     kAvvisiGenerali},
    {Voce::kCurva, Testo::kLinea, "curva", "[curve]", false, "curvad5", "curva", "", false,
     "Dopo \"curva\" una lettera per il lato, \"d\" a destra o \"s\" a sinistra (ogni \"s\" "
     "nella parola chiave, maiuscola o minuscola, fa la curva a sinistra), e una cifra da 1 a 6 "
     "per il grado: 1 è la più larga (raggio 10000 m), 6 la più stretta (raggio 333 m). Conta la "
     "prima delle cifre 1, 2, 3, 4, 5, 6 presente, in quest'ordine; senza nessuna la lettura si "
     "ferma (codice 103).",
     "Un tratto di curva a raggio costante. Le curve danno forma al piano della linea: si "
     "scrivono in ordine di inizio e senza sovrapporsi; tra una curva e l'altra il tracciato è "
     "diritto.",
     kCampiCurva, "curvad5,  650,  600", kCodiciCurva, kAvvisiCurva},
    {Voce::kPendenza, Testo::kLinea, "pendenza", "[pendenze]", false, "pendenza", "pendenza", "",
     false, "",
     "La pendenza della linea da una posizione fino alla pendenza successiva. Le pendenze si "
     "scrivono in ordine di posizione, la prima di solito a 0.",
     kCampiPendenza, "pendenza,  11200,   -1", kCodiciPosizione, kAvvisiPendenza},
    {Voce::kMontagna, Testo::kLinea, "montagna", "[montagne]", false, "montagna", "montagna", "",
     false, "",
     "Un tratto di montagna, dalla cella inizio / 50 alla cella fine / 50 - 1. Il pacchetto ne "
     "tiene al massimo 80.",
     kCampiMontagna, "montagna,   91050,  93400,  11", kCodiciPosizione, kAvvisiMontagna},
    {Voce::kIndicatoreVmax, Testo::kLinea, "indicatori_vmax", "[cartelli]", false,
     "indicatori_vmax", "indicatori_v", "", false, "",
     "Un cartello indicatore di velocità massima con due gruppi, s e d, di tre velocità e una "
     "cifra di strisce ciascuno. Un campo vuoto vale 0.",
     kCampiIndicatore, "indicatori_vmax,  700,  90,  110,  110,  0,  ,  ,  ,  0", kCodiciIndicatore,
     kAvvisiIndicatore},
    {Voce::kCartello, Testo::kLinea, "cartello_indicatore", "[indicazioni]", false,
     "cartello_indicatore", "cartello", "indicat", false, "",
     "Un cartello lungo la linea con la sua scritta (progressiva di un passaggio a livello, "
     "bivio, ponte...). Cartelli e stazioni del treno insieme non superano 78.",
     kCampiCartello, "cartello_indicatore,  12800,   (PLA km)(88+016)", kCodiciCartello,
     kAvvisiCartello},
    {Voce::kVetture, Testo::kTreno, "numero vetture", "[generale]", false, "numero vetture",
     "vetture", "", false, "", "Il numero delle vetture del treno.", kCampiVetture,
     "numero vetture,    14", kCodiciLettura, kAvvisiNessuno},
    {Voce::kMassaFrenata, Testo::kTreno, "percentuale massa frenata", "[generale]", false,
     "percentuale massa frenata", "frenata", "massa", false, "",
     "La percentuale di massa frenata del treno.", kCampiMassaFrenata,
     "percentuale massa frenata,    125", kCodiciLettura, kAvvisiNessuno},
    {Voce::kSabbia, Testo::kTreno, "sabbia", "[generale]", false, "sabbia", "sabbia", "", false, "",
     "La scorta di sabbia del treno.", kCampiSabbia, "sabbia,    300", kCodiciLettura,
     kAvvisiNessuno},
    {Voce::kOrologio, Testo::kTreno, "orologio", "[generale]", false, "orologio", "orologio", "",
     false, "",
     "L'ora dell'orologio all'inizio della corsa: ore, minuti e secondi, separati da virgole o "
     "da spazi.",
     kCampiOrologio, "orologio,    2               49            40", kCodiciLettura,
     kAvvisiOrologio},
    {Voce::kAderenza, Testo::kTreno, "aderenza", "[aderenze]", false, "aderenza", "aderenza", "",
     false, "",
     "L'aderenza da una posizione fino all'aderenza successiva. Le aderenze si scrivono in "
     "ordine di posizione, la prima a 0.",
     kCampiAderenza, "aderenza,       0,    70", kCodiciPosizione, kAvvisiLungoLinea},
    {Voce::kVelocita, Testo::kTreno, "velocita", "[vel_limite]", false, "velocita", "velocit", "",
     false, "",
     "La velocità massima del treno da una posizione fino alla velocità successiva. Le velocità "
     "si scrivono in ordine di posizione, la prima a 0.",
     kCampiVelocita, "velocita,     700,   110", kCodiciPosizione, kAvvisiVelocita},
    {Voce::kStazione, Testo::kTreno, "stazione", "[stazioni]", false, "stazione", "stazione", "",
     false, "",
     "Una stazione o fermata della corsa: 16 numeri e il nome. Le stazioni si scrivono in ordine "
     "di posizione e la zona di ognuna inizia almeno 350 m dopo la fine della zona della "
     "precedente.",
     kCampiStazione,
     "stazione,       0,  4,  900,  1, 0, 0,  4,1,0,  2,1,1,    1,   2,50, 0, CORSANTA",
     kCodiciStazione, kAvvisiStazione},
    {Voce::kRallentamento, Testo::kTreno, "rallentamento", "[rallentamenti]", false,
     "rallentamento", "rallentamento", "", false, "",
     "Un rallentamento: da x per l metri a v km/h, con il suo avviso e, se chiesto, le marche di "
     "preavviso. Non c'è bisogno di un ordine.",
     kCampiRallentamento, "rallentamento,    8350,    40,  300, 0,  1,  0", kCodiciRallentamento,
     kAvvisiRallentamento},
    {Voce::kSegnale, Testo::kTreno, "segnale", "[segnali]", false, "segnale", "segnale", "", false,
     "",
     "Un segnale: il gruppo s (sx, s1, s2, s3), rapp, il gruppo d (dx, d1, d2, d3) e il tempo, "
     "impacchettati a coppie nella cella del segnale. Il pacchetto non dà altro significato a "
     "questi valori: li passa al simulatore. Nel testo incorporato sx è 1 o 2, s1 da 2 a 5, s2 "
     "da 0 a 6, s3 0 o 1, rapp sempre 0, dx e i valori d diversi da 0 solo su quattro segnali, "
     "il tempo 120 su un segnale e 0 sugli altri. Non c'è bisogno di un ordine.",
     kCampiSegnale, "segnale,   34550,   2, 2, 3,  1, 0,    0,  0,0,0, 120", kCodiciSegnale,
     kAvvisiSegnale},
    {Voce::kAbbattimento, Testo::kTreno, "abbattimento", "[codici]", false, "abbattimento",
     "abbattimento", "", false, "",
     "Marca una cella della linea: con un valore maggiore di 0 è un punto codice scritto a "
     "mano.",
     kCampiAbbattimento, "abbattimento,    1000,    3", kCodiciAbbattimento, kAvvisiAbbattimento},
};

constexpr Voce kVociGenerale[] = {
    Voce::kLunghezza, Voce::kProgressivaUno, Voce::kProgressivaDue, Voce::kProgressivaTre,
    Voce::kSfondoUno, Voce::kSfondoDue,      Voce::kSfondoTre,      Voce::kRipetizione};
constexpr Voce kVociCurve[] = {Voce::kCurva};
constexpr Voce kVociPendenze[] = {Voce::kPendenza};
constexpr Voce kVociMontagne[] = {Voce::kMontagna};
constexpr Voce kVociCartelli[] = {Voce::kIndicatoreVmax};
constexpr Voce kVociIndicazioni[] = {Voce::kCartello};
constexpr Voce kVociGeneraleTreno[] = {Voce::kVetture, Voce::kMassaFrenata, Voce::kSabbia,
                                       Voce::kOrologio};
constexpr Voce kVociAderenze[] = {Voce::kAderenza};
constexpr Voce kVociVelocita[] = {Voce::kVelocita};
constexpr Voce kVociStazioni[] = {Voce::kStazione};
constexpr Voce kVociRallentamenti[] = {Voce::kRallentamento};
constexpr Voce kVociSegnali[] = {Voce::kSegnale};
constexpr Voce kVociCodici[] = {Voce::kAbbattimento};

constexpr Sezione kSezioni[] = {
    {Testo::kLinea, "[generale]",
     "Apre il testo: il pacchetto ignora tutto ciò che la precede. Contiene gli otto record "
     "generali della linea, riconosciuti solo qui; finisce alla prima intestazione che segue.",
     kVociGenerale},
    {Testo::kLinea, "[curve]", "Le curve della linea, in ordine di inizio.", kVociCurve},
    {Testo::kLinea, "[pendenze]", "Le pendenze, in ordine di posizione.", kVociPendenze},
    {Testo::kLinea, "[montagne]", "I tratti di montagna.", kVociMontagne},
    {Testo::kLinea, "[cartelli]", "I cartelli indicatori di velocità massima.", kVociCartelli},
    {Testo::kLinea, "[indicazioni]", "I cartelli con una scritta.", kVociIndicazioni},
    {Testo::kLinea, "[fine]", "L'ultima riga del testo.", {}},
    {Testo::kTreno, "[generale]",
     "Apre il testo: il pacchetto ignora tutto ciò che la precede. I quattro record generali "
     "del treno.",
     kVociGeneraleTreno},
    {Testo::kTreno, "[aderenze]", "Le aderenze, in ordine di posizione.", kVociAderenze},
    {Testo::kTreno, "[vel_limite]", "Le velocità massime del treno, in ordine di posizione.",
     kVociVelocita},
    {Testo::kTreno, "[stazioni]", "Le stazioni, in ordine di posizione.", kVociStazioni},
    {Testo::kTreno, "[rallentamenti]", "I rallentamenti.", kVociRallentamenti},
    {Testo::kTreno, "[segnali]", "I segnali.", kVociSegnali},
    {Testo::kTreno, "[codici]",
     "Il pacchetto scrive questa intestazione senza record: i punti codice li inserisce da sé "
     "dopo la lettura. Un abbattimento, che marca una cella a mano, si può scrivere qui o in "
     "qualunque punto dopo \"[generale]\".",
     kVociCodici},
    {Testo::kTreno, "[fine]", "L'ultima riga del testo.", {}},
};

bool contiene(std::string_view testo, std::string_view parola) {
  return parola.empty() || testo.find(parola) != std::string_view::npos;
}

}  // namespace

std::span<const Record> records() { return kRecord; }

const Record& record(Voce v) { return kRecord[static_cast<std::size_t>(v)]; }

std::span<const Sezione> sezioni() { return kSezioni; }

bool riconosce(Voce v, std::string_view scritto, std::string_view minuscolo) {
  const Record& r = record(v);
  const std::string_view campo = r.minuscole ? scritto : minuscolo;
  return contiene(campo, r.parola1) && contiene(campo, r.parola2);
}

bool riconosce(Voce v, std::string_view campo) { return riconosce(v, campo, minuscole(campo)); }

int riconoscimenti_generali(std::string_view scritto, std::string_view minuscolo) {
  int n = 0;
  for (const Record& r : kRecord) n += r.generale && riconosce(r.voce, scritto, minuscolo);
  return n;
}

int riconoscimenti_linea(std::string_view scritto, std::string_view minuscolo, bool con_piano) {
  int n = 0;
  for (const Record& r : kRecord) {
    if (r.testo != Testo::kLinea || r.generale) continue;
    if (r.voce == Voce::kCurva && !con_piano) continue;
    n += riconosce(r.voce, scritto, minuscolo);
  }
  return n;
}

int riconoscimenti_treno(std::string_view scritto, std::string_view minuscolo) {
  int n = 0;
  for (const Record& r : kRecord) {
    n += r.testo == Testo::kTreno && riconosce(r.voce, scritto, minuscolo);
  }
  return n;
}

const Record* record_della_chiave(Testo t, std::string_view campo) {
  const std::string m = minuscole(campo);
  for (const Record& r : kRecord) {
    if (r.testo == t && riconosce(r.voce, campo, m)) return &r;
  }
  return nullptr;
}

std::optional<Voce> cerca(std::string_view parola) {
  const std::string p = minuscole(parola);
  for (const Record& r : kRecord) {
    if (p == r.nome || p == r.chiave || p == r.parola1) return r.voce;
  }
  return std::nullopt;
}

std::vector<std::string> testo_di_esempio(Testo t) {
  std::vector<std::string> righe;
  for (const Sezione& s : kSezioni) {
    if (s.testo != t) continue;
    righe.emplace_back(s.intestazione);
    for (Voce v : s.voci) righe.emplace_back(record(v).esempio);
  }
  return righe;
}

bool e_intestazione(Testo t, std::string_view campo) {
  const std::size_t a = campo.find_first_not_of(" \t");
  if (a == std::string_view::npos) return false;
  const std::string m = minuscole(campo.substr(a, campo.find_last_not_of(" \t") - a + 1));
  for (const Sezione& s : kSezioni) {
    if (s.testo == t && s.intestazione == m) return true;
  }
  return false;
}

std::string_view nome_file(Testo t) {
  return t == Testo::kLinea ? "NOME_linea.txt" : "NOME_NUMERO-.txt";
}

std::string_view nome_testo(Testo t) {
  return t == Testo::kLinea ? "testo della linea" : "testo del treno";
}

std::string_view nome_tipo(Tipo t) {
  switch (t) {
    case Tipo::kLong:
      return "numero intero (32 bit)";
    case Tipo::kIntero:
      return "numero intero (16 bit, da -32768 a 32767)";
    case Tipo::kByte:
      return "numero intero (8 bit, da 0 a 255)";
    case Tipo::kTesto:
      return "testo";
  }
  return "";
}

long raggio_grado(int grado) {
  const double k = curvatura_grado(grado);
  return k == 0 ? 0 : std::lround(1 / k);
}

}  // namespace progetto1::catalogo
