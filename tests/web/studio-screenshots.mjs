// Takes the pictures of the authors' studio in docs/authoring.md, in a desktop window with light
// colours: the shipped story proven, a problem marked at its line, a dead end's play opened in
// the play pane, and a pinned transcript's difference after a change.
//
//   node studio-screenshots.mjs STUDIO SOURCE_DIR OUTPUT_DIR
//
// writes OUTPUT_DIR/studio-shipped.png, studio-problem.png, studio-dead-end.png and
// studio-pinned.png.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchChromium } from './page-driver.mjs';

const [studioPath, sourceDir, outputDir] = process.argv.slice(2).map((arg) => path.resolve(arg));
const walkthroughLines = fs.readFileSync(
  path.join(sourceDir, 'tests/scenarios/walkthrough-wins-with-all-five-pub-drinks/input'), 'utf8').split('\n');
const deadline = { timeout: 120_000 };

const settled = (page) => page.waitForFunction(() => {
  const { revision, proven, playsAsked, playsShown } = document.body.dataset;
  return proven === revision && playsShown === playsAsked;
}, null, deadline);

async function edit(page, file, change) {
  await page.click(`#tabs [data-file="${file}"]`);
  await page.fill('#editor', change(await page.inputValue('#editor')));
  await settled(page);
}

// Each picture in a fresh window on the shipped story, after `steps`.
async function picture(browser, name, steps) {
  const context = await browser.newContext({ colorScheme: 'light', viewport: { width: 1280, height: 900 } });
  const page = await context.newPage();
  await page.goto(pathToFileURL(studioPath).href);
  await settled(page);
  await steps(page);
  await page.screenshot({ path: path.join(outputDir, `studio-${name}.png`) });
  await context.close();
}

const browser = await launchChromium();
try {
  await picture(browser, 'shipped', async () => {});
  await picture(browser, 'problem', async (page) => {
    await edit(page, 'rooms.txt', (text) => text.replace('\nWashington Inn\n', '\nWashingten Inn\n'));
    await page.click('#problems .problem[data-file="map.txt"][data-line="20"]');
  });
  await picture(browser, 'dead-end', async (page) => {
    await edit(page, 'people.txt', (text) => `${text}\nSiobhan\nThe Burger Bar`);
    await page.locator('#dead-ends li', { hasText: 'give pearl earring / Siobhan' }).first()
      .locator('button').click();
    await settled(page);
    await page.evaluate(() => document.getElementById('dead-ends').scrollIntoView());
  });
  await picture(browser, 'pinned', async (page) => {
    const transcript = ['Fuzziness blurs into vision.', ...walkthroughLines.slice(0, 6).map((line) => `> ${line}`)];
    const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'quillmore-studio-')), 'walk.txt');
    fs.writeFileSync(file, transcript.join('\n'));
    await page.setInputFiles('#pin-transcript', file);
    await settled(page);
    await edit(page, 'story.txt', (text) => text.replace('  > Thanks for the coins! Have you met my dad yet?\n',
      '  > Thanks a million for the coins! Have you met my dad yet?\n'));
    await edit(page, 'rooms.txt', (text) => text.replace('A small riverside park', 'A narrow riverside park'));
    await page.evaluate(() => document.getElementById('play').scrollIntoView());
  });
} finally {
  await browser.close();
}
