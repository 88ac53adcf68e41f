// Measures the game's page: its size raw and gzipped, the time from navigation to the game's
// first text in headless Chromium, and the time per command over the winning walkthrough.
//
//   node measure.mjs PAGE SOURCE_DIR [RUNS] [OTHER_PAGE]
//
// Times are medians over RUNS fresh page loads (5 by default), each in a new browser context, from
// file://. With OTHER_PAGE (another build of the page, such as an earlier one), the two are loaded
// alternately in the same browser, and the other's size and first text are given beside.
// The first text is timed twice, from the start of the navigation (performance.now()): when the
// game first waits for the player, its opening in the page, and when the browser first paints
// the story with it (the largest contentful paint inside #transcript), which is when the player
// can read it. Nothing of the measurement runs in the page until then, but for what is set up
// before the page's own scripts: a script of the harness evaluated earlier would delay the page.
// A command's time runs from sending the line to the game waiting again, its reply shown.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { pathToFileURL } from 'node:url';
import { launchChromium, typeLines } from './page-driver.mjs';

const pagePath = path.resolve(process.argv[2] ?? 'build-web/quillmore.html');
const sourceDir = path.resolve(process.argv[3] ?? '.');
const runs = Number(process.argv[4] ?? 5);
const otherPath = process.argv[5] ? path.resolve(process.argv[5]) : null;
const lines = fs.readFileSync(
  path.join(sourceDir, 'tests/scenarios/walkthrough-wins-with-all-five-pub-drinks/input'), 'utf8')
  .split('\n').slice(0, -2);

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

// Opens the page in a new context and waits, without evaluating anything in it, until the game
// first waits and the story is painted. Returns { context, page, waited, painted }.
async function openTimed(browser, file) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.addInitScript(() => {
    window.quillmoreWaitTimes = [];
    let painted = null;
    const tell = () => {
      if (window.quillmoreWaitTimes.length > 0 && painted !== null) {
        console.log(`quillmore-first-text ${window.quillmoreWaitTimes[0]} ${painted}`);
      }
    };
    document.addEventListener('quillmore-waiting', () => {
      window.quillmoreWaitTimes.push(performance.now());
      if (window.quillmoreWaitTimes.length === 1) tell();
    });
    new PerformanceObserver((entries) => {
      for (const entry of entries.getEntries()) {
        if (painted === null && entry.element?.closest('#transcript')) {
          painted = entry.startTime;
          tell();
        }
      }
    }).observe({ type: 'largest-contentful-paint', buffered: true });
  });
  const told = page.waitForEvent('console', {
    predicate: (message) => message.text().startsWith('quillmore-first-text '),
    timeout: 30_000,
  });
  await page.goto(pathToFileURL(file).href, { waitUntil: 'commit' });
  const [waited, painted] = (await told).text().split(' ').slice(1).map(Number);
  return { context, page, waited, painted };
}

const page = fs.readFileSync(pagePath);
const gzipped = zlib.gzipSync(page, { level: 9 }).length;
const browser = await launchChromium();
const firstText = [];
const firstPaint = [];
const perCommand = [];
const otherFirstText = [];
const otherFirstPaint = [];
try {
  for (let run = 0; run < runs; run += 1) {
    if (otherPath !== null) {
      const other = await openTimed(browser, otherPath);
      otherFirstText.push(other.waited);
      otherFirstPaint.push(other.painted);
      await other.context.close();
    }
    const game = await openTimed(browser, pagePath);
    firstText.push(game.waited);
    firstPaint.push(game.painted);
    const start = await game.page.evaluate(() => performance.now());
    await typeLines(game.page, lines);
    const end = await game.page.evaluate(() => window.quillmoreWaitTimes.at(-1));
    perCommand.push((end - start) / lines.length);
    await game.context.close();
  }
} finally {
  await browser.close();
}

const load = os.loadavg().map((average) => average.toFixed(2)).join(' ');
console.log(`machine: ${os.cpus().length} cores, load average ${load}`);
console.log(`page: ${page.length} bytes, ${gzipped} gzipped (${(page.length / 1024).toFixed(1)} KiB, ` +
  `${(gzipped / 1024).toFixed(1)} KiB)`);
const times = (values) => `${median(values).toFixed(0)} ms (median of ${runs}; ` +
  `${values.map((t) => t.toFixed(0)).join(', ')})`;
console.log(`navigation to the game's first wait: ${times(firstText)}`);
console.log(`navigation to the story's first paint: ${times(firstPaint)}`);
if (otherPath !== null) {
  const other = fs.readFileSync(otherPath);
  const otherGzipped = zlib.gzipSync(other, { level: 9 }).length;
  console.log(`other page: ${other.length} bytes, ${otherGzipped} gzipped`);
  console.log(`other page, navigation to the game's first wait: ${times(otherFirstText)}`);
  console.log(`other page, navigation to the story's first paint: ${times(otherFirstPaint)}`);
  console.log(`this page's first text is ${(median(firstText) / median(otherFirstText)).toFixed(2)} ` +
    `of the other's at the game's first wait, ` +
    `${(median(firstPaint) / median(otherFirstPaint)).toFixed(2)} at the story's first paint`);
}
console.log(`per command, ${lines.length} commands of the walkthrough: ` +
  `${median(perCommand).toFixed(2)} ms (median of ${runs}; ` +
  `${perCommand.map((t) => t.toFixed(2)).join(', ')})`);
