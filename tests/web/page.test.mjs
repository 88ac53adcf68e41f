// Browser tests of the game's page in Debian's Chromium, headless.
//
//   node page.test.mjs PAGE SOURCE_DIR [NATIVE_GAME]
//
// PAGE is the built quillmore.html, SOURCE_DIR the top of the repository (for the walkthrough),
// NATIVE_GAME the terminal's game (build/quillmore), to which a save is carried and back; without
// it that test is skipped. Exits non-zero when a test fails.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import crypto from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import {
  launchServing, openGame, typeLines, typeOnKeyboard, serveFile, transcriptWithoutEchoes,
  savedGame, downloadFrom, transcriptAsText, terminalGame, startScreenReader,
} from './page-driver.mjs';

const pagePath = path.resolve(process.argv[2] ?? 'build-web/quillmore.html');
const sourceDir = path.resolve(process.argv[3] ?? '.');
const nativeGame = process.argv[4] && path.resolve(process.argv[4]);
// The page is served on the loopback interface, as a site serves it: a page reloaded from
// file:// is at times handed an empty storage by Chromium (156), whose writes may then replace
// what was kept, which no page can prevent (1 to 8 loads in a hundred on a busy machine; none
// in 750 served). The first test plays it from disk.
const diskUrl = pathToFileURL(pagePath).href;
let pageUrl;
const walkthrough = path.join(sourceDir, 'tests/scenarios/walkthrough-wins-with-all-five-pub-drinks');
// The walkthrough's lines, without the key press that ends it.
const walkthroughLines = fs.readFileSync(path.join(walkthrough, 'input'), 'utf8').split('\n').slice(0, -2);
const walkthroughOutput = fs.readFileSync(path.join(walkthrough, 'expected'), 'utf8');

let browser;
let stop;
before(async () => { ({ browser, url: pageUrl, close: stop } = await launchServing(pagePath)); });
after(async () => { await stop?.(); });

// The commands and names kept for Up and Down.
async function history(page) {
  return JSON.parse(await page.evaluate(() => localStorage.getItem('quillmore-history')));
}

// The lines typed, as echoed: [line, whether after the prompt].
function echoes(page) {
  return page.$$eval('#transcript .echo',
    (spans) => spans.map((span) => [span.textContent, span.classList.contains('prompted')]));
}

// Every test ends with these: the page logged no error, asked for nothing once loaded and
// never called fetch().
async function assertQuiet(game) {
  assert.deepEqual(game.errors, [], 'console errors');
  assert.deepEqual(game.lateRequests, [], 'requests after load');
  assert.deepEqual(await game.page.evaluate(() => window.quillmoreFetches), [], 'fetch() calls');
}

test('the walkthrough typed into the page from disk wins, and one key ends the key wait', async () => {
  const game = await openGame(browser, diskUrl);
  const lines = walkthroughLines;
  const waits = (await typeLines(game.page, lines)).map((wait) => wait.wanted);
  // The page is told what the game waits for: a name after "give", an answer to a question.
  const told = lines.map((line, at) => {
    if (at === lines.length - 1) return 'key';
    if (['a', 'b'].includes(lines[at + 1])) return 'answer';
    return line.startsWith('give ') ? 'person' : 'command';
  });
  assert.deepEqual(waits, told);
  // Won, the game is no longer kept: the key of the key wait is no move of it.
  assert.equal(await savedGame(game.page), null);

  // Tab and Shift move about the page; they do not end the game.
  await game.page.keyboard.press('Tab');
  await game.page.keyboard.press('Shift');
  assert.equal(await game.page.textContent('#command-label'), 'Press any key');
  // A letter ends it wherever the focus is, even on the New game button (which it does not press).
  await game.page.focus('#new-game');
  await game.page.keyboard.press('x');
  await game.page.waitForSelector('#command:disabled');
  assert.equal(await game.page.textContent('#command-label'), 'Game over');
  // The story stays to be read: keys after the ending, Enter too, start no game.
  assert.equal(await game.page.evaluate(() => document.activeElement.id), 'story');
  const waited = await game.page.evaluate(() => window.quillmoreWaits.length);
  for (const key of ['Enter', ' ', 'n', 'Enter']) await game.page.keyboard.press(key);
  assert.equal(await game.page.evaluate(() => window.quillmoreWaits.length), waited);
  assert.equal(await game.page.textContent('#command-label'), 'Game over');

  assert.equal(await transcriptWithoutEchoes(game.page), walkthroughOutput);
  // Commands and names are echoed after the prompt, answers without it.
  assert.deepEqual(await echoes(game.page), lines.map((line, at) => [line + '\n', told[at - 1] !== 'answer']));
  // Only commands and names enter the history, a line repeated in a row once: no answers.
  const prompted = lines.filter((line, at) => told[at - 1] !== 'answer');
  assert.deepEqual(await history(game.page), prompted.filter((line, at) => line !== prompted[at - 1]));
  await assertQuiet(game);
  await game.context.close();
});

test('a reloaded page shows the story so far and goes on where it stood, until it is won', async () => {
  const game = await openGame(browser, pageUrl);
  const { page } = game;
  const lines = walkthroughLines;
  const sean = lines.indexOf('talk Sean', 20);  // he asks a question
  // Reloaded after a move: the story so far, the lines typed echoed as they were, then the place
  // again as the move showed it.
  await typeLines(page, lines.slice(0, sean - 1));
  const before = await transcriptWithoutEchoes(page);
  await typeLines(page, [lines[sean - 1]]);
  const story = await transcriptWithoutEchoes(page);
  const place = story.slice(before.length);
  const typedSoFar = await echoes(page);
  await game.reload();
  assert.equal(await transcriptWithoutEchoes(page), story + place);
  assert.deepEqual(await echoes(page), typedSoFar);

  // Reloaded in the middle of a conversation: the story, which ends with the question, and a
  // welcome, waiting for the answer.
  await typeLines(page, [lines[sean]]);
  const question = (await transcriptWithoutEchoes(page)).slice(story.length + place.length);
  const typed = lines.slice(0, sean + 1).join('\n') + '\n';
  assert.match(await savedGame(page), /^quillmore save 2\ndata [0-9a-f]{16}\n\n/);
  assert.ok((await savedGame(page)).endsWith('\n\n' + typed));
  await game.reload();
  const shown = `${story}${place}${question}(Welcome back.)\n`;
  assert.equal(await transcriptWithoutEchoes(page), shown);
  assert.deepEqual(await page.evaluate(() => window.quillmoreWaits), [{ wanted: 'answer' }]);
  assert.equal(await page.textContent('#command-label'), 'Answer');
  assert.equal(await page.isHidden('#prompt-sign'), true);

  // The rest plays exactly as in one go, and wins with all five pub drinks. A letter typed into
  // the command line ends the key wait and is no part of the line, and Enter then leaves the
  // ending where it is.
  const waits = await typeLines(page, lines.slice(sean + 1));
  assert.deepEqual(waits.at(-1), { wanted: 'key' });
  await page.focus('#command');
  await page.keyboard.press('x');
  await page.waitForSelector('#command:disabled');
  assert.equal(await page.inputValue('#command'), '');
  await page.keyboard.press('Enter');
  const rest = (await transcriptWithoutEchoes(page)).slice(shown.length);
  assert.ok(walkthroughOutput.endsWith(question + rest), rest);
  assert.match(rest, /You also beat the mini quest/);
  assert.equal(await page.textContent('#command-label'), 'Game over');

  // A won game is not taken up again: the next visit begins anew.
  await game.reload();
  const again = await transcriptWithoutEchoes(page);
  assert.ok(again.startsWith('\n\nGame creator Orlanthe welcomes you to: \n'), again.slice(0, 80));
  await assertQuiet(game);
  await game.context.close();
});

// The key the page's first save format gave the shipped data (web/embed_data.cmake).
function firstFormatKey() {
  const files = ['rooms', 'people', 'objects'].map((name) => {
    const bytes = fs.readFileSync(path.join(sourceDir, 'data', `${name}.txt`));
    return `${name} ${bytes.length} ${bytes.toString('hex')}\n`;
  });
  return crypto.createHash('sha256').update(files.join('')).digest('hex').slice(0, 16);
}

test('a saved game that cannot be read gives one line and a new game; the first format is read', async () => {
  const game = await openGame(browser, pageUrl);
  const { page } = game;
  const opening = await transcriptWithoutEchoes(page);
  const unreadable = 'Your saved game could not be read, so a new one begins.';
  const changed = 'The game has changed since yours was saved, so a new one begins.';
  const header = (await typeLines(page, ['s']), await savedGame(page)).split('s\n')[0];
  assert.match(header, /^quillmore save 2\ndata [0-9a-f]{16}\n\n$/);
  const first = `quillmore save 1\ndata ${firstFormatKey()}\n`;
  for (const [saved, notice] of [
    ['', unreadable],
    ['s\nw\n', unreadable],
    ['quillmore save 3\ndata 0123456789abcdef\n\ns\n', unreadable],
    [`${first}typed 4\n\ns\n`, unreadable],            // cut short
    [`${first}typed 2\n\ns\nw\n`, unreadable],        // added to
    ['quillmore save 2\ndata 0123456789abcdef\n\ns\n', changed],
    ['quillmore save 1\ndata 0123456789abcdef\ntyped 2\n\ns\n', changed],
  ]) {
    await page.evaluate((text) => localStorage.setItem('quillmore-save', text), saved);
    await game.reload();
    assert.equal(await transcriptWithoutEchoes(page), `${opening}${notice}\n`);  // above the prompt
    assert.equal(await savedGame(page), null);
  }
  // The new game is kept from its first line.
  const shown = (await transcriptWithoutEchoes(page)).length;
  await typeLines(page, ['s']);
  assert.equal(await savedGame(page), `${header}s\n`);
  const place = (await transcriptWithoutEchoes(page)).slice(shown);

  // A save of the page's first format goes on, kept in the one format from the next line on.
  // Its story was never kept, so the place alone is shown.
  await page.evaluate((text) => localStorage.setItem('quillmore-save', text), `${first}typed 2\n\ns\n`);
  await game.reload();
  assert.equal(await transcriptWithoutEchoes(page), place);
  await typeLines(page, ['w', 'e']);
  assert.equal(await savedGame(page), `${header}s\nw\ne\n`);

  // Where the browser keeps nothing, the player is told once, and plays on.
  await page.evaluate(() => {
    Storage.prototype.setItem = () => { throw new DOMException('full', 'QuotaExceededError'); };
  });
  await typeLines(page, ['n', 'inventory', 'inventory']);
  const text = await transcriptWithoutEchoes(page);
  assert.equal(text.split('Your progress cannot be kept in this browser.\n').length, 2, text);
  // And nothing else is added: no empty lines.
  const holding = 'You are holding: english coins, photo slip\n';
  assert.ok(text.endsWith(`Interesting people are: couple lying on a blanket\n${holding}${holding}`),
    text.slice(-200));
  await assertQuiet(game);
  await game.context.close();
});

test('Tab completes commands and names as the game sees them, with their capitals', async () => {
  const game = await openGame(browser, pageUrl);
  const { page } = game;
  const tab = async (typed) => {
    await page.fill('#command', '');
    await page.keyboard.type(typed);
    await page.keyboard.press('Tab');
    return page.inputValue('#command');
  };
  const choices = () => page.$$eval('#choices:not([hidden]) li',
    (items) => items.map((item) => item.textContent));
  await typeLines(page, walkthroughLines.slice(0, 3));  // to Conor, in the Western Star
  await page.keyboard.type('give english coins');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => window.quillmoreWaits.at(-1).wanted === 'person');
  assert.equal(await tab('co'), 'Conor ');  // a name at "To whom?", and a blank after it
  await page.keyboard.press('Enter');
  assert.equal(await tab('talk co'), 'talk Conor ');
  assert.equal(await tab('talk NOR'), 'talk Conor ');  // a name that contains what was typed
  assert.equal(await tab('i'), 'inventory ');
  assert.deepEqual(await choices(), []);
  // Without a touch screen nothing is offered to tap as one types: Tab lists what fits.
  await page.fill('#command', '');
  await page.keyboard.type('talk ');
  assert.equal(await page.$$eval('#choices:not([hidden]) button', (buttons) => buttons.length), 0);

  // Several: listed, and read out once, however often Tab is pressed.
  const spoken = await startScreenReader(page);
  assert.deepEqual(await spoken(async () => {
    assert.equal(await tab('g'), 'g');
    await page.keyboard.press('Tab');
  }), ['polite: get, give']);
  assert.deepEqual(await choices(), ['get', 'give']);
  await page.keyboard.type('e');
  assert.deepEqual(await choices(), [], 'the list goes once the line changes');

  // What they share is filled in.
  await typeLines(page, walkthroughLines.slice(6, 32));
  assert.equal(await tab('drop pi'), 'drop pint of ');
  assert.deepEqual(await choices(), ['pint of Bulmers Cider', "pint of Murphy's"]);
  assert.equal(await tab('drop pint of m'), "drop pint of Murphy's ");
  // Nothing to complete leaves the line; on an empty line Tab moves on through the page.
  assert.equal(await tab('xyz'), 'xyz');
  await page.fill('#command', '');
  await page.keyboard.press('Tab');
  assert.notEqual(await page.evaluate(() => document.activeElement.id), 'command');
  await assertQuiet(game);
  await game.context.close();
});

test('served over HTTP the page plays and asks the server for nothing but itself', async () => {
  const server = await serveFile(pagePath);
  try {
    const game = await openGame(browser, server.url);
    await typeLines(game.page, ['inventory']);
    const text = await transcriptWithoutEchoes(game.page);
    assert.match(text, /\nYou are holding: english coins, photo slip\n$/);
    await assertQuiet(game);
    await game.context.close();
    assert.deepEqual(server.requests, [`GET /${path.basename(pagePath)}`]);
  } finally {
    await server.close();
  }
});

test('Up and Down walk back and forth through the commands typed, back to the draft', async () => {
  const game = await openGame(browser, pageUrl);
  const { page } = game;
  for (const line of ['look', 'inventory', 'inventory', 'north']) await typeOnKeyboard(page, line);
  await page.keyboard.type('dr');
  const seen = [];
  for (const key of ['ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowDown']) {
    await page.keyboard.press(key);
    seen.push(await page.inputValue('#command'));
  }
  // A command typed twice in a row is kept once; past the oldest, Up stays there.
  assert.deepEqual(seen, ['north', 'inventory', 'look', 'look', 'inventory', 'north', 'dr', 'dr']);
  // The history outlasts the page, and a history that cannot be read is none.
  await game.reload();
  await page.keyboard.press('ArrowUp');
  assert.equal(await page.inputValue('#command'), 'north');
  // It keeps the last 200 lines, whether it reaches them in this game or an earlier one did.
  for (const length of [199, 250]) {
    const earlier = Array.from({ length }, (_, at) => `go${at}`);
    await page.evaluate((lines) => localStorage.setItem('quillmore-history', JSON.stringify(lines)), earlier);
    await game.reload();
    await typeOnKeyboard(page, 'look');
    assert.deepEqual(await history(page), [...earlier, 'look'].slice(-200));
  }
  await page.evaluate(() => localStorage.setItem('quillmore-history', '{"not": "a list"'));
  await game.reload();
  await page.keyboard.press('ArrowUp');
  assert.equal(await page.inputValue('#command'), '');
  await assertQuiet(game);
  await game.context.close();
});

test('New game, from the keyboard, in the middle of a game asks, then starts again from the opening', async () => {
  const game = await openGame(browser, pageUrl);
  const { page } = game;
  await typeLines(page, ['s', 'get newspaper']);
  const kept = await savedGame(page);
  assert.notEqual(kept, null);
  // Focus starts on the command line; Shift+Tab reaches the button, Enter presses it.
  assert.equal(await page.evaluate(() => document.activeElement.id), 'command');
  await page.keyboard.press('Shift+Tab');
  await page.keyboard.press('Shift+Tab');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'new-game');
  // The page asks first, with Keep playing chosen; Escape or Enter keeps the game.
  const focused = () => page.evaluate(() => document.activeElement.textContent);
  for (const key of ['Escape', 'Enter']) {
    await page.keyboard.press('Enter');
    await page.waitForSelector('#asking[open]');
    assert.equal(await page.textContent('#asking-question'),
      'Start a new game? The one you are playing will be lost.');
    assert.equal(await focused(), 'Keep playing');
    await page.keyboard.press(key);
    await page.waitForSelector('#asking[open]', { state: 'detached' });
    // Back on the command line, where the next letter typed goes; the dialog's
    // close event comes a moment after it shuts.
    await page.waitForFunction(() => document.activeElement.id === 'command');
    await page.focus('#new-game');
  }
  assert.equal(await savedGame(page), kept);
  const waitsBefore = await page.evaluate(() => window.quillmoreWaits.length);
  await page.keyboard.press('Enter');
  await page.waitForSelector('#asking[open]');
  await page.keyboard.press('Shift+Tab');
  assert.equal(await focused(), 'Start a new game');
  await page.keyboard.press('Enter');
  await page.waitForFunction((n) => window.quillmoreWaits.length > n, waitsBefore);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'command');
  assert.equal(await savedGame(page), null);
  await typeLines(page, ['inventory']);

  const text = await transcriptWithoutEchoes(page);
  assert.ok(text.startsWith('\n\nGame creator Orlanthe welcomes you to: \n'), text.slice(0, 80));
  assert.equal(text.split('Fuzziness blurs into vision.').length, 2, 'the opening shown once');
  assert.match(text, /\nYou are holding: english coins, photo slip\n$/);
  const echoes = await page.$$eval('#transcript .echo', (spans) => spans.map((s) => s.textContent));
  assert.deepEqual(echoes, ['inventory\n']);

  // Chosen before the game on opening has even started, New game replaces it as well. It is
  // chosen as that game's WebAssembly is about to be instantiated: the page may be read to its
  // end before or after that.
  await page.addInitScript(() => {
    const { Instance } = WebAssembly;
    let chosen = false;
    WebAssembly.Instance = function (...given) {
      if (!chosen) document.getElementById('new-game').click();
      chosen = true;
      return new Instance(...given);
    };
  });
  await game.reload();
  await typeLines(page, ['inventory']);
  const again = await transcriptWithoutEchoes(page);
  assert.equal(again, text, 'the game kept was not continued, and nothing else wrote');
  await assertQuiet(game);
  await game.context.close();
});

test('quitting ends the game and keeps it as it stood before, for the page opened again', async () => {
  const game = await openGame(browser, pageUrl);
  const { page } = game;
  await typeLines(page, ['s']);
  const before = await savedGame(page);
  await typeLines(page, ['w']);
  await page.keyboard.type('quit');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#ending:not([hidden])');
  const kept = '(Your game is kept as it stood before you quit: open the page again to take it up.)';
  const story = await transcriptWithoutEchoes(page);
  assert.ok(story.endsWith(`\nGoodbye!\n\n${kept}\n`), story.slice(-200));
  assert.equal(await page.evaluate(() => document.activeElement.id), 'command');
  assert.equal(await savedGame(page), `${before}w\n`);
  assert.equal(await page.isDisabled('#undo'), true);
  // The story says how to go on, and the command line does it: a command takes the game up
  // where it stood before the quit, and is played.
  assert.equal(await page.textContent('[role=log] #ending'),
    'The game is over. Press Enter to take it up again, or choose New game to start another.');
  await typeOnKeyboard(page, 'inventory');
  await page.waitForFunction(() => document.getElementById('transcript').textContent
    .endsWith('You are holding: english coins, photo slip\n'));
  assert.match((await transcriptWithoutEchoes(page)).slice(story.length),
    /^\nWestern Road west\n[^]*\nYou are holding: english coins, photo slip\n$/);
  assert.equal(await page.isHidden('#ending'), true);

  // Opened again, the page shows the story, quit and all, and goes on from before the quit.
  await game.reload();
  await typeLines(page, ['inventory']);
  const after = await transcriptWithoutEchoes(page);
  assert.ok(after.startsWith(story), after.slice(0, 200));
  assert.match(after.slice(story.length), /^\nWestern Road west\n[^]*\nYou are holding: english coins, photo slip\n$/);
  // A game over asks nothing before New game.
  await page.keyboard.type('q');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#ending:not([hidden])');
  await page.click('#new-game');
  await page.waitForFunction(() => window.quillmoreWaits.length > 2);
  assert.equal(await savedGame(page), null);
  await assertQuiet(game);
  await game.context.close();
});

test('undo, typed or the button, takes back a whole command at a time, down to the start', async () => {
  const game = await openGame(browser, pageUrl);
  const { page } = game;
  const undoButton = ['(the Undo button)'];
  // What the game shows for the lines typed, or for the Undo button.
  const shownFor = async (lines) => {
    const before = (await transcriptWithoutEchoes(page)).length;
    if (lines === undoButton) {
      const waits = await page.evaluate(() => window.quillmoreWaits.length);
      await page.click('#undo');
      await page.waitForFunction((n) => window.quillmoreWaits.length > n, waits);
    } else {
      await typeLines(page, lines);
    }
    return (await transcriptWithoutEchoes(page)).slice(before);
  };
  const opening = await transcriptWithoutEchoes(page);
  const park = opening.slice(opening.lastIndexOf('\nFitzgerald Park\n'));
  const nothing = '(There is nothing to undo.)\n';
  assert.equal(await shownFor(['undo']), nothing);
  assert.equal(await shownFor(undoButton), nothing);

  // After a move: where the player stood before it.
  await typeLines(page, ['s']);
  assert.equal(await shownFor(['Undo']), `(Undone: s)\n${park}`);
  assert.equal(await savedGame(page), null, 'nothing typed is no game to keep');

  // After a give: the name it read goes too, and the coins are back.
  await typeLines(page, ['s', 'w']);
  const star = await shownFor(['s']);
  await typeLines(page, ['give english coins', 'Conor']);
  const header = (await savedGame(page)).split('s\n')[0];
  assert.equal(await shownFor(['undo']), `(Undone: give english coins)\n${star}`);
  assert.equal(await savedGame(page), `${header}s\nw\ns\n`);
  assert.equal(await shownFor(['inventory']), 'You are holding: english coins, photo slip\n');

  // After a conversation, and in the middle of one at the button: the answer goes with the talk.
  await typeLines(page, ['give english coins', 'Conor', 'n', 'e', 'e']);
  const street = await shownFor(['e']);
  const scholar = await shownFor(['n']);
  const kept = await savedGame(page);
  await typeLines(page, ['talk Liam', 'b']);
  assert.equal(await shownFor(['undo']), `(Undone: talk Liam)\n${scholar}`);
  assert.equal(await savedGame(page), kept);
  await typeLines(page, ['talk Liam']);
  assert.equal(await page.textContent('#command-label'), 'Answer');
  assert.equal(await shownFor(undoButton), `(Undone: talk Liam)\n${scholar}`);
  assert.equal(await page.textContent('#command-label'), 'Command');
  // Each further undo goes one more command back.
  assert.equal(await shownFor(['undo']), `(Undone: n)\n${street}`);
  assert.equal(await savedGame(page), kept.slice(0, -'n\n'.length));
  // The button was echoed as undo typed where the game waited: after the prompt, or as an answer.
  const typed = (await echoes(page)).filter(([line]) => line === 'undo\n');
  assert.deepEqual(typed.map(([, prompted]) => prompted), [true, true, true, true, false, true]);
  await assertQuiet(game);
  await game.context.close();
});

test('a line that begins with * is a comment; Save transcript downloads the story as text', async () => {
  const game = await openGame(browser, pageUrl);
  const { page } = game;
  await typeLines(page, ['s', '* the park was lovely', 'w', 's', 'give english coins', 'Conor', 'n', 'e',
    'e', 'e', 'n', 'talk Liam', 'maybe', 'b']);
  const text = await transcriptWithoutEchoes(page);
  assert.equal(text.split('(Comment noted.)\n').length, 2);
  assert.ok(!(await savedGame(page)).includes('*'), 'the game never reads a comment');
  const saved = await downloadFrom(page, '#save-transcript');
  assert.equal(saved.name, 'quillmore-transcript.txt');
  assert.equal(saved.text, await transcriptAsText(page));
  assert.ok(saved.text.startsWith('\n\nGame creator Orlanthe welcomes you to: \n'));
  assert.ok(saved.text.includes('\n> * the park was lovely\n(Comment noted.)\n> w\n'), saved.text);
  // Answers follow no prompt, as in the page.
  assert.ok(saved.text.includes('\nmaybe\n(Type a or b, then Enter.)\nb\n'), saved.text);
  // The transcript is the whole game's, across reloads.
  await game.reload();
  await typeLines(page, ['inventory']);
  const later = await downloadFrom(page, '#save-transcript');
  // Should they part, the line diff shows where, and the save shows what the reload took up.
  assert.equal(later.text.slice(0, saved.text.length), saved.text, `save: ${await savedGame(page)}`);
  assert.ok(later.text.endsWith('\n> inventory\nYou are holding: photo slip\n'), later.text.slice(-200));
  assert.equal(later.text, await transcriptAsText(page));
  await assertQuiet(game);
  await game.context.close();
});

test('Download save and Open save carry a game to the terminal game and back',
  { skip: !nativeGame && 'no native game given' }, async () => {
    const game = await openGame(browser, pageUrl);
    const { page } = game;
    const terminal = terminalGame(nativeGame, sourceDir);
    try {
      const lines = walkthroughLines;
      await typeLines(page, lines.slice(0, 5));
      const saved = await downloadFrom(page, '#download-save');
      assert.equal(saved.name, 'quillmore.save');
      assert.equal(saved.text, await savedGame(page));
      assert.match(saved.text, /^quillmore save 2\ndata [0-9a-f]{16}\n\ns\nw\ns\ngive english coins\nConor\n$/);

      // The terminal takes it up where it stood, and keeps the game on in a file of its own.
      const file = path.join(terminal.work, 'quillmore.save');
      fs.writeFileSync(file, saved.text);
      terminal.start(`--continue=${file}`);
      await terminal.waitFor('Interesting people are: Conor');
      terminal.type(lines[5]);
      terminal.type(lines[6]);
      await terminal.waitFor('You picked up the pint of Bulmers Cider.');
      terminal.key('C-d');
      const kept = await terminal.keptGame();
      assert.equal(fs.readFileSync(file, 'utf8'), saved.text, 'the file opened is left as it was');
      assert.match(fs.readFileSync(kept, 'utf8'), /\nfolder [^\n]+\ntranscript [^\n]+\n\n/);

      // A file that is no save, or a save of other data, leaves the game in the page alone.
      const before = await transcriptWithoutEchoes(page);
      const other = saved.text.replace(/data \w+/, 'data 0123456789abcdef');
      await page.setInputFiles('#open-file', { name: 'notes.txt', mimeType: 'text/plain', buffer: Buffer.from('rubbish\n') });
      await page.setInputFiles('#open-file', { name: 'other.save', mimeType: 'text/plain', buffer: Buffer.from(other) });
      await page.waitForFunction(() => document.getElementById('transcript').textContent.includes('other.save'));
      assert.equal(await transcriptWithoutEchoes(page), `${before}notes.txt is no saved game of Quillmore, so it was not opened.\n` +
        'other.save was saved on other data files, so it was not opened.\n');
      assert.equal(await savedGame(page), saved.text);
      // They are part of the story, which a reload shows again.
      await game.reload();
      assert.ok((await transcriptWithoutEchoes(page)).startsWith(`${before}notes.txt is no saved game`));

      // The terminal's game, opened after the page asks: the story so far is played again in
      // view, and the game goes on, kept in the page without the terminal's folder.
      const waits = await page.evaluate(() => window.quillmoreWaits.length);
      await page.setInputFiles('#open-file', kept);
      await page.waitForSelector('#asking[open]');
      assert.equal(await page.textContent('#asking-question'), 'Open the saved game? The one you are playing will be lost.');
      await page.click('#asking-yes');
      await page.waitForFunction((n) => window.quillmoreWaits.length > n, waits);
      assert.deepEqual(await echoes(page), lines.slice(0, 7).map((line) => [line + '\n', true]));
      const story = await transcriptWithoutEchoes(page);
      assert.ok(walkthroughOutput.startsWith(story), story.slice(-300));
      await typeLines(page, [lines[7]]);
      assert.equal(await savedGame(page), saved.text + `${lines.slice(5, 8).join('\n')}\n`);
      assert.match(await transcriptWithoutEchoes(page), /\nWestern Road west\n[^]*Sean the musician\n$/);
      await assertQuiet(game);
      await game.context.close();
    } finally {
      terminal.close();
    }
  });

test('a screen reader hears each response once, from the story\'s log, and nothing over it', async () => {
  const game = await openGame(browser, pageUrl);
  const { page } = game;
  // The story is the one live region: no hidden one filled by hand.
  const live = await page.$$eval('[role=log], [aria-live]:not([aria-live=off])',
    (nodes) => nodes.map((node) => node.getAttribute('role') ?? node.id));
  assert.deepEqual(live, ['log', 'choices']);
  // Each response is heard once, whole, as the story shows it; the line typed is not read back,
  // nor the label or the prompt as they change.
  const spoken = await startScreenReader(page);
  const heardOnce = async (act) => {
    const before = (await transcriptWithoutEchoes(page)).length;
    const said = await spoken(act);
    const shown = (await transcriptWithoutEchoes(page)).slice(before);
    assert.deepEqual(said, [`polite: ${shown.replace(/\s+/g, ' ').trim()}`]);
    return said[0];
  };
  assert.match(await heardOnce(() => typeLines(page, ['s'])), /^polite: Western Road east Buses /);
  assert.equal(await heardOnce(() => typeLines(page, ['get'])), 'polite: get what?');
  await typeLines(page, ['newspaper', 'w', 's', 'give english coins', 'Conor', 'n', 'e', 'e', 'e', 'n']);
  assert.match(await heardOnce(() => typeLines(page, ['talk Liam'])),
    /^polite: Oh look, another young man\. [^]* Response: a\) Oh, of course\. b\) You're drunk, I don't respect you\.$/);
  assert.equal(await heardOnce(() => typeLines(page, ['b'])), 'polite: Well, feck you!');
  assert.match(await heardOnce(async () => {
    const waits = await page.evaluate(() => window.quillmoreWaits.length);
    await page.click('#undo');
    await page.waitForFunction((n) => window.quillmoreWaits.length > n, waits);
  }), /^polite: \(Undone: talk Liam\) Thirsty Scholar A snug /);
  await assertQuiet(game);
  await game.context.close();

  // At the end of a won game the focus goes to the story before what comes next is said.
  const won = await openGame(browser, pageUrl);
  await typeLines(won.page, walkthroughLines);
  const heard = await startScreenReader(won.page);
  assert.deepEqual(await heard(async () => {
    await won.page.keyboard.press('x');
    await won.page.waitForSelector('#ending:not([hidden])');
  }), ['main, Story so far', 'polite: The game is over. Choose New game to play again.']);
  await assertQuiet(won);
  await won.context.close();
});

test('the command line is a labelled text box, and the story can be reached to scroll it', async () => {
  const game = await openGame(browser, pageUrl);
  const { page } = game;
  assert.equal(await page.getByRole('textbox', { name: 'Command' }).count(), 1);
  assert.equal(await page.getAttribute('#story', 'tabindex'), '0');
  await assertQuiet(game);
  await game.context.close();
});

test('the page follows the system colours and fits a phone screen', async () => {
  const colours = {};
  for (const colorScheme of ['light', 'dark']) {
    const game = await openGame(browser, pageUrl, { colorScheme, viewport: { width: 360, height: 640 }, isMobile: true, hasTouch: true });
    const { page } = game;
    colours[colorScheme] = await page.evaluate(() => getComputedStyle(document.body).backgroundColor);
    // A word longer than the screen is wide, as a player may type, breaks rather than widen it.
    await typeLines(page, ['look', 'x'.repeat(120)]);
    const layout = await page.evaluate(() => ({
      overflow: Math.max(document.documentElement.scrollWidth - window.innerWidth,
        document.getElementById('story').scrollWidth - document.getElementById('story').clientWidth),
      inputBottom: document.getElementById('command').getBoundingClientRect().bottom,
      height: window.innerHeight,
      fontSize: parseFloat(getComputedStyle(document.getElementById('command')).fontSize),
    }));
    assert.ok(layout.overflow <= 0, `wider than the screen by ${layout.overflow}px`);
    assert.ok(layout.inputBottom <= layout.height, 'command line below the screen');
    assert.ok(layout.fontSize >= 16, 'a phone zooms into a command line under 16px');
    if (process.env.QUILLMORE_SCREENSHOTS) {
      await page.screenshot({ path: path.join(process.env.QUILLMORE_SCREENSHOTS, `phone-${colorScheme}.png`) });
    }
    await assertQuiet(game);
    await game.context.close();
  }
  assert.notEqual(colours.light, colours.dark);
});

test('on a phone the opening is read from its banner, a and b are tapped, and the ending says what next', async () => {
  const game = await openGame(browser, pageUrl,
    { viewport: { width: 360, height: 640 }, isMobile: true, hasTouch: true });
  const { page } = game;
  // The story opens at its top, the banner in view.
  const opening = await page.evaluate(() => {
    const story = document.getElementById('story');
    const banner = document.querySelector('#transcript .line:not(:empty)');
    return { scrolled: story.scrollTop, top: banner.getBoundingClientRect().top - story.getBoundingClientRect().top };
  });
  assert.deepEqual([opening.scrolled, opening.top >= 0], [0, true], JSON.stringify(opening));

  // At a question a and b are buttons; one tapped is the answer.
  const asked = walkthroughLines.findIndex((line) => ['a', 'b'].includes(line));
  await typeLines(page, walkthroughLines.slice(0, asked));
  const offered = () => page.$$eval('#choices:not([hidden]) button', (buttons) => buttons.map((b) => b.textContent));
  await page.waitForFunction(() => document.querySelectorAll('#choices:not([hidden]) button').length > 0,
    null, { timeout: 30000 }).catch(() => {});
  assert.deepEqual(await offered(), ['a', 'b']);
  const waits = await page.evaluate(() => window.quillmoreWaits.length);
  await page.tap(`#choices li:nth-child(${walkthroughLines[asked] === 'a' ? 1 : 2}) button`);
  await page.waitForFunction((n) => window.quillmoreWaits.length > n, waits);
  assert.deepEqual(await echoes(page).then((typed) => typed.at(-1)), [`${walkthroughLines[asked]}\n`, false]);

  // At the key wait the command line's hint fits it; after the key the story says what next.
  await typeLines(page, walkthroughLines.slice(asked + 1));
  const fits = await page.evaluate(() => {
    const command = document.getElementById('command');
    const style = getComputedStyle(command);
    const measure = document.createElement('canvas').getContext('2d');
    measure.font = style.font;
    return measure.measureText(command.placeholder).width <=
      command.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  });
  assert.ok(fits, 'the hint in the command line is cut off');
  await page.keyboard.press('x');
  await page.waitForSelector('#ending:not([hidden])');
  assert.equal(await page.textContent('[role=log] #ending'), 'The game is over. Choose New game to play again.');
  const end = await page.evaluate(() => {
    const story = document.getElementById('story');
    return document.getElementById('ending').getBoundingClientRect().bottom - story.getBoundingClientRect().bottom;
  });
  assert.ok(end <= 0, 'the ending is below the story\'s view');
  await assertQuiet(game);
  await game.context.close();
});

test('an answer is a line of which only a or b reaches the game, and each hint comes once', async () => {
  const game = await openGame(browser, pageUrl);
  const { page } = game;
  const reminder = '(Type a or b, then Enter.)\n';
  await typeLines(page, ['s', 'w', 's', 'give english coins', 'Conor', 'n', 'e', 'e', 'e', 'n', 'talk Liam']);
  let before = await transcriptWithoutEchoes(page);
  // A word and a name typed at the question each get the reminder, and the game sees neither.
  const waits = await typeLines(page, ['get pint', 'Liam', ' B ']);
  assert.deepEqual(waits.map((wait) => wait.wanted), ['answer', 'answer', 'command']);
  let text = await transcriptWithoutEchoes(page);
  assert.equal(text.slice(before.length), `${reminder}${reminder}Well, feck you!\n\n`);
  assert.ok((await savedGame(page)).endsWith('\nn\ntalk Liam\nb\n'), await savedGame(page));

  // A hint after the game's own line, once: not again for examine, nor restore after save.
  const unknown = "That is not an option. Type in 'Commands' to see the list of what you can do. \n";
  before = text;
  await typeLines(page, ['x', 'examine', 'save', 'restore', 'NORTH', 'x']);
  text = await transcriptWithoutEchoes(page);
  assert.equal(text.slice(before.length), [
    unknown, '(To look at something, type look and its name.)\n', unknown,
    unknown, '(Your game is kept as you play, and goes on when you open the page again.)\n',
    unknown, unknown, '(Type commands in small letters: north.)\n', unknown,
  ].join(''));
  await assertQuiet(game);
  await game.context.close();
});

test('on a touch screen the names that fit are buttons to tap, after talk and at To whom?', async () => {
  const game = await openGame(browser, pageUrl,
    { viewport: { width: 360, height: 640 }, isMobile: true, hasTouch: true });
  const { page } = game;
  // The buttons offered, once they are what is expected or 30 seconds have passed: a busy machine
  // only makes it slower.
  const offered = async (expected) => {
    await page.waitForFunction((want) => JSON.stringify([...document.querySelectorAll(
      '#choices:not([hidden]) button')].map((button) => button.textContent)) === want,
    JSON.stringify(expected), { timeout: 30000 }).catch(() => {});
    return page.$$eval('#choices:not([hidden]) button', (buttons) => buttons.map((b) => b.textContent));
  };
  await typeLines(page, ['s', 'w', 's']);
  assert.deepEqual(await offered([]), [], 'a command word is no name');
  await page.keyboard.type('talk ');
  assert.deepEqual(await offered(['Conor']), ['Conor']);
  await page.tap('#choices button');
  assert.equal(await page.inputValue('#command'), 'talk Conor ');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'command');
  assert.deepEqual(await offered([]), []);
  await typeOnKeyboard(page, '');
  assert.match(await transcriptWithoutEchoes(page), /Do you have any pound coins\?/);

  // Carried objects after drop, fewer as one types; the people here at "To whom?" at once.
  await page.keyboard.type('drop ');
  assert.deepEqual(await offered(['english coins', 'photo slip']), ['english coins', 'photo slip']);
  await page.keyboard.type('ph');
  assert.deepEqual(await offered(['photo slip']), ['photo slip']);
  await page.fill('#command', 'give english coins');
  await typeOnKeyboard(page, '');
  assert.deepEqual(await offered(['Conor']), ['Conor']);
  const layout = await page.evaluate(() => ({
    button: document.querySelector('#choices button').getBoundingClientRect().height,
    inputBottom: document.getElementById('command').getBoundingClientRect().bottom,
    height: window.innerHeight,
  }));
  assert.ok(layout.button >= 40, `a button ${layout.button}px high is hard to tap`);
  assert.ok(layout.inputBottom <= layout.height, 'command line below the screen');
  if (process.env.QUILLMORE_SCREENSHOTS) {
    await page.screenshot({ path: path.join(process.env.QUILLMORE_SCREENSHOTS, 'phone-names.png') });
  }
  await page.tap('#choices button');
  await typeOnKeyboard(page, '');
  assert.match(await transcriptWithoutEchoes(page), /You gave Conor the english coins\.\n/);
  // What changes as one types is not read out.
  assert.equal(await page.getAttribute('#choices', 'aria-live'), 'off');
  await assertQuiet(game);
  await game.context.close();
});
