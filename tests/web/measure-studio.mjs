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

// The steps of one change, in ms: the pause for typing, the worker's work for the verdict
// (handing the engine the files, the engine's steps, which it times in microseconds, and writing
// and reading its answer), the messages between page and worker, the page showing the verdict;
// then the rest, said by the worker and shown by the page.
function stepsOf({ changed, shown, times }, told) {
  const engineSteps = (all) => Object.entries(all)
    .filter(([step]) => !['files', 'engine', 'asked', 'arrived'].includes(step))
    .map(([step, us]) => [step, us / 1000]);
  const engine = engineSteps(times);
  const rest = engineSteps(told.times);
  const sum = (steps) => steps.reduce((total, [, ms]) => total + ms, 0);
  return {
    'pause for typing': times.asked - changed,
    'worker: files': times.files,
    ...Object.fromEntries(engine.map(([step, ms]) => [`engine: ${step}`, ms])),
    'worker: the verdict in JSON, both ways': times.engine - sum(engine),
    'messages': times.arrived - times.asked - times.files - times.engine,
    'page: verdict shown': shown - times.arrived,
    'then the rest: worker': told.times.engine,
    ...Object.fromEntries(rest.map(([step, ms]) => [`  of which ${step}`, ms])),
    'then the rest: page': told.shown - told.times.arrived,
  };
}

const studio = fs.readFileSync(studioPath);
const gzipped = zlib.gzipSync(studio, { level: 9 }).length;
const browser = await launchChromium();
const times = [];
const searches = [];  // the checker's own time for its search, as it reports it
const steps = {};  // step -> ms, one a run
let verdict;
let firstVerdict;  // ms from the page's start to its first verdict
try {
  const page = await (await browser.newContext()).newPage();
  await page.addInitScript(() => {
    window.studioProofs = [];
    window.studioTold = [];
    document.addEventListener('studio-proved', (event) => window.studioProofs.push(event.detail));
    document.addEventListener('studio-told', (event) => window.studioTold.push(event.detail));
  });
  await page.goto(pathToFileURL(studioPath).href);
  await settled(page);
  firstVerdict = await page.evaluate(() => window.studioProofs[0].shown);
  const original = await page.inputValue('#editor');
  for (let run = 0; run < runs; run += 1) {
    const text = run % 2 ? original : original.replace('A small riverside park', 'A smal riverside park');
    await page.fill('#editor', text);
    await settled(page);
    const [proof, told] = await page.evaluate(() => [window.studioProofs.at(-1), window.studioTold.at(-1)]);
    times.push(proof.shown - proof.changed);
    for (const [step, ms] of Object.entries(stepsOf(proof, told))) (steps[step] ??= []).push(ms);
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
console.log(`first verdict: ${firstVerdict.toFixed(0)} ms after the page began to load`);
console.log(`change to verdict: ${median(times).toFixed(0)} ms (median of ${runs}; ` +
  `${times.map((t) => t.toFixed(0)).join(', ')})`);
console.log(`of which the checker's search: ${median(searches).toFixed(0)} ms (median of ${runs}; ` +
  `${searches.map((t) => t.toFixed(0)).join(', ')})`);
for (const [step, values] of Object.entries(steps)) {
  console.log(`  ${step}: ${median(values).toFixed(1)} ms`);
}
