// The profile along the line: heights, gradients, speeds and the marks, one
// band each, and its pointer.

const SINISTRA = 78;
const DESTRA = 12;
function bande(h) {
  const alto = 30; // station names
  const basso = 22; // kilometre axis
  const disponibile = Math.max(h - alto - basso, 100);
  const quota = disponibile * 0.36;
  const pendenza = disponibile * 0.14;
  const velocita = disponibile * 0.24;
  const elementi = disponibile - quota - pendenza - velocita;
  let y = alto;
  const b = {};
  for (const [nome, altezza] of [
    ["quota", quota],
    ["pendenza", pendenza],
    ["velocita", velocita],
    ["elementi", elementi],
  ]) {
    b[nome] = { y0: y, y1: y + altezza };
    y += altezza;
  }
  b.asse = y;
  return b;
}
function xProfilo(m, w) {
  const v = stato.profilo;
  return SINISTRA + ((m - v.m0) / (v.m1 - v.m0)) * (w - SINISTRA - DESTRA);
}
function mProfilo(x, w) {
  const v = stato.profilo;
  return v.m0 + ((x - SINISTRA) / (w - SINISTRA - DESTRA)) * (v.m1 - v.m0);
}

const Q = D.quote; // metre, height, metre, height...
let quotaMin = Infinity;
let quotaMax = -Infinity;
for (let i = 1; i < Q.length; i += 2) {
  quotaMin = Math.min(quotaMin, Q[i]);
  quotaMax = Math.max(quotaMax, Q[i]);
}
if (quotaMax - quotaMin < 10) {
  quotaMin -= 5;
  quotaMax += 5;
}
let pendenzaMax = 5;
for (const t of D.pendenze) pendenzaMax = Math.max(pendenzaMax, Math.abs(t[2]));
let velocitaMax = 50;
for (const t of D.limiti) velocitaMax = Math.max(velocitaMax, t[2]);
for (const r of D.rallentamenti) velocitaMax = Math.max(velocitaMax, r[2]);

function disegnaProfilo() {
  const { g, w, h } = dimensioni(cvProfilo);
  g.clearRect(0, 0, w, h);
  const b = bande(h);
  const v = stato.profilo;
  const mpp = (v.m1 - v.m0) / (w - SINISTRA - DESTRA);
  const x = (m) => xProfilo(m, w);

  // Bands and their names.
  g.fillStyle = "#fafbfc";
  for (const n of ["quota", "velocita"]) g.fillRect(SINISTRA, b[n].y0, w - SINISTRA - DESTRA, b[n].y1 - b[n].y0);
  g.font = "11px DejaVu Sans, Verdana, sans-serif";
  g.fillStyle = "#555";
  g.textBaseline = "middle";
  const nomi = { quota: "quota m", pendenza: "pendenza ‰", velocita: "velocità km/h", elementi: "elementi" };
  for (const [n, t] of Object.entries(nomi)) g.fillText(t, 4, (b[n].y0 + b[n].y1) / 2);

  // Kilometre grid.
  const passo = passoBello(mpp * 90);
  g.strokeStyle = "#e3e3e3";
  g.lineWidth = 1;
  g.beginPath();
  for (let m = Math.ceil(v.m0 / passo) * passo; m <= v.m1; m += passo) {
    g.moveTo(Math.round(x(m)) + 0.5, b.quota.y0);
    g.lineTo(Math.round(x(m)) + 0.5, b.asse);
  }
  g.stroke();
  g.fillStyle = "#555";
  g.textBaseline = "top";
  g.textAlign = "center";
  const decimali = passo >= 1000 ? 0 : passo >= 100 ? 1 : 2;
  for (let m = Math.ceil(v.m0 / passo) * passo; m <= v.m1; m += passo) g.fillText(km(m, decimali), x(m), b.asse + 4);
  g.textAlign = "right";
  g.fillText("km", w - 2, b.asse + 4);
  g.textAlign = "left";

  g.save();
  g.beginPath();
  g.rect(SINISTRA, 0, w - SINISTRA - DESTRA, h);
  g.clip();

  // Mountain stretches across every band.
  if (attivo.montagne) {
    g.fillStyle = S.montagna.colore;
    g.globalAlpha = 0.14;
    for (const [a, c] of D.montagne) {
      if (c < v.m0 || a > v.m1) continue;
      g.fillRect(x(a), b.quota.y0, Math.max(x(c) - x(a), 1), b.asse - b.quota.y0);
      conteggi.montagne++;
    }
    g.globalAlpha = 1;
  }
  // Beyond the end of the line.
  if (D.lunghezza < v.m1) {
    g.fillStyle = "rgba(154,165,177,0.15)";
    g.fillRect(x(D.lunghezza), b.quota.y0, w, b.asse - b.quota.y0);
  }

  // Heights, a min and a max per pixel column.
  const yq = (q) => b.quota.y1 - 6 - ((q - quotaMin) / (quotaMax - quotaMin)) * (b.quota.y1 - b.quota.y0 - 12);
  g.strokeStyle = S.linea.colore;
  g.fillStyle = "rgba(31,58,95,0.10)";
  g.lineWidth = 1.5;
  const n = Q.length / 2;
  let i = Math.max(0, primoQuota(v.m0) - 1);
  const punti = [];
  let colonna = null;
  let qmin = 0;
  let qmax = 0;
  let qx = 0;
  for (; i < n; i++) {
    const m = Q[2 * i];
    const c = Math.floor(x(m));
    const q = Q[2 * i + 1];
    if (colonna === c) {
      qmin = Math.min(qmin, q);
      qmax = Math.max(qmax, q);
    } else {
      if (colonna !== null) punti.push(qx, qmin, qmax);
      colonna = c;
      qx = x(m);
      qmin = qmax = q;
    }
    if (m > v.m1) break;
  }
  if (colonna !== null) punti.push(qx, qmin, qmax);
  g.beginPath();
  for (let k = 0; k < punti.length; k += 3) {
    if (k === 0) g.moveTo(punti[k], yq(punti[k + 1]));
    g.lineTo(punti[k], yq(punti[k + 1]));
    if (punti[k + 2] !== punti[k + 1]) g.lineTo(punti[k], yq(punti[k + 2]));
  }
  g.stroke();

  // Gradients as bars around their zero line.
  const y0p = (b.pendenza.y0 + b.pendenza.y1) / 2;
  const sp = (b.pendenza.y1 - b.pendenza.y0) / 2 - 3;
  g.strokeStyle = "#bbb";
  g.beginPath();
  g.moveTo(SINISTRA, y0p + 0.5);
  g.lineTo(w, y0p + 0.5);
  g.stroke();
  for (let k = Math.max(0, primo(D.pendenze, v.m0, (t) => t[1]) ); k < D.pendenze.length; k++) {
    const [a, c, p] = D.pendenze[k];
    if (a > v.m1) break;
    if (p === 0) continue;
    g.fillStyle = p > 0 ? "#c0504d" : "#4f81bd";
    const hh = (p / pendenzaMax) * sp;
    g.fillRect(x(a), y0p - Math.max(hh, 0), Math.max(x(c) - x(a), 1), Math.abs(hh));
  }

  // The speed limit, and the slow-downs under it.
  const yv = (kmh) => b.velocita.y1 - 4 - (kmh / velocitaMax) * (b.velocita.y1 - b.velocita.y0 - 14);
  if (attivo.rallentamenti) {
    g.fillStyle = S.rallentamento.colore;
    g.globalAlpha = 0.55;
    for (const [a, c, kmh] of D.rallentamenti) {
      if (c < v.m0 || a > v.m1) continue;
      g.fillRect(x(a), yv(kmh), Math.max(x(Math.max(c, a + M)) - x(a), 2), b.velocita.y1 - yv(kmh));
      conteggi.rallentamenti++;
    }
    g.globalAlpha = 1;
  }
  g.strokeStyle = S.velocita.colore;
  g.lineWidth = 2;
  g.beginPath();
  let primoTratto = true;
  for (let k = Math.max(0, primo(D.limiti, v.m0, (t) => t[1])); k < D.limiti.length; k++) {
    const [a, c, kmh] = D.limiti[k];
    if (a > v.m1) break;
    if (primoTratto) g.moveTo(x(a), yv(kmh));
    else g.lineTo(x(a), yv(kmh));
    g.lineTo(x(c), yv(kmh));
    primoTratto = false;
  }
  g.stroke();
  g.fillStyle = "#555";
  g.textBaseline = "bottom";
  g.fillText(velocitaMax + "", SINISTRA + 2, yv(velocitaMax));

  // The marks, one row per layer.
  const altezzaRiga = (b.elementi.y1 - b.elementi.y0 - 6) / RIGHE_ELEMENTI;
  for (const s of STRATI) {
    if (!attivo[s.id] || s.riga === undefined) continue;
    const y = b.elementi.y0 + 3 + altezzaRiga * (s.riga + 0.5);
    let ultimo = -Infinity;
    for (let k = primo(s.dati, v.m0 - M, posElemento); k < s.dati.length; k++) {
      const m = s.dati[k][1];
      if (m > v.m1) break;
      const px = x(m + M / 2);
      if (px - ultimo < 2) continue;
      ultimo = px;
      forma(g, s.simbolo, px, y, Math.min(1, altezzaRiga / 10));
      conteggi[s.id]++;
    }
  }
  if (attivo.diagnostiche) {
    g.strokeStyle = COLORE_DIAGNOSTICA;
    g.setLineDash([3, 3]);
    g.beginPath();
    for (const [c, m] of diagnosticheSulla) {
      if (m < v.m0 - M || m > v.m1) continue;
      g.moveTo(x(m + M / 2), b.quota.y0);
      g.lineTo(x(m + M / 2), b.elementi.y1);
    }
    g.stroke();
    g.setLineDash([]);
  }

  // Stations across the bands, names above where they fit.
  g.strokeStyle = "rgba(34,34,34,0.35)";
  g.lineWidth = 1;
  g.font = "11px DejaVu Sans, Verdana, sans-serif";
  g.textBaseline = "alphabetic";
  let fineNome = -Infinity;
  let rigaNome = 0;
  for (const st of D.stazioni) {
    if (st.posizione < v.m0 - 5000 * mpp || st.posizione > v.m1) continue;
    const px = x(st.posizione);
    g.beginPath();
    g.moveTo(px + 0.5, b.quota.y0);
    g.lineTo(px + 0.5, b.asse);
    g.stroke();
    const l = g.measureText(st.nome).width;
    if (px - l / 2 < fineNome + 4) {
      rigaNome = 1 - rigaNome;
      if (rigaNome === 0) continue;
    } else {
      rigaNome = 0;
    }
    g.fillStyle = st.fermata ? "#222" : "#666";
    g.textAlign = "center";
    g.fillText(st.nome, px, rigaNome ? 26 : 13);
    g.textAlign = "left";
    if (!rigaNome) fineNome = px + l / 2;
  }

  // The selected cell and the pointed metre.
  if (stato.scelta > 0) {
    const a = inizioCella(stato.scelta);
    g.fillStyle = "rgba(230,0,126,0.18)";
    g.fillRect(x(a), b.quota.y0, Math.max(x(a + M) - x(a), 2), b.asse - b.quota.y0);
    g.strokeStyle = "#e6007e";
    g.lineWidth = 1.5;
    g.beginPath();
    g.moveTo(x(a + M / 2), b.quota.y0);
    g.lineTo(x(a + M / 2), b.asse);
    g.stroke();
  }
  g.restore();
  if (stato.scelta > 0) {
    const a = inizioCella(stato.scelta);
    etichetta(g, "cella " + stato.scelta, Math.min(x(a + M / 2) + 6, w - 80), b.quota.y0 + 10, "#e6007e");
  }
  if (stato.puntata !== null) {
    const px = x(stato.puntata);
    if (px >= SINISTRA && px <= w - DESTRA) {
      g.strokeStyle = "#0a7d8c";
      g.lineWidth = 1;
      g.beginPath();
      g.moveTo(px + 0.5, b.quota.y0);
      g.lineTo(px + 0.5, b.asse);
      g.stroke();
      etichetta(g, km(stato.puntata, 2) + " km · cella " + cellaSotto(stato.puntata), Math.min(px + 6, w - 150), b.asse - 10, "#0a7d8c");
    }
  }
}

function primoQuota(m) {
  let a = 0;
  let c = Q.length / 2;
  while (a < c) {
    const k = (a + c) >> 1;
    if (Q[2 * k] < m) a = k + 1;
    else c = k;
  }
  return a;
}

// ---- the pointer ----------------------------------------------------------

trascinabile(
  cvProfilo,
  (dx) => {
    const v = stato.profilo;
    const d = (dx / (cvProfilo.clientWidth - SINISTRA - DESTRA)) * (v.m1 - v.m0);
    v.m0 -= d;
    v.m1 -= d;
    limitaProfilo();
  },
  (f, x) => {
    const v = stato.profilo;
    const m = mProfilo(x, cvProfilo.clientWidth);
    v.m0 = m - (m - v.m0) / f;
    v.m1 = m + (v.m1 - m) / f;
    limitaProfilo();
  },
  (x) => {
    const m = mProfilo(x, cvProfilo.clientWidth);
    stato.puntata = x >= SINISTRA && m >= 0 && m <= D.fine_disegno ? m : null;
  },
  (x) => {
    const m = mProfilo(x, cvProfilo.clientWidth);
    if (m >= 0) scegli(cellaSotto(m));
  },
);
