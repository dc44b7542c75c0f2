// The page of `scenario view` in a real browser: Debian's chromium, headless,
// driven by puppeteer-core. Exits 77 (skipped) when either is missing.
//   node prova_vista.js SCENARIO CARTELLA_DI_LAVORO [GENERA_TESTI]
// The figures it prints (sizes, load and drawing times) are for the record;
// none of them is a pass condition.
"use strict";
const fs = require("fs");
const path = require("path");
const { execFileSync } = require("child_process");

const CHROMIUM = process.env.P1_CHROMIUM || "/usr/bin/chromium";
const [scenario, lavoro, generaTesti] = process.argv.slice(2);
if (!scenario || !lavoro) {
  console.error("uso: node prova_vista.js SCENARIO CARTELLA_DI_LAVORO [GENERA_TESTI]");
  process.exit(2);
}
let puppeteer;
try {
  puppeteer = require(path.join(__dirname, "..", "..", "..", "node_modules", "puppeteer-core"));
} catch (e) {
  console.log("SKIP: puppeteer-core non installato (npm ci nella radice)");
  process.exit(77);
}
if (!fs.existsSync(CHROMIUM)) {
  console.log("SKIP: " + CHROMIUM + " assente");
  process.exit(77);
}

let fallimenti = 0;
function verifica(condizione, cosa) {
  console.log((condizione ? "ok   " : "FALLITO ") + cosa);
  if (!condizione) fallimenti++;
}
function esegui(...argomenti) {
  return execFileSync(scenario, argomenti, { cwd: lavoro, encoding: "utf8" });
}

fs.rmSync(lavoro, { recursive: true, force: true });
fs.mkdirSync(lavoro, { recursive: true });
esegui("texts", "--out", "testi");
// A signal off the 50 m grid, so that check has something to say and where.
const testoTreno = fs.readFileSync(path.join(lavoro, "testi", "Corsanta_7402-.txt"), "latin1");
const righeTreno = testoTreno.split("\r\n");
const rigaSegnale = righeTreno.findIndex((r) => r.startsWith("segnale,   11000,")) + 1;
righeTreno[rigaSegnale - 1] = righeTreno[rigaSegnale - 1].replace("11000", "11030");
fs.writeFileSync(path.join(lavoro, "treno_fuori_griglia.txt"), righeTreno.join("\r\n"), "latin1");
esegui("compile", "--line", "testi/Corsanta_linea.txt", "--train", "testi/Corsanta_7402-.txt",
  "--name", "Corsanta", "--number", "7402", "--out", "uscita");
esegui("view", "--dir", "uscita", "--name", "Corsanta", "--number", "7402", "--out", "corsanta.html",
  "--line", "testi/Corsanta_linea.txt", "--train", "treno_fuori_griglia.txt");
const pagina = path.join(lavoro, "corsanta.html");
const byte = fs.statSync(pagina).size;
console.log("misura: pagina dello scenario incorporato " + byte + " byte");
verifica(byte < 1000000, "la pagina dello scenario incorporato sta sotto 1 MB");

function attendi(ms) {
  return new Promise((r) => setTimeout(r, ms));
}
async function unFotogramma(p) {
  await p.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
}

// Opens a page, refusing every request but the file itself; returns the
// page, its console errors and the refused requests.
async function apri(browser, file) {
  const p = await browser.newPage();
  await p.setViewport({ width: 1400, height: 900 });
  const errori = [];
  const rifiutate = [];
  p.on("console", (m) => {
    if (m.type() === "error") errori.push(m.text());
  });
  p.on("pageerror", (e) => errori.push(String(e)));
  await p.setRequestInterception(true);
  const indirizzo = "file://" + path.resolve(file);
  p.on("request", (r) => {
    if (r.url() === indirizzo) r.continue();
    else {
      rifiutate.push(r.url());
      r.abort();
    }
  });
  const t0 = Date.now();
  await p.goto(indirizzo, { waitUntil: "load" });
  await p.waitForFunction(() => window.vista && window.vista.pronta);
  const ms = Date.now() - t0;
  return { p, errori, rifiutate, ms };
}

// Drags across the profile and reports how long each drawing took.
async function trascina(p, id, passi) {
  const r = await p.$eval("#" + id, (c) => {
    const b = c.getBoundingClientRect();
    return { x: b.x, y: b.y, w: b.width, h: b.height };
  });
  const prima = (await p.evaluate(() => window.vista.tempiDisegno())).length;
  const t0 = Date.now();
  await p.mouse.move(r.x + r.w * 0.8, r.y + r.h / 2);
  await p.mouse.down();
  for (let i = 0; i < passi; i++) {
    await p.mouse.move(r.x + r.w * (0.8 - (0.6 * (i + 1)) / passi), r.y + r.h / 2 + (id === "pianta" ? i : 0));
    await unFotogramma(p);
  }
  await p.mouse.up();
  const durata = Date.now() - t0;
  const tempi = (await p.evaluate(() => window.vista.tempiDisegno())).slice(prima);
  const media = tempi.reduce((a, b) => a + b, 0) / Math.max(tempi.length, 1);
  const massimo = Math.max(0, ...tempi);
  return { fotogrammi: tempi.length, media, massimo, perPasso: durata / passi };
}

function riporta(nome, t) {
  console.log(
    "misura: " + nome + ": " + t.fotogrammi + " disegni, " + t.media.toFixed(2) + " ms in media, " +
      t.massimo.toFixed(2) + " ms al massimo; " + t.perPasso.toFixed(1) + " ms per passo del mouse con il suo fotogramma",
  );
}

async function scenarioIncorporato(browser) {
  const { p, errori, rifiutate, ms } = await apri(browser, pagina);
  console.log("misura: caricamento " + ms + " ms (fino alla pagina pronta), script " +
    (await p.evaluate(() => window.vista.caricamentoMs)).toFixed(1) + " ms");

  // Search: a position in metres gives its cell and the inspector names the fields as dump does.
  await p.click("#cerca");
  await p.keyboard.type("30400");
  await p.keyboard.press("Enter");
  await unFotogramma(p);
  verifica((await p.evaluate(() => window.vista.stato().scelta)) === 609, "la ricerca di 30400 sceglie la cella 609");
  const ispettore = await p.$eval("#ispettore", (e) => e.innerText);
  verifica(/Cella 609/.test(ispettore) && /genere:\s*segnale/.test(ispettore), "l'ispettore mostra il segnale della cella 609");
  // One row per field: its name, the value in the file and what it means, as dump gives them.
  const righe = await p.$$eval("#ispettore table.campi tbody tr", (r) => r.map((x) => [...x.children].map((c) => c.textContent)));
  const dump = JSON.parse(esegui("dump", "uscita/Corsanta_7402.dat", "--json")).files[0].celle[609];
  const { significato, ...valoriDump } = dump;
  verifica(JSON.stringify(righe.map((r) => r[0])) === JSON.stringify(Object.keys(valoriDump)), "i campi dell'ispettore sono quelli di dump: " + righe.map((r) => r[0]).join(" "));
  verifica(JSON.stringify(righe.map((r) => r[1])) === JSON.stringify(Object.values(valoriDump).map(String)), "i valori nel file dell'ispettore sono quelli di dump per la cella 609");
  verifica(JSON.stringify(righe.map((r) => r[2])) === JSON.stringify(Object.keys(valoriDump).map((k) => significato[k] || "")),
    "i significati dell'ispettore sono quelli di dump per la cella 609");
  const intestazione = await p.$$eval("#ispettore table.campi thead th", (h) => h.map((x) => x.textContent));
  verifica(intestazione.includes("valore nel file") && intestazione.includes("significato"), "le colonne dicono «valore nel file» e «significato»");
  const riga = (campo) => righe.find((r) => r[0] === campo) || [];
  verifica(/^\d+ km\/h$/.test(riga("vel_limite")[2]) && Number(riga("vel_limite")[2].split(" ")[0]) === dump.vel_limite * 5,
    "la velocità limite si legge in km/h: " + riga("vel_limite")[2]);
  // The signal at 30400 as the train text writes it: segnale, posizione, sx, s1, s2, s3, rapp, dx, d1, ...
  const v = righeTreno.find((r) => r.startsWith("segnale,   30400,")).split(",").slice(1).map(Number);
  verifica(riga("dato1")[2] === "s1 " + v[2] + ", d1 " + v[7] && riga("dato4")[2] === "rapp " + v[5] + ", sx " + v[1] + ", dx " + v[6],
    "i valori del segnale hanno i nomi del testo: " + riga("dato1")[2] + " / " + riga("dato4")[2]);

  // The chainage range the cell lies in, as the line text writes it, and no chainage made up for the cell.
  const testoLinea = fs.readFileSync(path.join(lavoro, "testi", "Corsanta_linea.txt"), "latin1").split("\r\n");
  const numeri = (r) => r.split(",").slice(1).map(Number);
  const [inizioUno, progressivaUno] = numeri(testoLinea.find((r) => r.startsWith("progressiva chilometrica uno")));
  const chilometri = (m) => Math.floor(m / 1000) + "+" + String(m % 1000).padStart(3, "0");
  const tratta = await p.$eval("#ispettore .tratta", (e) => e.textContent);
  verifica(tratta === "tratta di progressiva: da " + inizioUno + " m, dove il testo scrive " + chilometri(progressivaUno),
    "l'ispettore dà la tratta di progressiva della cella 609: " + tratta);
  verifica(!(await p.$eval("#ispettore", (e) => e.innerText)).includes(chilometri(progressivaUno + 30400 - inizioUno)),
    "e non ricava una progressiva per la posizione della cella");

  // A click on the cell in the profile names the text lines that made it and shows the signal's.
  const x = await p.evaluate(() => window.vista.xProfilo(30425));
  const quadro = await p.$eval("#profilo", (c) => {
    const b = c.getBoundingClientRect();
    return { x: b.x, y: b.y, h: b.height };
  });
  await p.mouse.click(quadro.x + x, quadro.y + quadro.h / 2);
  await unFotogramma(p);
  verifica((await p.evaluate(() => window.vista.stato().scelta)) === 609, "un clic sul profilo a 30425 m sceglie la cella 609");
  const rigaSegnale609 = righeTreno.findIndex((r) => r.startsWith("segnale,   30400,")) + 1;
  // A gradient lies on the cells from its position / 50 on, up to the next one.
  const pendenze = testoLinea.map((r, i) => [r, i + 1]).filter(([r]) => r.startsWith("pendenza,") && numeri(r)[0] / 50 <= 609);
  const rigaPendenza = pendenze[pendenze.length - 1][1];
  const fonti = await p.$$eval("#ispettore ul.sorgenti li", (l) => l.map((x) => x.textContent));
  verifica(fonti.includes("elemento, marca di avvicinamento: treno_fuori_griglia.txt:" + rigaSegnale609) ||
    fonti.includes("elemento: treno_fuori_griglia.txt:" + rigaSegnale609), "l'ispettore nomina la riga del segnale: " + fonti.join(" | "));
  verifica(fonti.includes("pendenza: testi/Corsanta_linea.txt:" + rigaPendenza), "e la riga della pendenza in vigore (riga " + rigaPendenza + ")");
  const sorgente = await p.$eval("#sorgente", (e) => e.innerText);
  verifica(sorgente.includes("treno_fuori_griglia.txt:" + rigaSegnale609) && sorgente.includes(righeTreno[rigaSegnale609 - 1]),
    "il pannello della riga mostra il testo della riga del segnale");

  // The train text's first station with a time, chosen in the list: its stored category and time beside what they mean.
  const f = numeri(righeTreno.find((r) => r.startsWith("stazione,") && numeri(r)[13] !== 0));
  const secondi = (f[13] * 60 + f[14]) * 60 + f[15];
  const atteso = "orario " + f[13] + ":" + String(f[14]).padStart(2, "0") + ":" + String(f[15]).padStart(2, "0");
  const slotOrario = (await p.evaluate(() => JSON.parse(document.getElementById("dati").textContent).stazioni)).find((s) => s.posizione === f[0]).slot;
  await p.click('#stazioni tr[data-slot="' + slotOrario + '"]');
  const visibili = await p.$$eval("#stazioni tr.significato", (r) => r.filter((x) => x.offsetHeight > 0).map((x) => x.innerText));
  verifica(visibili.length === 1 && visibili[0].includes("valore nel file: codice " + f[1] + ", valore4 " + secondi) &&
    visibili[0].includes("significato: categoria " + f[1] + ": zona") && visibili[0].includes(atteso),
    "la stazione scelta nell'elenco mostra codice " + f[1] + " e valore4 " + secondi + " con categoria e «" + atteso + "»: " + visibili.join(" | "));
  const ispettoreStazione = await p.$eval("#ispettore", (e) => e.innerText);
  verifica(ispettoreStazione.includes("valore4 " + secondi) && ispettoreStazione.includes(atteso), "e l'ispettore della sua cella li mostra");

  for (const [testo, cella] of [["cella 100", 100], ["km 70,4", 1409], ["km 70.4", 1409]]) {
    await p.click("#cerca", { clickCount: 3 });
    await p.keyboard.type(testo);
    await p.keyboard.press("Enter");
    verifica((await p.evaluate(() => window.vista.stato().scelta)) === cella, "la ricerca di «" + testo + "» sceglie la cella " + cella);
  }

  // A station by name, then a click on another one in the list.
  const stazioni = await p.evaluate(() => JSON.parse(document.getElementById("dati").textContent).stazioni);
  const perNome = stazioni[stazioni.length - 1];
  await p.click("#cerca", { clickCount: 3 });
  await p.keyboard.type(perNome.nome.toLowerCase());
  await p.keyboard.press("Enter");
  await unFotogramma(p);
  const dopoNome = await p.evaluate(() => window.vista.stato());
  verifica(Math.abs((dopoNome.profilo.m0 + dopoNome.profilo.m1) / 2 - perNome.posizione) < 1000,
    "la ricerca del nome «" + perNome.nome.toLowerCase() + "» porta il profilo alla stazione");

  const st = stazioni[Math.floor(stazioni.length / 2)];
  const prima = await p.evaluate(() => window.vista.stato());
  await p.click('#stazioni tr[data-slot="' + st.slot + '"]');
  await unFotogramma(p);
  const dopo = await p.evaluate(() => window.vista.stato());
  const centro = (dopo.profilo.m0 + dopo.profilo.m1) / 2;
  const punto = await p.evaluate((m) => window.vista.puntoDi(m), st.posizione);
  const centroPianta = await p.evaluate(() => window.vista.centroPianta());
  verifica(Math.abs((prima.profilo.m0 + prima.profilo.m1) / 2 - st.posizione) > 2000 && Math.abs(centro - st.posizione) < 1,
    "il clic sulla stazione " + st.nome + " porta il profilo alla sua posizione (" + st.posizione + " m)");
  verifica(Math.hypot(punto.x - centroPianta.x, punto.y - centroPianta.y) < 1, "e porta la pianta al suo punto");
  verifica(dopo.scelta === Math.floor(st.posizione / 50) + 1, "e sceglie la sua cella");

  // A layer switch hides its marks in both drawings; switched on, they come back.
  await p.click("#cerca", { clickCount: 3 });
  await p.keyboard.type("30400");
  await p.keyboard.press("Enter");
  await unFotogramma(p);
  const dati = await p.evaluate(() => JSON.parse(document.getElementById("dati").textContent));
  for (const strato of ["segnali", "cartelli", "codici"]) {
    // At the layer's first mark, so that some are on screen.
    await p.click("#cerca", { clickCount: 3 });
    await p.keyboard.type(String(dati[strato][0][1]));
    await p.keyboard.press("Enter");
    await unFotogramma(p);
    const accesi = (await p.evaluate(() => window.vista.disegnate()))[strato];
    await p.click('input[data-strato="' + strato + '"]');
    await unFotogramma(p);
    const spenti = (await p.evaluate(() => window.vista.disegnate()))[strato];
    await p.click('input[data-strato="' + strato + '"]');
    await unFotogramma(p);
    const riaccesi = (await p.evaluate(() => window.vista.disegnate()))[strato];
    verifica(accesi > 0 && spenti === 0 && riaccesi === accesi, "lo strato " + strato + " si spegne e si riaccende (" + accesi + ", " + spenti + ", " + riaccesi + " segni)");
  }

  // The diagnostic of the off-grid signal, with its file and line, marked where it falls.
  const diagnostiche = await p.$$eval("#diagnostiche li", (l) => l.map((x) => x.innerText));
  const attesa = "treno_fuori_griglia.txt:" + rigaSegnale + ":";
  const indice = diagnostiche.findIndex((d) => d.startsWith(attesa) && d.includes("fuori-griglia"));
  verifica(indice >= 0, "la diagnostica fuori-griglia è elencata con file e riga (" + attesa + ")");
  if (indice >= 0) {
    await p.click("#diagnostiche li:nth-child(" + (indice + 1) + ")");
    await unFotogramma(p);
    const s = await p.evaluate(() => window.vista.stato());
    verifica(s.scelta === 222, "un clic sulla diagnostica sceglie la cella del segnale, 222 (è la " + s.scelta + ")");
    verifica((await p.evaluate(() => window.vista.disegnate())).diagnostiche > 0, "la diagnostica è segnata sulla linea");
    const riga = await p.$eval("#sorgente", (e) => e.innerText);
    verifica(riga.includes("treno_fuori_griglia.txt:" + rigaSegnale + ":") && riga.includes(righeTreno[rigaSegnale - 1]),
      "e il pannello della riga mostra la sua riga: " + righeTreno[rigaSegnale - 1].trim());
  }

  await p.click("#cerca", { clickCount: 3 });
  await p.keyboard.type("30400");
  await p.keyboard.press("Enter");
  await unFotogramma(p);
  await p.screenshot({ path: path.join(lavoro, "vista_corsanta.png") });
  riporta("trascinando il profilo (scenario incorporato)", await trascina(p, "profilo", 40));
  riporta("trascinando la pianta (scenario incorporato)", await trascina(p, "pianta", 40));
  await p.keyboard.press("0");
  await unFotogramma(p);
  await p.screenshot({ path: path.join(lavoro, "vista_corsanta_intera.png") });

  verifica(errori.length === 0, "nessun errore nella console" + (errori.length ? ": " + errori.join(" | ") : ""));
  verifica(rifiutate.length === 0, "nessuna richiesta fuori dal file" + (rifiutate.length ? ": " + rifiutate.join(" ") : ""));
  await p.close();
}

// Without the texts: the fields still decoded, no text lines.
async function senzaTesti(browser) {
  esegui("view", "--dir", "uscita", "--name", "Corsanta", "--number", "7402", "--out", "senza_testi.html");
  const { p, errori } = await apri(browser, path.join(lavoro, "senza_testi.html"));
  await p.click("#cerca");
  await p.keyboard.type("30400");
  await p.keyboard.press("Enter");
  await unFotogramma(p);
  const righe = await p.$$eval("#ispettore table.campi tbody tr", (r) => r.map((x) => [...x.children].map((c) => c.textContent)));
  verifica(righe.some((r) => r[0] === "vel_limite" && / km\/h$/.test(r[2])), "senza testi l'ispettore dà ancora i significati");
  verifica(await p.$eval("#sezione_sorgente", (e) => e.hidden), "senza testi il pannello della riga è nascosto");
  verifica((await p.$$("#ispettore ul.sorgenti")).length === 0, "senza testi l'ispettore non nomina righe");
  verifica(errori.length === 0, "senza testi: nessun errore nella console" + (errori.length ? ": " + errori.join(" | ") : ""));
  await p.close();
}

async function lineaLunga(browser) {
  const cartella = path.join(lavoro, "lunga");
  fs.mkdirSync(cartella, { recursive: true });
  execFileSync(generaTesti, [cartella]);
  fs.rmSync(path.join(cartella, "cento_mb_linea.txt"), { force: true });
  esegui("compile", "--line", "lunga/lunga_linea.txt", "--train", "lunga/lunga_treno.txt", "--name", "Lunga",
    "--number", "1", "--out", "lunga");
  esegui("view", "--dir", "lunga", "--name", "Lunga", "--number", "1", "--out", "lunga.html");
  const file = path.join(lavoro, "lunga.html");
  console.log("misura: pagina della linea di 993000 m " + fs.statSync(file).size + " byte");
  const { p, errori, rifiutate, ms } = await apri(browser, file);
  console.log("misura: caricamento della linea lunga " + ms + " ms, script " +
    (await p.evaluate(() => window.vista.caricamentoMs)).toFixed(1) + " ms");
  riporta("trascinando il profilo intero (linea lunga)", await trascina(p, "profilo", 40));
  riporta("trascinando la pianta intera (linea lunga)", await trascina(p, "pianta", 40));
  await p.click("#cerca");
  await p.keyboard.type("500000");
  await p.keyboard.press("Enter");
  await unFotogramma(p);
  verifica((await p.evaluate(() => window.vista.stato().scelta)) === 10001, "sulla linea lunga 500000 sceglie la cella 10001");
  riporta("trascinando il profilo da vicino (linea lunga)", await trascina(p, "profilo", 40));
  riporta("trascinando la pianta da vicino (linea lunga)", await trascina(p, "pianta", 40));
  await p.screenshot({ path: path.join(lavoro, "vista_lunga.png") });
  verifica(errori.length === 0, "linea lunga: nessun errore nella console" + (errori.length ? ": " + errori.join(" | ") : ""));
  verifica(rifiutate.length === 0, "linea lunga: nessuna richiesta fuori dal file");
  await p.close();
}

(async () => {
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    args: ["--no-sandbox", "--disable-dev-shm-usage", "--disable-gpu"],
  });
  try {
    await scenarioIncorporato(browser);
    await senzaTesti(browser);
    if (generaTesti) await lineaLunga(browser);
  } finally {
    await browser.close();
  }
  console.log("schermate in " + lavoro);
  process.exit(fallimenti ? 1 : 0);
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
