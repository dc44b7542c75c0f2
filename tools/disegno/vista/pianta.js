// The plan, the line seen from above: its bounds, its points, its drawing
// and its pointer.

const P = D.piano;
let limitiPianta = null;
if (P) {
  let x0 = Infinity;
  let x1 = -Infinity;
  let y0 = Infinity;
  let y1 = -Infinity;
  for (let i = 0; i < P.x.length; i++) {
    if (P.x[i] === null) continue;
    x0 = Math.min(x0, P.x[i]);
    x1 = Math.max(x1, P.x[i]);
    y0 = Math.min(y0, P.y[i]);
    y1 = Math.max(y1, P.y[i]);
  }
  if (x0 > x1) x0 = x1 = y0 = y1 = 0;
  limitiPianta = { x0, x1, y0, y1 };
} else {
  document.getElementById("riquadro_pianta").hidden = true;
}

// The plan point of metre m, between the samples around it.
function puntoDi(m) {
  m = Math.max(0, Math.min(m, P.ultimo));
  let i = Math.floor(m / P.passo);
  i = Math.min(i, P.x.length - 1);
  let j = Math.min(i + 1, P.x.length - 1);
  while (i > 0 && P.x[i] === null) i--;
  if (P.x[j] === null) j = i;
  const mi = Math.min(i * P.passo, P.ultimo);
  const mj = Math.min(j * P.passo, P.ultimo);
  const t = mj > mi ? (m - mi) / (mj - mi) : 0;
  if (P.x[i] === null) return null;
  return { x: P.x[i] + (P.x[j] - P.x[i]) * t, y: P.y[i] + (P.y[j] - P.y[i]) * t };
}

function adattaPianta() {
  if (!P) return;
  const w = cvPianta.clientWidth || 800;
  const h = cvPianta.clientHeight || 400;
  const L = limitiPianta;
  const dx = Math.max(L.x1 - L.x0, 100);
  const dy = Math.max(L.y1 - L.y0, 100);
  stato.pianta = { cx: (L.x0 + L.x1) / 2, cy: (L.y0 + L.y1) / 2, s: Math.min((w - 60) / dx, (h - 50) / dy) };
}

function schermoPianta(p, w, h) {
  const v = stato.pianta;
  return { x: w / 2 + (p.x - v.cx) * v.s, y: h / 2 - (p.y - v.cy) * v.s };
}
function mondoPianta(x, y, w, h) {
  const v = stato.pianta;
  return { x: v.cx + (x - w / 2) / v.s, y: v.cy - (y - h / 2) / v.s };
}

// The line from metre a to metre b, thinned to a point per pixel and only
// where it crosses the screen.
function tracciaPianta(g, a, b, w, h) {
  const i0 = Math.max(0, Math.floor(a / P.passo));
  const i1 = Math.min(P.x.length - 1, Math.ceil(b / P.passo));
  const r = 20;
  g.beginPath();
  let prec = null;
  let aperto = false;
  let ux = 0;
  let uy = 0;
  for (let i = i0; i <= i1; i++) {
    const m = Math.min(Math.max(i * P.passo, a), b);
    const p = m === i * P.passo && P.x[i] !== null ? { x: P.x[i], y: P.y[i] } : puntoDi(m);
    if (!p) {
      prec = null;
      aperto = false;
      continue;
    }
    const q = schermoPianta(p, w, h);
    const visibile =
      prec !== null &&
      Math.max(prec.x, q.x) > -r &&
      Math.min(prec.x, q.x) < w + r &&
      Math.max(prec.y, q.y) > -r &&
      Math.min(prec.y, q.y) < h + r;
    if (visibile) {
      if (!aperto) {
        g.moveTo(prec.x, prec.y);
        ux = prec.x;
        uy = prec.y;
        aperto = true;
      }
      const fuori = q.x < 0 || q.x > w || q.y < 0 || q.y > h;
      if (fuori || i === i1 || Math.abs(q.x - ux) + Math.abs(q.y - uy) >= 1) {
        g.lineTo(q.x, q.y);
        ux = q.x;
        uy = q.y;
      }
    } else {
      aperto = false;
    }
    prec = q;
  }
  g.stroke();
}

function croce(g, x, y, colore, raggio) {
  g.strokeStyle = colore;
  g.lineWidth = 2;
  g.beginPath();
  g.arc(x, y, raggio, 0, 2 * Math.PI);
  g.moveTo(x - raggio - 5, y);
  g.lineTo(x - raggio + 3, y);
  g.moveTo(x + raggio - 3, y);
  g.lineTo(x + raggio + 5, y);
  g.moveTo(x, y - raggio - 5);
  g.lineTo(x, y - raggio + 3);
  g.moveTo(x, y + raggio - 3);
  g.lineTo(x, y + raggio + 5);
  g.stroke();
}

// Metres a pixel of the plan covers along the line, to leave out marks that
// would fall on one another.
function metriPerPixelPianta() {
  return 1 / stato.pianta.s;
}

function disegnaPianta() {
  if (!P) return;
  const { g, w, h } = dimensioni(cvPianta);
  g.clearRect(0, 0, w, h);
  g.lineJoin = "round";
  g.lineCap = "round";
  // The metres whose plan points can be on screen: the whole line, thinned.
  const fine = P.fine_linea;
  if (attivo.montagne) {
    g.strokeStyle = S.montagna.colore;
    g.globalAlpha = 0.35;
    g.lineWidth = 11;
    for (const [a, b] of D.montagne) tracciaPianta(g, a, b, w, h);
    g.globalAlpha = 1;
    conteggi.montagne += D.montagne.length;
  }
  g.setLineDash([6, 4]);
  g.strokeStyle = S.oltre.colore;
  g.lineWidth = 2;
  tracciaPianta(g, fine, P.ultimo, w, h);
  g.setLineDash([]);
  g.strokeStyle = S.linea.colore;
  g.lineWidth = 2.5;
  tracciaPianta(g, 0, fine, w, h);
  if (attivo.rallentamenti) {
    g.strokeStyle = S.rallentamento.colore;
    g.globalAlpha = 0.8;
    g.lineWidth = 8;
    for (const [a, b] of D.rallentamenti) tracciaPianta(g, a, Math.max(b, a + M), w, h);
    g.globalAlpha = 1;
  }
  // Marks, culled to the screen and thinned to one per few pixels.
  const mpp = metriPerPixelPianta();
  for (const s of STRATI) {
    if (!attivo[s.id] || s.dati.length === 0) continue;
    let ultimo = -Infinity;
    for (const e of s.dati) {
      if (e[1] - ultimo < mpp * 2) continue;
      const p = puntoDi(e[1]);
      if (!p) continue;
      const q = schermoPianta(p, w, h);
      if (q.x < -10 || q.x > w + 10 || q.y < -10 || q.y > h + 10) continue;
      ultimo = e[1];
      forma(g, s.simbolo, q.x, q.y, 1);
      conteggi[s.id]++;
    }
  }
  // Stations, their names where they cover no other name.
  const occupati = [];
  g.font = "12px DejaVu Sans, Verdana, sans-serif";
  g.textBaseline = "middle";
  for (const st of D.stazioni) {
    const p = puntoDi(st.posizione);
    if (!p) continue;
    const q = schermoPianta(p, w, h);
    if (q.x < -50 || q.x > w + 50 || q.y < -20 || q.y > h + 20) continue;
    const simbolo = st.fermata ? S.stazione_fermata : S.stazione;
    g.beginPath();
    g.arc(q.x, q.y, simbolo.misura, 0, 2 * Math.PI);
    g.fillStyle = st.fermata ? simbolo.colore : "white";
    g.fill();
    g.strokeStyle = simbolo.colore;
    g.lineWidth = 1.6;
    g.stroke();
    const larghezza = g.measureText(st.nome).width;
    const box = { x0: q.x + 8, x1: q.x + 12 + larghezza, y0: q.y - 8, y1: q.y + 8 };
    if (occupati.some((o) => o.x0 < box.x1 && box.x0 < o.x1 && o.y0 < box.y1 && box.y0 < o.y1)) continue;
    occupati.push(box);
    g.fillStyle = "rgba(255,255,255,0.8)";
    g.fillRect(box.x0 - 2, box.y0 + 1, larghezza + 6, 14);
    g.fillStyle = "#222";
    g.fillText(st.nome, q.x + 9, q.y);
  }
  scala(g, w, h);
  if (stato.puntata !== null) {
    const p = puntoDi(stato.puntata);
    if (p) {
      const q = schermoPianta(p, w, h);
      croce(g, q.x, q.y, "#0a7d8c", 6);
    }
  }
  if (stato.scelta > 0) {
    const p = puntoDi(inizioCella(stato.scelta));
    if (p) {
      const q = schermoPianta(p, w, h);
      croce(g, q.x, q.y, "#e6007e", 9);
      etichetta(g, "cella " + stato.scelta, q.x + 14, q.y - 14, "#e6007e");
    }
  }
}

// A scale bar in the plan's corner.
function scala(g, w, h) {
  const metri = passoBello(120 / stato.pianta.s);
  const px = metri * stato.pianta.s;
  g.strokeStyle = "#555";
  g.lineWidth = 1.5;
  g.beginPath();
  g.moveTo(12, h - 12);
  g.lineTo(12 + px, h - 12);
  g.moveTo(12, h - 16);
  g.lineTo(12, h - 8);
  g.moveTo(12 + px, h - 16);
  g.lineTo(12 + px, h - 8);
  g.stroke();
  g.fillStyle = "#555";
  g.font = "11px DejaVu Sans, Verdana, sans-serif";
  g.textBaseline = "bottom";
  g.fillText(metri >= 1000 ? km(metri, metri % 1000 ? 1 : 0) + " km" : metri + " m", 16, h - 16);
}

// ---- the pointer ----------------------------------------------------------

// The metre of the plan point nearest to the pointer, within 30 pixels.
function metroVicino(x, y) {
  const w = cvPianta.clientWidth;
  const h = cvPianta.clientHeight;
  let migliore = 30 * 30;
  let metro = null;
  for (let i = 0; i < P.x.length; i++) {
    if (P.x[i] === null) continue;
    const q = schermoPianta({ x: P.x[i], y: P.y[i] }, w, h);
    const d = (q.x - x) * (q.x - x) + (q.y - y) * (q.y - y);
    if (d < migliore) {
      migliore = d;
      metro = Math.min(i * P.passo, P.ultimo);
    }
  }
  return metro;
}
if (P) {
  trascinabile(
    cvPianta,
    (dx, dy) => {
      stato.pianta.cx -= dx / stato.pianta.s;
      stato.pianta.cy += dy / stato.pianta.s;
    },
    (f, x, y) => {
      const w = cvPianta.clientWidth;
      const h = cvPianta.clientHeight;
      const prima = mondoPianta(x, y, w, h);
      stato.pianta.s = Math.min(Math.max(stato.pianta.s * f, 1e-5), 50);
      const dopo = mondoPianta(x, y, w, h);
      stato.pianta.cx += prima.x - dopo.x;
      stato.pianta.cy += prima.y - dopo.y;
    },
    (x, y) => {
      stato.puntata = metroVicino(x, y);
    },
    (x, y) => {
      const m = metroVicino(x, y);
      if (m !== null) scegli(cellaSotto(m));
    },
  );
}
