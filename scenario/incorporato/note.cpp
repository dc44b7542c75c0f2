#include "scenario/scrittori/testi.h"

namespace progetto1 {

// The notes for the user of the simulator: the line section by section, then
// the train, then the author's remark and signature. Some lines end in a
// blank where the sentence runs on into the next line; the blank is written.
std::vector<std::string> righe_note(const Pacchetto& p) {
  return {
      "Caratteristiche della linea CORSANTA-VALDORIA-VALMORENA",
      "",
      "Trazione elettrica intera tratta.",
      "Doppio binario da CORSANTA a SAN FELICIO, semplice binario da SAN FELICIO a VALMORENA. ",
      "Sistemi di esercizio: DIRIGENZA LOCALE con",
      "Blocco Elettrico Manuale a doppio binario tra CORSANTA e SAN FELICIO;",
      "Blocco Conta Assi tra SAN FELICIO e PIANOSELVA;",
      "Blocco Conta Assi tra PIANOSELVA e VALDORIA;",
      "Blocco Elettrico Manuale tra VALDORIA e PIEVE MOLARA;",
      "Blocco Elettrico Manuale tra PIEVE MOLARA e MONTORSA;",
      "Blocco Conta Assi tra MONTORSA e VALLE SORBA, con il Posto di Movimento di CASALPIANO;",
      "Blocco Elettrico Manuale tra VALLE SORBA e VALMORENA, con la stazione di SAN MARTELLO.",
      "Non è attiva la Ripetizione Segnali",
      "Tutte le STAZIONI sono munite di doppio segnalamento di protezione e partenza.",
      "A SAN FELICIO i deviatoi d'ingresso si percorrono a 60 km/h sul binario deviato: la "
      "riduzione",
      "di velocità è annunciata dall'aspetto giallo lampeggiante del segnale di avviso.",
      "Anche a VALLE SORBA l'ingresso sul binario deviato è annunciato dall'aspetto dei segnali, ",
      "con il giallo lampeggiante sull'avviso e il rosso/giallo sulla protezione.",
      "Le stazioni di CORSANTA e SAN FELICIO hanno segnali di protezione anche per gli arrivi",
      "sul binario illegale del tratto a doppio binario.",
      "Sono fermate presenziate protette da segnali:",
      "ROVELLA, con segnali di protezione nei due sensi;",
      "LAGORIVO, con segnale di protezione lato CORSANTA;",
      "ORSANICO, con segnali di protezione nei due sensi;",
      "ROCCAVERDE, con segnali di protezione e di partenza;",
      "GALLORA, con segnali di protezione nei due sensi.",
      "Il Posto di Movimento di CASALPIANO è telecomandato dal Dirigente Movimento di VALLE SORBA.",
      "Sono fermate impresenziate e prive di segnali CORSANTA SCALO, CASTELBRUNO, CALVENZIO, ",
      "BROSCIANO, CORTEMANNA, FIUMARELLA e SELVANERA.",
      "Esistono 42 passaggi a livello tutti indicati nella simulazione.",
      "Sono indicate le linee afferenti come diramazioni/confluenze.",
      "I cartelli indicatori di velocità massima non sono presenti in realtà.",
      "La linea attraversa la bassa pianura corsantina e le colline della Val Morena ",
      "e fa parte dell'itinerario principale tra CORSANTA e il porto di VALMORENA.",
      "Le pendenze sono modeste e non superano mai il 9 per mille.",
      "",
      "",
      "Caratteristiche del treno " + p.numero_treno,
      "",
      "Espresso notturno CORSANTA-VALMORENA, categoria EXP, in servizio nella stagione invernale.",
      "Locomotiva elettrica in testa a 14 carrozze; si viaggia di notte, con la pioggia: le "
      "condizioni di ",
      "aderenza non sono buone e la massa elevata del treno crea qualche problema.",
      "",
      "(Il tracciato della tratta a semplice binario è riprodotto con buona fedeltà in curve e",
      "pendenze; la posizione dei segnali e dei deviatoi nelle stazioni è invece approssimata,",
      "per la mancanza di piani schematici aggiornati.)",
      "",
      "",
      "Andrea Morsetti",
      "Borgoleone",
      "andrea.morsetti@example.it",
  };
}

}  // namespace progetto1
