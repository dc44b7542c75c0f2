// The keys of both drawings, and the first drawing once every part is in
// place: it comes last.

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

// ---- starting -------------------------------------------------------------

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
  xProfilo: (m) => xProfilo(m, cvProfilo.clientWidth),
  tempiDisegno: () => tempiDisegno.slice(),
  caricamentoMs: performance.now() - inizioCaricamento,
  disegnaOra: disegna,
  pronta: true,
};
