// Measures the game's page: its size raw and gzipped, the time from navigation to the game's
// first text in headless Chromium, and the time per command over the winning walkthrough.
//
//   node measure.mjs PAGE SOURCE_DIR [RUNS] [OTHER_PAGE]
//
// Times are medians over RUNS fresh page loads (5 by default), each in a new browser context, from
// file://. With OTHER_PAGE (another build of the page, such as an earlier one), the two are loaded
// alternately in the same browser, and the other's size and first text are given beside. The first text is the first time the game waits for the player, its opening shown,
// counted from the start of the navigation (performance.now()).
// A command's time runs from sending the line to the game waiting again, its reply shown.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { pathToFileURL } from 'node:url';
import { launchChromium, openGame, typeLines } from './page-driver.mjs';

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

const page = fs.readFileSync(pagePath);
const gzipped = zlib.gzipSync(page, { level: 9 }).length;
const browser = await launchChromium();
const firstText = [];
const perCommand = [];
const otherFirstText = [];
try {
  for (let run = 0; run < runs; run += 1) {
    if (otherPath !== null) {
      const other = await openGame(browser, pathToFileURL(otherPath).href);
      otherFirstText.push(await other.page.evaluate(() => window.quillmoreWaitTimes[0]));
      await other.context.close();
    }
    const game = await openGame(browser, pathToFileURL(pagePath).href);
    firstText.push(await game.page.evaluate(() => window.quillmoreWaitTimes[0]));
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
console.log(`navigation to first text: ${median(firstText).toFixed(0)} ms ` +
  `(median of ${runs}; ${firstText.map((t) => t.toFixed(0)).join(', ')})`);
if (otherPath !== null) {
  const other = fs.readFileSync(otherPath);
  const otherGzipped = zlib.gzipSync(other, { level: 9 }).length;
  console.log(`other page: ${other.length} bytes, ${otherGzipped} gzipped; navigation to first ` +
    `text ${median(otherFirstText).toFixed(0)} ms (${otherFirstText.map((t) => t.toFixed(0)).join(', ')}); ` +
    `this page's first text is ${(median(firstText) / median(otherFirstText)).toFixed(2)} of it`);
}
console.log(`per command, ${lines.length} commands of the walkthrough: ` +
  `${median(perCommand).toFixed(2)} ms (median of ${runs}; ` +
  `${perCommand.map((t) => t.toFixed(2)).join(', ')})`);
