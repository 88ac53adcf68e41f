// The page around the game: the transcript, the command line with its history and completion,
// the names to tap on a touch screen, the key wait at the end of a won game, and the buttons:
// New game, Undo, Save transcript, Download save and Open save. Each game is a fresh instance
// of the WebAssembly module (createQuillmore, built with MODULARIZE), which calls
//   quillmoreWrite(bytes)     with output, whenever the game waits
//   quillmoreWaits(wanted)    whenever the game waits: for "command", "object", "person",
//                             "answer" or "key"
//   quillmoreRetyped(wanted, bytes) with each line of an opened save as the game reads it
//   quillmoreBegins(continued, story) before it writes: true when it goes on with the game kept,
//                             and the story kept with it, each line typed after a mark
//   quillmoreGameOver(status) when the game has ended
// and reads quillmoreAfresh: true when the player chose New game, so that the game kept in the
// browser is not continued, and quillmoreOpened: the text of a save the player opened, or null.
// The page answers a wait by calling the module's exports (_quillmore_type with a line,
// _quillmore_undo, _quillmore_key), each of which runs the game until it waits again; it also
// asks _quillmore_complete, _quillmore_save, _quillmore_read_save and _quillmore_transcript, and
// hands its own lines in the story to _quillmore_note. The game keeps the story.
// The document gets a "quillmore-waiting" event, with { wanted }, whenever the game waits.
// The story is a log, which a screen reader reads out as it grows: each response is added at
// once, so it is heard once and whole, and the line the player typed is written into a place
// made ready, silent, when the game waited, so it is not read back.
(function () {
  'use strict';
  const story = document.getElementById('story');
  const transcript = document.getElementById('transcript');
  const ending = document.getElementById('ending');
  const form = document.getElementById('prompt');
  const command = document.getElementById('command');
  const label = document.getElementById('command-label');
  const sign = document.getElementById('prompt-sign');
  const choices = document.getElementById('choices');
  const newGame = document.getElementById('new-game');
  const undo = document.getElementById('undo');
  const saveTranscript = document.getElementById('save-transcript');
  const downloadSave = document.getElementById('download-save');
  const openSave = document.getElementById('open-save');
  const openFile = document.getElementById('open-file');
  const asking = document.getElementById('asking');
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  // A touch screen has no Tab key: the names that fit are offered as buttons instead.
  const touchScreen = window.matchMedia('(pointer: coarse)');

  // How the command line looks while the game waits for each thing. Commands and names get the
  // game's prompt; an answer and the key are typed without one.
  const modes = {
    command: { label: 'Command', prompt: true },
    object: { label: 'Object', prompt: true },
    person: { label: 'Person', prompt: true },
    answer: { label: 'Answer', prompt: false },
    key: { label: 'Press any key', prompt: false },
    over: { label: 'Game over', prompt: false, disabled: true },
    // After q: a line typed, or Enter, takes the game kept up again.
    quit: { label: 'Command', prompt: true },
  };

  // Commands and names typed, oldest first, and where Up/Down has got to in them. Like a
  // terminal's history they outlast the page and the game, in the browser's storage.
  const historyKey = 'quillmore-history';
  const historyLength = 200;
  const typed = keptHistory();
  let historyAt = typed.length;
  let draft = '';

  // Storage may be switched off, full or hold anything: the history is a comfort, not the game.
  function keptHistory() {
    try {
      const kept = JSON.parse(localStorage.getItem(historyKey));
      if (Array.isArray(kept)) {
        return kept.filter((line) => typeof line === 'string').slice(-historyLength);
      }
    } catch {
      // No history, then.
    }
    return [];
  }
  function keepHistory() {
    try {
      localStorage.setItem(historyKey, JSON.stringify(typed));
    } catch {
      // It stays in this page only.
    }
  }

  // The game being played: { module, decoder, text, waiting: { wanted }, ready, played,
  // won, over, quit, fresh, then }: fresh until a new game first waits, and `then` a line to type
  // once it does.
  let game = null;

  // The WebAssembly is inlined in the page, gzipped and in base64 (make_page.mjs). The browser
  // unpacks and compiles it once, and each game is an instance of it (instantiateWasm), so that
  // the module's script never fetches it. Every step from here to the game's first wait runs in
  // microtasks, so the game starts in the task that ran this script, before the browser draws a
  // frame without it: the streaming and asynchronous compiles each waited on other tasks, and
  // the game first waited 10 to 20 ms later (though its opening was painted no later).
  const compiled = (async () => {
    const bytes = await gunzip(fromBase64(document.getElementById('quillmore-wasm').textContent));
    try {
      return new WebAssembly.Module(bytes);
    } catch {
      return WebAssembly.compile(bytes);  // a browser that compiles no module this large in step
    }
  })();
  // The browser's own decoder where it has one: a loop over the characters took 15 ms or more of
  // the time to the first text.
  function fromBase64(text) {
    if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
    const packed = atob(text);
    const bytes = new Uint8Array(packed.length);
    for (let at = 0; at < packed.length; at += 1) bytes[at] = packed.charCodeAt(at);
    return bytes;
  }
  // Unpacked by the browser's own gzip, its chunks read straight off the stream.
  async function gunzip(packed) {
    const unpacking = new DecompressionStream('gzip');
    const writer = unpacking.writable.getWriter();
    // A fault in the data is reported by the reader.
    writer.write(packed).catch(() => {});
    writer.close().catch(() => {});
    const reader = unpacking.readable.getReader();
    const chunks = [];
    for (let read = await reader.read(); !read.done; read = await reader.read()) {
      chunks.push(read.value);
    }
    const bytes = new Uint8Array(chunks.reduce((size, chunk) => size + chunk.length, 0));
    let at = 0;
    for (const chunk of chunks) {
      bytes.set(chunk, at);
      at += chunk.length;
    }
    return bytes;
  }
  function instantiate(imports, receive) {
    compiled.then((wasm) => receive(new WebAssembly.Instance(wasm, imports)))
      .catch((error) => {
        console.error(error);
        addText(`The game could not be started here: ${error}\n`);
      });
    return {};
  }

  function scrollToEnd() {
    story.scrollTop = story.scrollHeight;
  }

  // The transcript holds one block per line, so that adding to it lays out only what is new.
  // Each block keeps its line end; the last one is open while the game is in the middle of it.
  // The lines of one piece of text come in one block of their own, added at once.
  let openLine = null;
  // Where the next line typed goes: made while the game waits, empty and not live.
  let echoPlace = null;

  function newLine() {
    const line = document.createElement('div');
    line.className = 'line';
    return line;
  }

  function addText(text) {
    // The place for the line typed stays after everything the game or the page writes.
    const waiting = echoPlace !== null;
    dropEchoPlace();
    const block = document.createElement('div');
    const pieces = text.split('\n');
    pieces.forEach((piece, index) => {
      const ended = index < pieces.length - 1;
      if (piece !== '' || ended) {
        if (openLine === null) {
          openLine = newLine();
          block.append(openLine);
        }
        openLine.append(ended ? piece + '\n' : piece);
      }
      if (ended) openLine = null;
    });
    if (block.firstChild !== null) transcript.append(block);
    if (waiting) makeEchoPlace();
  }

  // On the line the game is in the middle of, or on a line of its own.
  function makeEchoPlace() {
    if (echoPlace !== null) return;
    echoPlace = document.createElement('span');
    echoPlace.setAttribute('aria-live', 'off');
    if (openLine !== null) {
      openLine.append(echoPlace);
      return;
    }
    const line = newLine();
    line.append(echoPlace);
    transcript.append(line);
  }
  function dropEchoPlace() {
    if (echoPlace === null) return;
    const line = echoPlace.parentElement;
    echoPlace.remove();
    if (line !== openLine && line.firstChild === null) line.remove();
    echoPlace = null;
  }

  // Shows what the game wrote since it last waited.
  function showOutput(current, toEnd = true) {
    const text = current.text + current.decoder.decode();
    current.text = '';
    addText(text);
    if (toEnd) scrollToEnd();
  }

  // The line typed, on the line where the game waited, as a terminal would echo it.
  function showEcho(line, prompted) {
    makeEchoPlace();
    echoPlace.className = prompted ? 'echo prompted' : 'echo';
    echoPlace.textContent = line + '\n';
    echoPlace = null;
    openLine = null;
    scrollToEnd();
  }

  // A line of the page's own in the story, on a line of its own.
  function note(current, text) {
    const said = `${openLine !== null ? '\n' : ''}${text}\n`;
    addText(said);
    exchange(current.module, current.module._quillmore_note, said);
    scrollToEnd();
  }

  // The candidates for completion, under the story; none hides them. Those Tab found are listed,
  // and read out once. Those offered to tap are put by `tap`, and `shown` tells them apart; they
  // are not read out, since they change as one types.
  let choicesShown = '';
  function showChoices(names, tap = null, shown = '') {
    const now = `${shown}\n${names.join('\n')}`;
    if (now === choicesShown) return;
    choicesShown = now;
    choices.setAttribute('aria-live', tap === null ? 'polite' : 'off');
    choices.replaceChildren(...names.map((name) => {
      const item = document.createElement('li');
      if (tap === null) {
        item.textContent = name;
        return item;
      }
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = name;
      // The command line keeps the focus, and with it the screen's keyboard.
      button.addEventListener('mousedown', (event) => event.preventDefault());
      button.addEventListener('click', () => tap(name));
      item.append(button);
      return item;
    }));
    choices.hidden = names.length === 0;
    // The list must not hide the end of the story.
    if (names.length > 0) scrollToEnd();
  }

  function setMode(name) {
    const mode = modes[name];
    label.textContent = mode.label;
    sign.hidden = !mode.prompt;
    command.disabled = mode.disabled === true;
    undo.disabled = ['key', 'over', 'quit'].includes(name);
    // The game answers these once it has first waited; a won game has no save.
    downloadSave.disabled = game.won || !game.ready;
    openSave.disabled = !game.ready;
    if (name === 'key' || name === 'over') command.value = '';
    showChoices([]);
  }

  // Hands `text` to the game and returns what the game hands back, through its exchange buffer.
  function exchange(module, call, text) {
    const bytes = encoder.encode(text);
    const into = module._quillmore_exchange(bytes.length);
    module.HEAPU8.set(bytes, into);
    const length = call(bytes.length);
    const from = module._quillmore_exchange(length);
    return decoder.decode(module.HEAPU8.subarray(from, from + length));
  }

  // What the game offers to finish `before`, the line up to the cursor: { start, names, filled,
  // ofNames }, where the candidates `names` would replace it from `start` (in characters), Tab
  // fills in `filled`, and `ofNames` tells names of objects or people from command words.
  function completionOf(before) {
    const [head, filled, ...names] =
      exchange(game.module, game.module._quillmore_complete, before).split('\n');
    const [startByte, kind] = head.split(' ');
    const start = decoder.decode(encoder.encode(before).subarray(0, Number(startByte))).length;
    return { start, names, filled, ofNames: kind === 'names' };
  }

  // Tab: completes the command or name before the cursor, as the game's terminal does. One
  // candidate takes the place of what was typed, with a blank after it; several fill in what they
  // share at their start, if that is more than was typed, and are listed.
  function complete() {
    const cursor = command.selectionStart ?? command.value.length;
    const before = command.value.slice(0, cursor);
    const after = command.value.slice(cursor);
    const { start, names, filled } = completionOf(before);
    if (names.length === 0 || start > before.length) {
      showChoices([]);
      return;
    }
    const word = filled.endsWith(' ') && after.startsWith(' ') ? filled.slice(0, -1) : filled;
    const completed = filled === '' ? before : before.slice(0, start) + word;
    command.value = completed + after;
    command.setSelectionRange(completed.length, completed.length);
    showChoices(names.length > 1 ? names : []);
  }

  // On a touch screen: the names that fit, to tap, whenever the game asks for a name and after a
  // command word that takes one, and a and b at a question. Elsewhere Tab lists the names.
  function offerNames() {
    if (!touchScreen.matches || !waitsForLine()) {
      showChoices([]);
      return;
    }
    if (game.waiting.wanted === 'answer') {
      showChoices(['a', 'b'], enter, 'answer');
      return;
    }
    const before = command.value.slice(0, command.selectionStart ?? command.value.length);
    const { start, names, ofNames } = completionOf(before);
    showChoices(ofNames && start <= before.length ? names : [], (name) => putName(start, name), start);
  }

  // A name tapped takes the place of what was typed of it, with a blank after it, as Tab's.
  function putName(start, name) {
    command.value = `${command.value.slice(0, start)}${name} `;
    command.setSelectionRange(command.value.length, command.value.length);
    command.focus();
    offerNames();
  }

  function waitFor(current, wanted) {
    if (current.over) return;
    current.waiting = { wanted };
    current.ready = true;
    current.won ||= wanted === 'key';  // won games are not kept
    // A new game is read from its start, the banner at the top: one layout, not two.
    showOutput(current, !current.fresh);
    setMode(wanted);
    makeEchoPlace();
    if (current.fresh) story.scrollTop = 0;
    current.fresh = false;
    // Once the game has stopped to wait, it can be asked what fits.
    queueMicrotask(offerNames);
    document.dispatchEvent(new CustomEvent('quillmore-waiting', { detail: { wanted } }));
    // A line typed after q, once the game taken up has stopped to wait.
    const line = current.then;
    current.then = null;
    if (line) {
      queueMicrotask(() => enter(line));
    }
  }

  // Answers what the game waits for: the game runs until it waits again, and says so.
  function answer(current, value) {
    current.waiting = null;
    const { module } = current;
    if (value === 'undo') module._quillmore_undo();
    else if (value === true) module._quillmore_key();
    else exchange(module, module._quillmore_type, value);
  }

  // Starts a game: 'continue' goes on with the game kept, if any; 'afresh' is a new game;
  // { opened } plays the save opened again, in view. `then` is a line to type once it waits.
  function start(how, then = null) {
    if (game !== null) {
      // The old game, even one still starting, is left where it stands; what it still says is
      // dropped.
      game.over = true;
    }
    transcript.textContent = '';
    openLine = null;
    echoPlace = null;
    ending.hidden = true;
    const current = {
      module: null, decoder: new TextDecoder(), text: '', waiting: null,
      ready: false, played: false, won: false, over: false, quit: false, fresh: true,
      then,
    };
    game = current;
    setMode('command');
    command.value = '';
    command.focus();
    current.module = {
      quillmoreAfresh: how === 'afresh',
      quillmoreOpened: how.opened ?? null,
      instantiateWasm: instantiate,
      quillmoreWrite(bytes) {
        if (!current.over) current.text += current.decoder.decode(bytes, { stream: true });
      },
      quillmoreWaits: (wanted) => waitFor(current, wanted),
      quillmoreBegins(continued, kept) {
        if (current.over || !continued) return;
        current.played = true;
        current.fresh = false;
        const text = decoder.decode(kept);
        let at = 0;
        for (const typed of text.matchAll(/\x1e> ([^\n]*)\n|\x1f([^\n]*)\n/g)) {
          addText(text.slice(at, typed.index));
          showEcho(typed[1] ?? typed[2], typed[1] !== undefined);
          at = typed.index + typed[0].length;
        }
        addText(text.slice(at));
      },
      quillmoreRetyped(wanted, bytes) {
        if (current.over) return;
        current.played = true;
        current.fresh = false;
        showOutput(current);
        showEcho(decoder.decode(bytes).replace(/\n$/, ''), modes[wanted].prompt);
      },
      quillmoreGameOver() {
        if (current.over) return;
        current.over = true;
        current.quit = !current.won;
        current.waiting = null;
        if (current.won) {
          // The story stays to be read: no key, Enter included, starts another game from here.
          // The focus moves before the ending is shown, so that it is not said over it.
          setMode('over');
          story.focus();
        } else {
          setMode('quit');
        }
        showOutput(current);
        ending.textContent = current.won ? 'The game is over. Choose New game to play again.'
          : 'The game is over. Press Enter to take it up again, or choose New game to start another.';
        ending.hidden = false;
        scrollToEnd();
      },
      print(text) { console.log(text); },
      printErr(text) { console.error(text); },
    };
    createQuillmore(current.module);
  }

  const waitsForLine = () => game !== null && game.waiting !== null && game.waiting.wanted !== 'key';

  form.addEventListener('submit', (event) => {
    event.preventDefault();
    enter(command.value);
  });

  // The line entered: given to the game where it waits, or after q taking the game up first.
  function enter(line) {
    if (game !== null && game.quit) {
      start('continue', line);
      return;
    }
    if (!waitsForLine()) return;
    const prompted = modes[game.waiting.wanted].prompt;
    command.value = '';
    const kept = line.replace(/ +$/, '');  // as the game reads it: Tab leaves a blank
    if (prompted && kept !== '' && typed[typed.length - 1] !== kept) {
      typed.push(kept);
      if (typed.length > historyLength) typed.shift();
      keepHistory();
    }
    historyAt = typed.length;
    draft = '';
    showChoices([]);
    showEcho(line, prompted);
    game.played = true;
    answer(game, `${line}\n`);
  }

  command.addEventListener('keydown', (event) => {
    if (!waitsForLine()) return;
    if (event.key === 'ArrowUp' && historyAt > 0) {
      if (historyAt === typed.length) draft = command.value;
      historyAt -= 1;
      command.value = typed[historyAt];
    } else if (event.key === 'ArrowDown' && historyAt < typed.length) {
      historyAt += 1;
      command.value = historyAt === typed.length ? draft : typed[historyAt];
    } else if (event.key === 'Tab' && !event.shiftKey && !event.altKey && !event.ctrlKey &&
               !event.metaKey && command.value !== '') {
      // On an empty line Tab moves on through the page as usual.
      event.preventDefault();
      complete();
      return;
    } else {
      return;
    }
    event.preventDefault();
    const end = command.value.length;
    command.setSelectionRange(end, end);
  });

  // The key wait: any key but Tab and the modifiers (so the keyboard can still move about the
  // page) ends it, and so does any key but Enter and Space on a button, which press it. On a
  // phone's screen keyboard a keydown may not tell the key, so typing into the command line
  // counts too.
  function keyWaitOver() {
    if (game === null || game.waiting === null || game.waiting.wanted !== 'key') return false;
    answer(game, true);
    return true;
  }
  document.addEventListener('keydown', (event) => {
    if (['Tab', 'Shift', 'Control', 'Alt', 'Meta', 'AltGraph', 'CapsLock'].includes(event.key)) return;
    if (event.target instanceof HTMLButtonElement && (event.key === 'Enter' || event.key === ' ')) return;
    if (keyWaitOver()) event.preventDefault();
  });
  command.addEventListener('input', () => {
    if (keyWaitOver()) command.value = '';
    offerNames();
  });

  // Asks before a game under way is lost: `yes` names what is then done, and the other choice
  // keeps playing. Escape keeps playing too, back on the command line.
  function askFirst(question, yes) {
    if (game === null || game.over || game.won || !game.played) return Promise.resolve(true);
    return new Promise((resolve) => {
      document.getElementById('asking-question').textContent = question;
      document.getElementById('asking-yes').textContent = yes;
      asking.returnValue = '';
      asking.addEventListener('close', () => {
        if (asking.returnValue !== 'yes') command.focus();
        resolve(asking.returnValue === 'yes');
      }, { once: true });
      asking.showModal();
    });
  }

  // Downloads `text` as a file of that name.
  function download(name, text) {
    const link = document.createElement('a');
    link.href = `data:text/plain;charset=utf-8,${encodeURIComponent(text)}`;
    link.download = name;
    link.click();
  }

  // A button the mouse presses leaves the focus, and the screen's keyboard, on the command line.
  for (const button of [undo, saveTranscript, downloadSave]) {
    button.addEventListener('mousedown', (event) => event.preventDefault());
  }

  newGame.addEventListener('click', async () => {
    if (await askFirst('Start a new game? The one you are playing will be lost.', 'Start a new game')) {
      start('afresh');
    }
  });
  undo.addEventListener('click', () => {
    if (!waitsForLine()) return;
    showEcho('undo', modes[game.waiting.wanted].prompt);
    answer(game, 'undo');
  });
  saveTranscript.addEventListener('click', () => download('quillmore-transcript.txt',
    exchange(game.module, game.module._quillmore_transcript, '')));
  downloadSave.addEventListener('click',
    () => download('quillmore.save', exchange(game.module, game.module._quillmore_save, '')));
  openSave.addEventListener('click', () => openFile.click());
  // The file is checked by the game being played, and only a save it can take up replaces it.
  openFile.addEventListener('change', async () => {
    const file = openFile.files[0];
    openFile.value = '';
    if (file === undefined || !game.ready) return;
    const text = await file.text();
    const verdict = exchange(game.module, game.module._quillmore_read_save, text);
    if (verdict === 'unreadable') {
      note(game, `${file.name} is no saved game of Quillmore, so it was not opened.`);
    } else if (verdict === 'other data') {
      note(game, `${file.name} was saved on other data files, so it was not opened.`);
    } else if (await askFirst('Open the saved game? The one you are playing will be lost.', 'Open the saved game')) {
      start({ opened: text });
    }
  });
  start('continue');
})();
