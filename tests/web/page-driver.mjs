// Drives the game's page in Debian's Chromium for the browser tests and the measurements.
import http from 'node:http';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { execFileSync } from 'node:child_process';
import { chromium } from 'playwright-core';

// Headless, as root, and quiet on the network: without the background flags Chromium's own
// connections (updates, sync, field trials) would be attempted and refused here. Playwright
// gives every launch a new empty profile.
export function launchChromium() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}

// A browser, and the page in `file` served to it on the loopback interface: { browser, url,
// close }.
export async function launchServing(file) {
  const served = await serveFile(file);
  try {
    const browser = await launchChromium();
    return {
      browser,
      url: served.url,
      close: async () => {
        await browser.close();
        await served.close();
      },
    };
  } catch (error) {
    await served.close();
    throw error;
  }
}

// Reloads the page after `watchStorage(page)`, and fails when the new document was not handed
// the storage the old one left: which a reload must keep, and which a test of what is kept
// rests on.
export async function reloadKeepingStorage(page) {
  const left = await page.evaluate(() => JSON.stringify(Object.entries(localStorage).sort()));
  await page.reload();
  const found = await page.evaluate(() => window.quillmoreStorageAtStart);
  if (found !== left) {
    throw new Error(`the browser handed the reloaded page other storage than the page left:\n` +
      `left:  ${left.slice(0, 2000)}\nfound: ${found?.slice(0, 2000)}`);
  }
}

// Keeps in each new document of the page, as window.quillmoreStorageAtStart, its storage as it
// stood before any of the page's own scripts ran.
export function watchStorage(page) {
  return page.addInitScript(() => {
    if (window.top === window) {
      window.quillmoreStorageAtStart = JSON.stringify(Object.entries(localStorage).sort());
    }
  });
}

// Opens the page in a fresh context and waits until the game first waits for the player.
// Returns { context, page, errors, lateRequests, reload }: console errors and uncaught
// exceptions, the URLs requested after a load event (but for reloading the page itself), and
// reload(), which reloads the page and waits the same way. In the page, window.quillmoreWaits
// lists the details of every "quillmore-waiting" event, window.quillmoreWaitTimes their times
// (performance.now) and window.quillmoreFetches every call of fetch().
export async function openGame(browser, url, contextOptions = {}) {
  const context = await browser.newContext(contextOptions);
  const page = await context.newPage();
  const game = { context, page, errors: [], lateRequests: [] };
  let loaded = false;
  page.on('console', (message) => {
    if (message.type() === 'error') game.errors.push(message.text());
  });
  page.on('pageerror', (error) => game.errors.push(String(error)));
  page.on('load', () => { loaded = true; });
  page.on('request', (request) => { if (loaded) game.lateRequests.push(request.url()); });
  await watchStorage(page);
  await page.addInitScript(() => {
    window.quillmoreWaits = [];
    window.quillmoreWaitTimes = [];
    // Loading makes no request either, not even of the data: URI that holds the WebAssembly.
    window.quillmoreFetches = [];
    const fetch = window.fetch;
    window.fetch = (resource, ...rest) => {
      window.quillmoreFetches.push(String(resource).slice(0, 40));
      return fetch(resource, ...rest);
    };
    document.addEventListener('quillmore-waiting', (event) => {
      window.quillmoreWaitTimes.push(performance.now());
      window.quillmoreWaits.push(event.detail);
    });
  });
  game.reload = async () => {
    loaded = false;
    await reloadKeepingStorage(page);
    await page.waitForFunction(() => window.quillmoreWaits.length > 0);
  };
  await page.goto(url);
  await page.waitForFunction(() => window.quillmoreWaits.length > 0);
  return game;
}

// Starts a screen reader in the page, @guidepup/virtual-screen-reader, which reads out what
// changes in live regions and where the focus goes: its browser build, from node_modules, its
// exports made window.virtualScreenReader. Returns spoken(act), which runs act() and returns the
// phrases spoken meanwhile.
export async function startScreenReader(page) {
  const bundle = fs.readFileSync(
    new URL('node_modules/@guidepup/virtual-screen-reader/lib/esm/index.browser.js', import.meta.url), 'utf8');
  const exported = /export\s*\{([^}]*)\};?\s*(\/\*[^]*)?$/;
  const names = bundle.match(exported)[1].split(',').map((name) => name.trim().split(/\s+as\s+/))
    .map(([inside, outside]) => `${outside ?? inside}: ${inside}`);
  await page.addScriptTag({
    content: `(() => {\n${bundle.replace(exported, '')}\nwindow.virtualScreenReader = { ${names.join(', ')} };\n})();`,
  });
  await page.evaluate(() => window.virtualScreenReader.virtual.start({ container: document.body }));
  return async (act) => {
    await page.evaluate(() => window.virtualScreenReader.virtual.clearSpokenPhraseLog());
    await act();
    // What changed is read out once the page's own work is done.
    return page.evaluate(async () => {
      await new Promise((resolve) => setTimeout(resolve));
      return window.virtualScreenReader.virtual.spokenPhraseLog();
    });
  };
}

// Enters each line as if typed and sent, waiting each time until the game waits again.
// Returns the details of those waits.
export function typeLines(page, lines) {
  return page.evaluate(async (lines) => {
    const command = document.getElementById('command');
    const form = document.getElementById('prompt');
    const waits = [];
    for (const line of lines) {
      const waited = new Promise((resolve) => {
        document.addEventListener('quillmore-waiting', (event) => resolve(event.detail), { once: true });
      });
      command.value = line;
      form.requestSubmit();
      waits.push(await waited);
    }
    return waits;
  }, lines);
}

// Types a line on the keyboard, presses Enter and waits until the game waits again.
export async function typeOnKeyboard(page, line) {
  const before = await page.evaluate(() => window.quillmoreWaits.length);
  await page.keyboard.type(line);
  await page.keyboard.press('Enter');
  await page.waitForFunction((n) => window.quillmoreWaits.length > n, before);
}

// The game kept in the browser's storage, or null.
export function savedGame(page) {
  return page.evaluate(() => localStorage.getItem('quillmore-save'));
}

// The transcript as the game wrote it: without the echoes of the commands typed.
export function transcriptWithoutEchoes(page) {
  return page.evaluate(() => {
    const copy = document.getElementById('transcript').cloneNode(true);
    copy.querySelectorAll('.echo').forEach((echo) => echo.remove());
    return copy.textContent;
  });
}

// A static server of one file on the loopback interface. Returns { url, requests, close }.
export async function serveFile(file) {
  const name = '/' + path.basename(file);
  const requests = [];
  const server = http.createServer((request, response) => {
    requests.push(`${request.method} ${request.url}`);
    if (request.url !== name) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
    fs.createReadStream(file).pipe(response);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}${name}`,
    requests,
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}

// Clicks the button and returns the file it downloads: { name, text }.
export async function downloadFrom(page, selector) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click(selector)]);
  return { name: download.suggestedFilename(), text: fs.readFileSync(await download.path(), 'utf8') };
}

// The transcript as plain text, as Save transcript should give it: a line typed at the prompt
// follows "> ".
export function transcriptAsText(page) {
  return page.evaluate(() => {
    const copy = document.getElementById('transcript').cloneNode(true);
    copy.querySelectorAll('.prompted').forEach((echo) => echo.prepend('> '));
    return copy.textContent;
  });
}

// The terminal's game (the native build) in a tmux pane of its own, in a folder that holds a copy
// of the shipped data and the game's state, as tests/terminal/lib.sh plays it. Returns { work,
// start(...arguments), type(line), key(name), waitFor(text), keptGame(), close() }: keptGame()
// waits for the one game file the terminal keeps and returns its path.
export function terminalGame(binary, sourceDir) {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'quillmore-page-'));
  const data = path.join(work, 'data');
  fs.mkdirSync(data);
  for (const file of ['rooms.txt', 'people.txt', 'objects.txt']) {
    fs.copyFileSync(path.join(sourceDir, 'data', file), path.join(data, file));
  }
  const socket = `quillmore-page-test-${process.pid}`;
  const tmux = (...args) => execFileSync('tmux', ['-L', socket, ...args], { encoding: 'utf8' });
  const quoted = (word) => `'${word.replaceAll("'", "'\\''")}'`;
  // Polls until `found` gives something, for up to a minute: a busy machine only makes it slower.
  const poll = async (found, what) => {
    for (const deadline = Date.now() + 60000; Date.now() < deadline;) {
      const result = found();
      if (result) return result;
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
    throw new Error(`Timed out waiting for ${what}`);
  };
  const games = path.join(work, 'state/quillmore/games');
  return {
    work,
    start(...args) {
      const command = [binary, ...args].map(quoted).join(' ');
      tmux('-f', '/dev/null', 'new-session', '-d', '-x', '80', '-y', '40', '-c', data,
        `XDG_STATE_HOME=${quoted(path.join(work, 'state'))} ${command}; sleep 600`);
    },
    type(line) {
      tmux('send-keys', '-t', '0', '-l', line);
      tmux('send-keys', '-t', '0', 'Enter');
    },
    key(name) { tmux('send-keys', '-t', '0', name); },
    waitFor(text) {
      return poll(() => tmux('capture-pane', '-p', '-t', '0', '-S', '-', '-E', '-').includes(text), text);
    },
    keptGame() {
      return poll(() => {
        const files = fs.existsSync(games) ? fs.readdirSync(games).filter((name) => name.endsWith('.save')) : [];
        return files.length === 1 && path.join(games, files[0]);
      }, 'the game kept');
    },
    close() {
      try {
        tmux('kill-server');
      } catch {
        // Never started.
      }
      fs.rmSync(work, { recursive: true, force: true });
    },
  };
}
