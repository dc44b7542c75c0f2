"use strict";
// The page of `scenario view`: the plan and the profile drawn on two canvases
// from the data the tool put inline. Only what is on screen is drawn, the
// line thinned to what a pixel can show, so that a line of 1000 km pans as
// quickly as a short one.
(function () {
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

  // ---- state ---------------------------------------------------------------

  const stato = {
    scelta: 0, // the selected cell; 0: none
    puntata: null, // the metre pointed at, in either drawing
    profilo: { m0: 0, m1: Math.max(D.fine_disegno, 1000) },
    pianta: { cx: 0, cy: 0, s: 1 },
  };
  const conteggi = {}; // marks drawn in the last frame, per layer
  const tempiDisegno = [];

  // ---- the plan --------------------------------------------------------------

  const P = D.piano;
  const cvPianta = document.getElementById("pianta");
  const cvProfilo = document.getElementById("profilo");
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

  function etichetta(g, testo, x, y, colore) {
    g.font = "bold 12px DejaVu Sans, Verdana, sans-serif";
    const l = g.measureText(testo).width;
    g.fillStyle = "rgba(255,255,255,0.9)";
    g.fillRect(x - 3, y - 9, l + 6, 17);
    g.fillStyle = colore;
    g.textBaseline = "middle";
    g.fillText(testo, x, y);
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

  function passoBello(v) {
    const e = Math.pow(10, Math.floor(Math.log10(Math.max(v, 1e-9))));
    for (const f of [1, 2, 5, 10]) if (f * e >= v) return f * e;
    return 10 * e;
  }

  // ---- the profile -----------------------------------------------------------

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

  // ---- the inspector -----------------------------------------------------------

  const ispettore = document.getElementById("ispettore");
  const iGenere = D.campi_cella.indexOf("nome_genere");

  function mostraCella() {
    const c = stato.scelta;
    ispettore.replaceChildren(el("h2", {}, "Cella " + c));
    const riga = D.celle[c];
    if (!riga) {
      ispettore.append(el("p", { class: "vuoto" }, "Nessuna cella scelta."));
      return;
    }
    const a = inizioCella(c);
    ispettore.append(
      el("p", {}, "genere: ", el("span", { class: "genere" }, riga[iGenere])),
      el("p", {}, "posizione: da " + a + " a " + (a + M) + " m"),
      el("p", {}, "progressiva: km " + km(a, 3) + " – " + km(a + M, 3)),
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
    const dl = el("dl", {});
    D.campi_cella.forEach((nome, k) => dl.append(el("dt", {}, nome), el("dd", {}, String(riga[k]))));
    ispettore.append(dl);
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
      { "data-slot": st.slot, title: st.descrizione },
      el("td", {}, st.nome),
      el("td", { class: "num" }, km(st.posizione, 2)),
      el("td", { class: "num" }, String(st.categoria)),
      el("td", { class: "num" }, st.orario),
      el("td", {}, fermata),
    );
    tr.addEventListener("click", () => {
      for (const r of corpo.querySelectorAll("tr.scelta")) r.classList.remove("scelta");
      tr.classList.add("scelta");
      scegli(cellaSotto(st.posizione));
      vaiA(st.posizione);
    });
    corpo.append(tr);
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
        { class: d.cella > 0 ? "" : "senza_luogo" },
        el("span", { class: "luogo" }, luogo + ": "),
        el("span", { class: d.gravita }, d.gravita),
        ": " + d.messaggio + " [" + d.id + "]" + altre + dove,
      );
      if (d.cella > 0) {
        li.addEventListener("click", () => {
          scegli(d.cella);
          vaiA(inizioCella(d.cella));
        });
      }
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

  // ---- pointer, wheel and keys -------------------------------------------------

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

  for (const cv of [cvPianta, cvProfilo]) {
    cv.addEventListener("keydown", (ev) => {
      const v = stato.profilo;
      const largo = v.m1 - v.m0;
      let fatto = true;
      if (ev.key === "ArrowLeft" || ev.key === "ArrowRight") {
        const d = (ev.key === "ArrowLeft" ? -0.2 : 0.2) * largo;
        v.m0 += d;
        v.m1 += d;
      } else if (ev.key === "+" || ev.key === "-") {
        const f = ev.key === "+" ? 0.5 : 2;
        const c = (v.m0 + v.m1) / 2;
        v.m0 = c - (largo * f) / 2;
        v.m1 = c + (largo * f) / 2;
        stato.pianta.s *= 1 / f;
      } else if (ev.key === "0") {
        v.m0 = 0;
        v.m1 = Math.max(D.fine_disegno, 1000);
        adattaPianta();
      } else {
        fatto = false;
      }
      if (fatto) {
        ev.preventDefault();
        limitaProfilo();
        richiedi();
      }
    });
  }

  new ResizeObserver(richiedi).observe(document.getElementById("disegni"));
  adattaPianta();
  disegna();

  // For the browser test and for whoever wants to look: the state, what was
  // drawn, and how long it took.
  window.vista = {
    stato: () => JSON.parse(JSON.stringify(stato)),
    disegnate: () => Object.assign({}, conteggi),
    centroPianta: () => (P ? { x: stato.pianta.cx, y: stato.pianta.cy } : null),
    puntoDi: (m) => (P ? puntoDi(m) : null),
    tempiDisegno: () => tempiDisegno.slice(),
    caricamentoMs: performance.now() - inizioCaricamento,
    disegnaOra: disegna,
    pronta: true,
  };
})();
