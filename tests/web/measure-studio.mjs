// Measures the authors' studio: its size raw and gzipped, and the time from a change of the data
// files to its verdict shown, in headless Chromium from file://.
//
//   node measure-studio.mjs STUDIO [RUNS]
//
// A change is a letter of a room's description put in or taken out again, as a paste into the
// editor; its time runs from the input event to the verdict shown (the studio's "studio-proved"
// event), so it holds the 300 ms the studio waits for typing to pause. The figure is the median
// of RUNS changes (15 by default) on the shipped story, in one page, with the median of the
// search's own time as the checker reports it in the page ("searched in ... s"), and the median
// of each step from the change to the verdict shown, as the page and its worker time them.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { pathToFileURL } from 'node:url';
import { launchChromium } from './page-driver.mjs';

const studioPath = path.resolve(process.argv[2] ?? 'build-web/quillmore-studio.html');
const runs = Number(process.argv[3] ?? 15);

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const settled = (page) => page.waitForFunction(() => {
  const { revision, proven, playsAsked, playsShown } = document.body.dataset;
  return proven === revision && playsShown === playsAsked;
}, null, { timeout: 120_000 });

// The steps of one change, in ms: the pause for typing, the worker's work (handing it the files,
// the engine's steps, reading its answer), the messages between page and worker, and the page
// showing it all. The engine times its steps in microseconds.
function stepsOf({ changed, shown, times }) {
  const engine = Object.fromEntries(Object.entries(times)
    .filter(([step]) => !['files', 'engine', 'parse', 'asked', 'arrived'].includes(step))
    .map(([step, us]) => [`engine: ${step}`, us / 1000]));
  const worker = times.files + times.engine + times.parse;
  return {
    'pause for typing': times.asked - changed,
    'worker: files': times.files,
    ...engine,
    'worker: rest of engine': times.engine - Object.values(engine).reduce((sum, ms) => sum + ms, 0),
    'worker: JSON.parse': times.parse,
    'messages': times.arrived - times.asked - worker,
    'page: show': shown - times.arrived,
  };
}

const studio = fs.readFileSync(studioPath);
const gzipped = zlib.gzipSync(studio, { level: 9 }).length;
const browser = await launchChromium();
const times = [];
const searches = [];  // the checker's own time for its search, as it reports it
const steps = {};  // step -> ms, one a run
let verdict;
try {
  const page = await (await browser.newContext()).newPage();
  await page.addInitScript(() => {
    window.studioProofs = [];
    document.addEventListener('studio-proved', (event) => window.studioProofs.push(event.detail));
  });
  await page.goto(pathToFileURL(studioPath).href);
  await settled(page);
  const original = await page.inputValue('#editor');
  for (let run = 0; run < runs; run += 1) {
    const text = run % 2 ? original : original.replace('A small riverside park', 'A smal riverside park');
    await page.fill('#editor', text);
    await settled(page);
    const proof = await page.evaluate(() => window.studioProofs.at(-1));
    times.push(proof.shown - proof.changed);
    for (const [step, ms] of Object.entries(stepsOf(proof))) (steps[step] ??= []).push(ms);
    const said = await page.textContent('#verdict-lines');
    searches.push(1000 * Number(/searched in ([0-9.]+) s/.exec(said)[1]));
  }
  verdict = await page.textContent('#verdict');
} finally {
  await browser.close();
}

const load = os.loadavg().map((average) => average.toFixed(2)).join(' ');
console.log(`machine: ${os.cpus().length} cores, load average ${load}`);
console.log(`studio: ${studio.length} bytes, ${gzipped} gzipped (${(studio.length / 1024).toFixed(1)} KiB, ` +
  `${(gzipped / 1024).toFixed(1)} KiB)`);
console.log(`verdict: ${verdict}`);
console.log(`change to verdict: ${median(times).toFixed(0)} ms (median of ${runs}; ` +
  `${times.map((t) => t.toFixed(0)).join(', ')})`);
console.log(`of which the checker's search: ${median(searches).toFixed(0)} ms (median of ${runs}; ` +
  `${searches.map((t) => t.toFixed(0)).join(', ')})`);
for (const [step, values] of Object.entries(steps)) {
  console.log(`  ${step}: ${median(values).toFixed(1)} ms`);
}
