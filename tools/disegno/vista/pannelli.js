// The panels beside the drawings: the cell inspector, the station list, the
// diagnostics, the layer switches and the search box.

// What each cell holds besides its fields, for the inspector.
const perCella = new Map();
function annota(c, testo) {
  if (!perCella.has(c)) perCella.set(c, []);
  perCella.get(c).push(testo);
}
for (const lista of [D.segnali, D.cartelli, D.indicatori, D.avvisi, D.codici, D.fermate]) {
  for (const e of lista) annota(e[0], e[2]);
}
for (const st of D.stazioni) annota(cellaSotto(st.posizione), "stazione " + st.descrizione);

// A station's stored category and time beside what they mean, as the tool decoded them.
function valoriStazione(st) {
  const s = st.significato || {};
  return el(
    "div",
    { class: "valori_stazione" },
    el("span", { class: "etichetta" }, "valore nel file: "),
    "codice " + st.categoria + ", valore4 " + st.valore4,
    el("br", {}),
    el("span", { class: "etichetta" }, "significato: "),
    [s.codice, s.valore4].filter((t) => t).join("; "),
  );
}

// ---- the source panel --------------------------------------------------------

// The lines of the texts that made each cell, when the page has the texts.
const S_RIGHE = D.sorgenti ? D.sorgenti.righe : [];
const S_CELLE = D.sorgenti ? D.sorgenti.celle : [];
const NOMI_CAMPO = {
  genere: "elemento",
  avvicinamento: "marca di avvicinamento",
  montagna: "tratto di montagna",
  vel_limite: "velocità limite",
  pendenza: "pendenza",
  aderenza: "aderenza",
};
const sezioneSorgente = document.getElementById("sezione_sorgente");
const pannelloSorgente = document.getElementById("sorgente");
sezioneSorgente.hidden = !D.sorgenti;

// The lines that made cell c, each once, with the fields each one wrote.
function sorgentiDi(c) {
  const perRiga = new Map();
  for (const [prima, ultima, campo, k] of S_CELLE) {
    if (c < prima || c > ultima) continue;
    if (!perRiga.has(k)) perRiga.set(k, []);
    perRiga.get(k).push(NOMI_CAMPO[campo] || campo);
  }
  return [...perRiga].map(([k, campi]) => {
    const [file, riga, testo] = S_RIGHE[k];
    return { luogo: file + ":" + riga, testo, campi };
  });
}

function mostraSorgenti(voci, vuoto) {
  pannelloSorgente.replaceChildren();
  if (!voci.length) pannelloSorgente.append(el("p", { class: "vuoto" }, vuoto));
  for (const v of voci) {
    pannelloSorgente.append(
      el("p", { class: "riga_sorgente" }, el("span", { class: "luogo" }, v.luogo), " " + v.campi.join(", ")),
      el("pre", {}, v.testo),
    );
  }
}

// ---- the inspector -----------------------------------------------------------

const ispettore = document.getElementById("ispettore");
const iGenere = D.campi_cella.indexOf("nome_genere");
const iSignificato = D.campi_cella.indexOf("significato");

// The chainage range that cell c lies in, as the tool found it.
function trattaDi(c) {
  const r = D.tratte.celle.find(([prima, ultima]) => c >= prima && c <= ultima);
  return r ? D.tratte.voci[r[2]] : null;
}

function mostraCella() {
  const c = stato.scelta;
  ispettore.replaceChildren(el("h2", {}, "Cella " + c));
  const riga = D.celle[c];
  if (!riga) {
    ispettore.append(el("p", { class: "vuoto" }, "Nessuna cella scelta."));
    return;
  }
  const a = inizioCella(c);
  const t = trattaDi(c);
  ispettore.append(
    el("p", {}, "genere: ", el("span", { class: "genere" }, riga[iGenere])),
    el("p", {}, "posizione: da " + a + " a " + (a + M) + " m dall'origine della linea"),
    el(
      "p",
      { class: "tratta" },
      t
        ? "tratta di progressiva: da " + t.inizio + " m, dove il testo scrive " + t.scritta
        : "tratta di progressiva: nessuna comincia prima di questa posizione",
    ),
  );
  const note = (perCella.get(c) || []).slice();
  for (const [da, fino, kmh] of D.rallentamenti) {
    if (a >= da && a < fino) note.push("dentro il rallentamento a " + kmh + " km/h da " + km(da, 2) + " a " + km(fino, 2) + " km");
  }
  for (const [da, fino] of D.montagne) {
    if (a >= da && a < fino) note.push("dentro il tratto di montagna da " + km(da, 2) + " a " + km(fino, 2) + " km");
  }
  for (const [cd, , d] of diagnosticheSulla) {
    if (cd === c) note.push(d.gravita + " " + d.id + ": " + d.messaggio);
  }
  if (note.length) ispettore.append(el("ul", {}, ...note.map((t) => el("li", {}, t))));
  for (const st of D.stazioni) {
    if (cellaSotto(st.posizione) === c) ispettore.append(valoriStazione(st));
  }
  const significato = riga[iSignificato] || {};
  const campi = el("tbody", {});
  D.campi_cella.forEach((nome, k) => {
    if (k === iSignificato) return;
    campi.append(el("tr", {}, el("th", {}, nome), el("td", {}, String(riga[k])), el("td", {}, significato[nome] || "")));
  });
  ispettore.append(
    el(
      "table",
      { class: "campi" },
      el("thead", {}, el("tr", {}, el("th", {}, "campo"), el("th", {}, "valore nel file"), el("th", {}, "significato"))),
      campi,
    ),
  );
  if (D.sorgenti) {
    const voci = sorgentiDi(c);
    const elenco = el("ul", { class: "sorgenti" });
    for (const v of voci) {
      elenco.append(
        el(
          "li",
          { onclick: () => mostraSorgenti([v], "") },
          v.campi.join(", ") + ": ",
          el("span", { class: "luogo" }, v.luogo),
        ),
      );
    }
    if (!voci.length) elenco.append(el("li", { class: "vuoto" }, "nessuna riga dei testi ha scritto questa cella"));
    ispettore.append(el("h3", {}, "Righe dei testi che l'hanno fatta"), elenco);
    mostraSorgenti(voci, "Nessuna riga dei testi ha scritto la cella " + c + ".");
  }
  ispettore.append(
    el(
      "div",
      { class: "sposta" },
      el("button", { type: "button", onclick: () => { scegli(c - 1); vaiA(inizioCella(stato.scelta)); } }, "‹ cella precedente"),
      el("button", { type: "button", onclick: () => { scegli(c + 1); vaiA(inizioCella(stato.scelta)); } }, "cella seguente ›"),
    ),
  );
}

// ---- the station list --------------------------------------------------------

const tabella = document.getElementById("stazioni");
const fermatePer = new Map();
for (const f of D.fermate) {
  const slot = D.celle[f[0]][D.campi_cella.indexOf("dato1")];
  if (!fermatePer.has(slot)) fermatePer.set(slot, []);
  fermatePer.get(slot).push(f[0]);
}
tabella.append(
  el(
    "thead",
    {},
    el("tr", {}, el("th", {}, "stazione"), el("th", {}, "km"), el("th", {}, "cat."), el("th", {}, "orario"), el("th", {}, "fermata")),
  ),
);
const corpo = el("tbody", {});
for (const st of D.stazioni) {
  const celle = fermatePer.get(st.slot) || [];
  const segno = st.fermata ? "●" : "○";
  const fermata = segno + (celle.length ? " celle " + celle.join(", ") : "");
  const tr = el(
    "tr",
    { "data-slot": st.slot, title: st.descrizione + "\n" + [st.significato.codice, st.significato.valore4].join("\n") },
    el("td", {}, st.nome),
    el("td", { class: "num" }, km(st.posizione, 2)),
    el("td", { class: "num" }, String(st.categoria)),
    el("td", { class: "num" }, st.orario),
    el("td", {}, fermata),
  );
  // Shown under the chosen station.
  const dettaglio = el("tr", { class: "significato" }, el("td", { colspan: 5 }, valoriStazione(st)));
  tr.addEventListener("click", () => {
    for (const r of corpo.querySelectorAll("tr.scelta")) r.classList.remove("scelta");
    tr.classList.add("scelta");
    scegli(cellaSotto(st.posizione));
    vaiA(st.posizione);
  });
  corpo.append(tr, dettaglio);
}
if (!D.stazioni.length) corpo.append(el("tr", {}, el("td", { colspan: 5, class: "vuoto" }, "Nessuna stazione.")));
tabella.append(corpo);

// ---- the diagnostics -----------------------------------------------------------

if (D.diagnostiche) {
  const sezione = document.getElementById("sezione_diagnostiche");
  sezione.hidden = false;
  const lista = document.getElementById("diagnostiche");
  if (!D.diagnostiche.length) lista.append(el("li", { class: "senza_luogo" }, "Nessuna diagnostica: i testi sono puliti."));
  for (const d of D.diagnostiche) {
    let luogo = d.file;
    if (d.riga > 0) luogo += ":" + d.riga + (d.colonna > 0 ? ":" + d.colonna : "");
    const dove = d.cella > 0 ? " (cella " + d.cella + ", " + km(inizioCella(d.cella), 2) + " km)" : " (senza posizione sulla linea)";
    const altre = d.omesse > 0 ? " (" + d.omesse + " in tutto)" : "";
    const li = el(
      "li",
      { class: d.cella > 0 || d.riga > 0 ? "" : "senza_luogo" },
      el("span", { class: "luogo" }, luogo + ": "),
      el("span", { class: d.gravita }, d.gravita),
      ": " + d.messaggio + " [" + d.id + "]" + altre + dove,
    );
    li.addEventListener("click", () => {
      if (d.cella > 0) {
        scegli(d.cella);
        vaiA(inizioCella(d.cella));
      }
      if (d.riga > 0) mostraSorgenti([{ luogo: luogo, testo: d.testo_riga, campi: [d.gravita + " " + d.id] }], "");
    });
    lista.append(li);
  }
}

// ---- the layer switches ------------------------------------------------------

const strati = document.getElementById("strati");
for (const s of STRATI) {
  const numero = s.tratti ? s.tratti.length : s.dati.length;
  const casella = el("input", { type: "checkbox", "data-strato": s.id });
  casella.checked = true;
  casella.addEventListener("change", () => {
    attivo[s.id] = casella.checked;
    richiedi();
  });
  strati.append(
    el("label", {}, casella, el("span", { class: "campione", style: "background:" + s.simbolo.colore }), s.nome + " (" + numero + ")"),
  );
}

// ---- the search box ------------------------------------------------------------

const cerca = document.getElementById("cerca");
const esito = document.getElementById("esito_ricerca");
function trova(testo) {
  const t = normale(testo);
  let r;
  if ((r = /^cella\s*(\d+)$/.exec(t))) {
    const c = Number(r[1]);
    if (c >= D.celle.length) return { errore: "la linea ha le celle da 0 a " + (D.celle.length - 1) };
    return { cella: c, metri: inizioCella(c), testo: "cella " + c };
  }
  if ((r = /^km\s*(\d+)\+(\d{1,3})$/.exec(t)) || (r = /^(\d+)\+(\d{3})$/.exec(t))) {
    const m = Number(r[1]) * 1000 + Number(r[2]);
    return { metri: m, testo: "km " + km(m, 3) };
  }
  if ((r = /^km\s*(-?\d+(?:[.,]\d+)?)$/.exec(t))) {
    const m = Math.round(Number(r[1].replace(",", ".")) * 1000);
    return { metri: m, testo: "km " + km(m, 3) };
  }
  if ((r = /^(-?\d+)\s*m?$/.exec(t))) {
    const m = Number(r[1]);
    return { metri: m, testo: m + " m" };
  }
  if (!t) return null;
  const nomi = D.stazioni.map((s) => normale(s.nome));
  let k = nomi.indexOf(t);
  if (k < 0) k = nomi.findIndex((n) => n.startsWith(t));
  if (k < 0) k = nomi.findIndex((n) => n.includes(t));
  if (k >= 0) {
    const st = D.stazioni[k];
    return { metri: st.posizione, cella: cellaSotto(st.posizione), testo: "stazione " + st.nome, slot: st.slot };
  }
  const cartello = D.cartelli.find((c) => normale(c[2]).includes(t));
  if (cartello) return { metri: cartello[1], cella: cartello[0], testo: "cartello " + cartello[2] };
  return { errore: "nessun risultato: scrivi metri (30400), «cella 609», «km 70,4» o il nome di una stazione" };
}
document.getElementById("ricerca").addEventListener("submit", (ev) => {
  ev.preventDefault();
  const r = trova(cerca.value);
  if (!r) return;
  if (r.errore) {
    esito.textContent = r.errore;
    esito.className = "errore";
    return;
  }
  const c = r.cella !== undefined ? r.cella : cellaDi(r.metri);
  for (const tr of corpo.querySelectorAll("tr")) tr.classList.toggle("scelta", r.slot !== undefined && tr.dataset.slot === String(r.slot));
  scegli(c);
  vaiA(r.metri);
  esito.className = "";
  esito.textContent = r.testo + " → cella " + stato.scelta + ", " + km(inizioCella(stato.scelta), 2) + " km";
});
