// Browser tests of the authors' studio in Debian's Chromium, headless.
//
//   node studio.test.mjs STUDIO SOURCE_DIR
//
// STUDIO is the built quillmore-studio.html, SOURCE_DIR the top of the repository (for data/ and
// the walkthrough). Each test opens the studio, served, in a fresh browser context, so it starts
// with the shipped story. A proof of the shipped story takes seconds, so every wait has a
// deadline of a minute. Exits non-zero when a test fails.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { launchServing, reloadKeepingStorage, watchStorage } from './page-driver.mjs';

const studioPath = path.resolve(process.argv[2] ?? 'build-web/quillmore-studio.html');
// Served, as the page's tests serve it: Chromium at times hands a page reloaded from file:// an
// empty storage.
let studioUrl;
const sourceDir = path.resolve(process.argv[3] ?? '.');
const dataFiles = ['rooms.txt', 'people.txt', 'objects.txt', 'map.txt', 'story.txt'];
const shippedFiles = dataFiles.map((name) => path.join(sourceDir, 'data', name));
const walkthroughLines = fs.readFileSync(
  path.join(sourceDir, 'tests/scenarios/walkthrough-wins-with-all-five-pub-drinks/input'), 'utf8').split('\n');
const deadline = { timeout: 60_000 };

let browser;
let stop;
before(async () => { ({ browser, url: studioUrl, close: stop } = await launchServing(studioPath)); });
after(async () => { await stop?.(); });

// Opens the studio and waits for its first verdict. Returns { page, errors, lateRequests }:
// console errors and uncaught exceptions, and what was requested after the load event.
async function openStudio() {
  const context = await browser.newContext();
  const page = await context.newPage();
  const studio = { context, page, errors: [], lateRequests: [] };
  let loaded = false;
  page.on('console', (message) => { if (message.type() === 'error') studio.errors.push(message.text()); });
  page.on('pageerror', (error) => studio.errors.push(String(error)));
  page.on('load', () => { loaded = true; });
  // A prover started later runs the studio's own script from memory (a blob: URL), which asks
  // the network for nothing.
  page.on('request', (request) => {
    if (loaded && !request.url().startsWith('blob:')) studio.lateRequests.push(request.url());
  });
  studio.reload = async () => {
    loaded = false;
    await reloadKeepingStorage(page);
    await settled(page);
  };
  await watchStorage(page);
  await page.goto(studioUrl);
  await settled(page);
  return studio;
}

// Waits until the verdict shown is for the files as they are, and every play asked is shown.
function settled(page) {
  return page.waitForFunction(() => {
    const { revision, proven, playsAsked, playsShown } = document.body.dataset;
    return proven === revision && playsShown === playsAsked;
  }, null, deadline);
}

// Replaces the text of a file in the editor, as a paste would, and waits for its proof.
async function edit(page, file, change) {
  await page.click(`#tabs [data-file="${file}"]`);
  const text = change(await page.inputValue('#editor'));
  await page.fill('#editor', text);
  await settled(page);
}

async function assertQuiet(studio) {
  assert.deepEqual(studio.errors, [], 'console errors');
  assert.deepEqual(studio.lateRequests, [], 'requests after load');
  await studio.context.close();
}

test('a change that makes the game unwinnable is proven so, marked at its line, redrawn in the map, kept over a reload and downloaded with the line ends it came with; the shipped files opened through the file input win in 32 commands', async () => {
  const studio = await openStudio();
  const { page } = studio;
  assert.match(await page.textContent('#verdict'), /can be won in 32 commands/);

  await edit(page, 'rooms.txt', (text) => text.replace('\nWashington Inn\n', '\nWashingten Inn\n'));
  // The map and the story name the inn as it was: the game does not start.
  const cannot = 'The game cannot be won: it does not start with these files.';
  assert.equal(await page.textContent('#verdict'), cannot);
  await page.click('#tabs [data-file="map.txt"]');
  const marker = page.locator('#gutter .marked[data-line="20"]');
  assert.match(await marker.getAttribute('title'), /did you mean "Washingten Inn"\?/);
  // The problem's line in the list jumps to it in the editor.
  await page.click('#tabs [data-file="people.txt"]');
  await page.click('#problems .problem[data-file="map.txt"][data-line="20"]');
  assert.equal(await page.getAttribute('#tabs [aria-selected="true"]', 'data-file'), 'map.txt');
  assert.equal(await page.evaluate(() => {
    const editor = document.getElementById('editor');
    return editor.value.slice(editor.selectionStart, editor.selectionEnd);
  }), 'from Washington Street east go south to Washington Inn');
  // The map names the inn as the rooms do: it is drawn with that name.
  const placeNames = () => page.$$eval('#map-picture .place title', (titles) => titles.map((title) => title.textContent));
  assert.ok((await placeNames()).some((name) => name.startsWith('Washington Inn')));
  await edit(page, 'map.txt', (text) => text.replace('to Washington Inn\n', 'to Washingten Inn\n'));
  const renamed = await placeNames();
  assert.ok(renamed.includes('Washingten Inn') && !renamed.some((name) => name.startsWith('Washington Inn')));

  await studio.reload();
  assert.equal(await page.textContent('#verdict'), cannot);
  // Download files saves each file as edited.
  const downloads = [];
  const allDownloaded = new Promise((resolve) => {
    page.on('download', (download) => { if (downloads.push(download) === dataFiles.length) resolve(); });
  });
  await page.click('#download');
  await allDownloaded;
  assert.deepEqual(downloads.map((download) => download.suggestedFilename()), dataFiles);
  const rooms = fs.readFileSync(await downloads[0].path(), 'utf8');
  assert.ok(rooms.includes('\nWashingten Inn\n') && !rooms.includes('\nWashington Inn\n'));

  // A file opened with a carriage return before each line feed is downloaded so after an edit.
  const withReturns = fs.readFileSync(shippedFiles[0], 'utf8').replace(/\n/g, '\r\n');
  await page.setInputFiles('#open-files', [{ name: 'rooms.txt', mimeType: 'text/plain', buffer: Buffer.from(withReturns) }]);
  await page.waitForFunction(() => document.querySelectorAll('#tabs button').length === 1, null, deadline);
  await edit(page, 'rooms.txt', (text) => text.replace('A small riverside park', 'A narrow riverside park'));
  const downloaded = page.waitForEvent('download', deadline);
  await page.click('#download');
  const roomsAgain = fs.readFileSync(await (await downloaded).path(), 'utf8');
  assert.equal(roomsAgain, withReturns.replace('A small riverside park', 'A narrow riverside park'));

  await page.setInputFiles('#open-files', shippedFiles);
  await page.waitForFunction(() => document.getElementById('verdict').textContent.includes('32 commands'),
    null, deadline);
  await settled(page);
  assert.equal(await page.locator('#gutter .marked').count(), 0);
  await assertQuiet(studio);
});

test('a dead end\'s shortest play opens in the play pane with one click', async () => {
  const studio = await openStudio();
  const { page } = studio;
  // A second Siobhan takes the earring too, but has no pint to buy the player.
  await edit(page, 'people.txt', (text) => `${text}\nSiobhan\nThe Burger Bar`);
  const deadEnd = page.locator('#dead-ends li', { hasText: 'give pearl earring / Siobhan' }).first();
  await deadEnd.locator('button').click();
  await settled(page);
  const typed = await page.$$eval('#play .typed', (lines) => lines.map((line) => line.textContent));
  assert.equal(typed.length, 18);
  assert.deepEqual(typed.slice(-3), ['n', 'give pearl earring', 'Siobhan']);
  assert.equal(await page.locator('#play .unread').count(), 0);
  await assertQuiet(studio);
});

test('a pinned transcript shows the lines a change of a room or of a person\'s words made differ, old against new', async () => {
  const studio = await openStudio();
  const { page } = studio;
  // The page's transcript: prompted lines after "> ", a comment, and a command undone.
  const transcript = ['Fuzziness blurs into vision.', ...walkthroughLines.slice(0, 5).map((line) => `> ${line}`),
    '> * the coins next', '> look', '> undo', '(Undone: look)', '> talk Conor'].join('\n');
  const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'quillmore-studio-')), 'transcript.txt');
  fs.writeFileSync(file, transcript);
  await page.setInputFiles('#pin-transcript', file);
  await settled(page);
  assert.match(await page.textContent('#pins .pin'), /transcript\.txt: 6 lines typed; no difference/);

  const before = 'A small riverside park of lawns, flowerbeds and old trees';
  const after = 'A narrow riverside park of lawns, flowerbeds and old trees';
  await edit(page, 'rooms.txt', (text) => text.replace(before, after));
  assert.match(await page.textContent('#pins .pin'), /1 differ/);
  const olds = await page.$$eval('#pins .old', (lines) => lines.map((line) => line.textContent));
  const news = await page.$$eval('#pins .new', (lines) => lines.map((line) => line.textContent));
  assert.equal(olds.length, 1);
  assert.ok(olds[0].startsWith(before) && news[0].startsWith(after));
  // The author's play, the opening alone, is marked where it now goes differently.
  assert.equal(await page.locator('#play .said.changed').count(), 1);

  // What Conor says when talked to after his coins is a line of the story.
  const thanks = 'Thanks for the coins! Have you met my dad yet?';
  const thanksNow = 'Thanks a million for the coins! Have you met my dad yet?';
  await edit(page, 'story.txt', (text) => text.replace(`  > ${thanks}\n`, `  > ${thanksNow}\n`));
  assert.match(await page.textContent('#pins .pin'), /2 differ/);
  const oldWords = await page.$$eval('#pins .old', (lines) => lines.map((line) => line.textContent));
  const newWords = await page.$$eval('#pins .new', (lines) => lines.map((line) => line.textContent));
  assert.equal(oldWords.length, 2);
  assert.ok(oldWords[1].includes(thanks) && newWords[1].includes(thanksNow), `${oldWords[1]} / ${newWords[1]}`);
  await assertQuiet(studio);
});
