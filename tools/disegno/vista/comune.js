// The page of `scenario view`: the plan and the profile drawn on two canvases
// from the data the tool put inline. Only what is on screen is drawn, the
// line thinned to what a pixel can show, so that a line of 1000 km pans as
// quickly as a short one.
// The script is in parts by job, which the tool puts one after the other, in
// the order tools/CMakeLists.txt lists them, into one function of the page
// (vista.html): they share one scope and leave nothing global but
// window.vista. This first part holds what the others use: the data, the
// words, the layers, the state, the canvas helpers, drawing and moving.
const D = JSON.parse(document.getElementById("dati").textContent);
const M = D.metri_cella;
const S = D.simboli;
const inizioCaricamento = performance.now();

// ---- numbers and words -------------------------------------------------

function km(m, decimali) {
  const t = (m / 1000).toFixed(decimali).replace(".", ",");
  return /^-0(,0*)?$/.test(t) ? t.slice(1) : t;
}
// The standard cell of a position: p / 50 + 1, halves to the even neighbour.
function cellaDi(p) {
  const v = p / M + 1;
  const f = Math.floor(v);
  const r = v - f;
  if (r > 0.5 || (r === 0.5 && f % 2 !== 0)) return f + 1;
  return f;
}
function inizioCella(c) {
  return (c - 1) * M;
}
function cellaSotto(m) {
  return Math.floor(m / M) + 1;
}
function normale(t) {
  return t.normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase().trim();
}
function el(tag, attributi, ...figli) {
  const e = document.createElement(tag);
  for (const [k, v] of Object.entries(attributi || {})) {
    if (k === "class") e.className = v;
    else if (k.startsWith("on")) e.addEventListener(k.slice(2), v);
    else e.setAttribute(k, v);
  }
  for (const f of figli) e.append(f);
  return e;
}
// First index whose position is at least m, in an array sorted by position.
function primo(array, m, posizione) {
  let a = 0;
  let b = array.length;
  while (a < b) {
    const c = (a + b) >> 1;
    if (posizione(array[c]) < m) a = c + 1;
    else b = c;
  }
  return a;
}

// ---- layers --------------------------------------------------------------

const COLORE_AVVICINAMENTO = "#17becf";
const COLORE_DIAGNOSTICA = "#b00020";
const posElemento = (e) => e[1];
const diagnosticheSulla = (D.diagnostiche || [])
  .filter((d) => d.cella > 0)
  .map((d) => [d.cella, inizioCella(d.cella), d]);
diagnosticheSulla.sort((a, b) => a[1] - b[1]);

const STRATI = [
  { id: "segnali", nome: "Segnali", simbolo: S.segnale, dati: D.segnali, riga: 0 },
  { id: "cartelli", nome: "Cartelli", simbolo: S.cartello, dati: D.cartelli, riga: 1 },
  { id: "indicatori", nome: "Indicatori di velocità", simbolo: S.indicatore, dati: D.indicatori, riga: 2 },
  { id: "rallentamenti", nome: "Rallentamenti", simbolo: S.avviso, dati: D.avvisi, riga: 3, tratti: D.rallentamenti },
  { id: "codici", nome: "Punti codice", simbolo: S.codice, dati: D.codici, riga: 4 },
  { id: "montagne", nome: "Tratti di montagna", simbolo: S.montagna, dati: [], tratti: D.montagne },
  {
    id: "avvicinamenti",
    nome: "Marche d'avvicinamento",
    simbolo: { forma: "tratto", misura: 2, colore: COLORE_AVVICINAMENTO },
    dati: D.avvicinamenti,
    riga: 5,
  },
];
if (D.diagnostiche) {
  STRATI.push({
    id: "diagnostiche",
    nome: "Diagnostiche",
    simbolo: { forma: "triangolo", misura: 5, colore: COLORE_DIAGNOSTICA },
    dati: diagnosticheSulla,
    riga: 6,
  });
}
const attivo = {};
for (const s of STRATI) attivo[s.id] = true;
const RIGHE_ELEMENTI = 1 + Math.max(...STRATI.map((s) => (s.riga === undefined ? 0 : s.riga)));

// ---- state ---------------------------------------------------------------

const stato = {
  scelta: 0, // the selected cell; 0: none
  puntata: null, // the metre pointed at, in either drawing
  profilo: { m0: 0, m1: Math.max(D.fine_disegno, 1000) },
  pianta: { cx: 0, cy: 0, s: 1 },
};
const conteggi = {}; // marks drawn in the last frame, per layer
const tempiDisegno = [];
const cvPianta = document.getElementById("pianta");
const cvProfilo = document.getElementById("profilo");

// ---- canvases and marks ---------------------------------------------------

function dimensioni(cv) {
  const r = window.devicePixelRatio || 1;
  const w = cv.clientWidth;
  const h = cv.clientHeight;
  if (cv.width !== Math.round(w * r) || cv.height !== Math.round(h * r)) {
    cv.width = Math.round(w * r);
    cv.height = Math.round(h * r);
  }
  const g = cv.getContext("2d");
  g.setTransform(r, 0, 0, r, 0, 0);
  return { g, w, h };
}

function forma(g, simbolo, x, y, scala) {
  const r = (simbolo.misura || 3) * (scala || 1);
  g.fillStyle = simbolo.colore;
  g.beginPath();
  switch (simbolo.forma) {
    case "quadrato":
      g.rect(x - r, y - r, 2 * r, 2 * r);
      break;
    case "rombo":
      g.moveTo(x, y - r);
      g.lineTo(x + r, y);
      g.lineTo(x, y + r);
      g.lineTo(x - r, y);
      g.closePath();
      break;
    case "triangolo":
      g.moveTo(x, y - r);
      g.lineTo(x + r, y + r * 0.8);
      g.lineTo(x - r, y + r * 0.8);
      g.closePath();
      break;
    case "tratto":
      g.rect(x - 1, y - r * 2, 2, r * 4);
      break;
    default:
      g.arc(x, y, r, 0, 2 * Math.PI);
  }
  g.fill();
}

function etichetta(g, testo, x, y, colore) {
  g.font = "bold 12px DejaVu Sans, Verdana, sans-serif";
  const l = g.measureText(testo).width;
  g.fillStyle = "rgba(255,255,255,0.9)";
  g.fillRect(x - 3, y - 9, l + 6, 17);
  g.fillStyle = colore;
  g.textBaseline = "middle";
  g.fillText(testo, x, y);
}

function passoBello(v) {
  const e = Math.pow(10, Math.floor(Math.log10(Math.max(v, 1e-9))));
  for (const f of [1, 2, 5, 10]) if (f * e >= v) return f * e;
  return 10 * e;
}

// ---- drawing on demand -------------------------------------------------------

let richiesto = false;
function disegna() {
  richiesto = false;
  const t0 = performance.now();
  for (const s of STRATI) conteggi[s.id] = 0;
  disegnaPianta();
  disegnaProfilo();
  tempiDisegno.push(performance.now() - t0);
  if (tempiDisegno.length > 1000) tempiDisegno.shift();
}
function richiedi() {
  if (!richiesto) {
    richiesto = true;
    requestAnimationFrame(disegna);
  }
}

// ---- moving about ------------------------------------------------------------

function limitaProfilo() {
  const v = stato.profilo;
  const totale = Math.max(D.fine_disegno, 1000);
  let largo = Math.min(Math.max(v.m1 - v.m0, 200), totale * 1.2);
  let m0 = v.m0;
  m0 = Math.max(-totale * 0.1, Math.min(m0, totale * 1.1 - largo));
  v.m0 = m0;
  v.m1 = m0 + largo;
}

// Shows metre m in both drawings, closer in when the view is wider than
// a few kilometres.
function vaiA(m) {
  const v = stato.profilo;
  const largo = Math.min(v.m1 - v.m0, 6000);
  v.m0 = m - largo / 2;
  v.m1 = m + largo / 2;
  limitaProfilo();
  if (P) {
    const p = puntoDi(m);
    if (p) {
      const w = cvPianta.clientWidth || 800;
      const h = cvPianta.clientHeight || 400;
      stato.pianta.s = Math.max(stato.pianta.s, Math.min(w, h) / 3000);
      stato.pianta.cx = p.x;
      stato.pianta.cy = p.y;
    }
  }
  richiedi();
}

function scegli(c) {
  const ultima = D.celle.length - 1;
  stato.scelta = Math.max(0, Math.min(c, ultima));
  mostraCella();
  richiedi();
}

// ---- pointer and wheel -----------------------------------------------------

function trascinabile(cv, sposta, zoom, punta, clic) {
  let inizio = null;
  let mosso = false;
  cv.addEventListener("pointerdown", (ev) => {
    cv.setPointerCapture(ev.pointerId);
    inizio = { x: ev.offsetX, y: ev.offsetY };
    mosso = false;
  });
  cv.addEventListener("pointermove", (ev) => {
    if (inizio) {
      const dx = ev.offsetX - inizio.x;
      const dy = ev.offsetY - inizio.y;
      if (mosso || Math.abs(dx) + Math.abs(dy) > 3) {
        mosso = true;
        cv.classList.add("trascina");
        sposta(dx, dy);
        inizio = { x: ev.offsetX, y: ev.offsetY };
      }
    } else {
      punta(ev.offsetX, ev.offsetY);
    }
    richiedi();
  });
  cv.addEventListener("pointerup", (ev) => {
    if (inizio && !mosso) clic(ev.offsetX, ev.offsetY);
    inizio = null;
    cv.classList.remove("trascina");
    richiedi();
  });
  cv.addEventListener("pointerleave", () => {
    if (!inizio) {
      stato.puntata = null;
      richiedi();
    }
  });
  cv.addEventListener(
    "wheel",
    (ev) => {
      ev.preventDefault();
      zoom(Math.exp(-ev.deltaY * 0.0015), ev.offsetX, ev.offsetY);
      richiedi();
    },
    { passive: false },
  );
}
