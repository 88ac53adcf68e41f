// Takes the picture of the page in docs/playing.md: light colours, a desktop window, a game
// under way with Tab's choices listed.
//
//   node screenshot.mjs PAGE SOURCE_DIR OUTPUT.png
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchChromium, openGame, typeLines } from './page-driver.mjs';

const [pagePath, sourceDir, output] = process.argv.slice(2).map((arg) => path.resolve(arg));
const lines = fs.readFileSync(
  path.join(sourceDir, 'tests/scenarios/walkthrough-wins-with-all-five-pub-drinks/input'), 'utf8')
  .split('\n');

const browser = await launchChromium();
try {
  const game = await openGame(browser, pathToFileURL(pagePath).href,
    { colorScheme: 'light', viewport: { width: 1280, height: 800 } });
  // In the Thirsty Scholar with three drinks and the photos, then Tab after "drop pi".
  await typeLines(game.page, [...lines.slice(0, 32), 'look photos', 'inventory']);
  await game.page.keyboard.type('drop pi');
  await game.page.keyboard.press('Tab');
  await game.page.screenshot({ path: output });
} finally {
  await browser.close();
}
