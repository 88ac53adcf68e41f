// The page around the game: the transcript, the command line with its history, the key wait at
// the end of a won game and the New game button. Each game is a fresh instance of the
// WebAssembly module (createQuillmore, built with MODULARIZE), which calls
//   quillmoreWrite(bytes)            with output, at every flush
//   quillmoreRead(capacity, wantsKey) when it needs input: resolves with the bytes of the next
//                                    line typed (ending in "\n"), or of one key when wantsKey
//                                    is set; an empty array ends its input
//   quillmoreGameOver(status)        when the game has returned.
// The document gets a "quillmore-waiting" event whenever the game waits for the player.
(function () {
  'use strict';
  const story = document.getElementById('story');
  const transcript = document.getElementById('transcript');
  const announcer = document.getElementById('announcer');
  const form = document.getElementById('prompt');
  const command = document.getElementById('command');
  const label = document.getElementById('command-label');
  const newGame = document.getElementById('new-game');
  const encoder = new TextEncoder();

  // Commands typed in this page, oldest first, and where Up/Down has got to in them.
  const typed = [];
  let historyAt = 0;
  let draft = '';

  let game = null;  // the game being played: { decoder, text, waiting, pending, over }

  function scrollToEnd() {
    story.scrollTop = story.scrollHeight;
  }

  // The transcript holds one block per line, so that adding to it lays out only what is new.
  // Each block keeps its line end; the last one is open while the game is in the middle of it.
  let openLine = null;

  function addToLine(node) {
    if (openLine === null) {
      openLine = document.createElement('div');
      openLine.className = 'line';
      transcript.append(openLine);
    }
    openLine.append(node);
  }

  function addText(text) {
    const pieces = text.split('\n');
    pieces.forEach((piece, index) => {
      const ended = index < pieces.length - 1;
      if (piece !== '' || ended) addToLine(ended ? piece + '\n' : piece);
      if (ended) openLine = null;
    });
  }

  // Shows what the game wrote since it last waited, and announces it once, with `after`.
  function showOutput(current, after = '') {
    const text = current.text + current.decoder.decode();
    current.text = '';
    addText(text);
    const said = [text.trim(), after].filter((part) => part !== '').join('\n\n');
    if (said !== '') announcer.textContent = said;
    scrollToEnd();
  }

  // The command typed, on the line where the game waited, as a terminal would echo it.
  function echo(line) {
    const span = document.createElement('span');
    span.className = 'echo';
    span.textContent = line + '\n';
    addToLine(span);
    openLine = null;
    scrollToEnd();
  }

  function setMode(mode) {
    if (mode === 'line') {
      label.textContent = 'Command';
      command.disabled = false;
      command.placeholder = '';
    } else if (mode === 'key') {
      label.textContent = 'Press any key';
      command.value = '';
      command.disabled = false;
      command.placeholder = 'Press any key to continue';
    } else {
      label.textContent = 'Game over';
      command.value = '';
      command.disabled = true;
      command.placeholder = '';
    }
  }

  // Hands bytes to the read the game is waiting on, keeping what does not fit for the next.
  function answer(current, bytes) {
    const waiting = current.waiting;
    current.waiting = null;
    const taken = bytes.subarray(0, waiting.capacity);
    if (taken.length < bytes.length) current.pending = bytes.subarray(taken.length);
    waiting.resolve(taken);
  }

  function start() {
    if (game !== null && game.waiting !== null) {
      // The old game reads the end of its input and returns; what it still writes is dropped.
      const old = game;
      old.over = true;
      old.waiting.resolve(new Uint8Array(0));
      old.waiting = null;
    }
    transcript.textContent = '';
    openLine = null;
    announcer.textContent = '';
    const current = { decoder: new TextDecoder(), text: '', waiting: null, pending: null, over: false };
    game = current;
    setMode('line');
    command.value = '';
    command.focus();
    createQuillmore({
      quillmoreWrite(bytes) {
        if (!current.over) current.text += current.decoder.decode(bytes, { stream: true });
      },
      quillmoreRead(capacity, wantsKey) {
        return new Promise((resolve) => {
          if (current.over) { resolve(new Uint8Array(0)); return; }
          current.waiting = { resolve, capacity, wantsKey };
          if (current.pending !== null) {
            const bytes = current.pending;
            current.pending = null;
            answer(current, bytes);
            return;
          }
          showOutput(current);
          setMode(wantsKey ? 'key' : 'line');
          document.dispatchEvent(new CustomEvent('quillmore-waiting', { detail: { wantsKey } }));
        });
      },
      quillmoreGameOver() {
        if (current.over) return;
        current.over = true;
        showOutput(current, 'The game is over. Choose New game to play again.');
        setMode('over');
        newGame.focus();
      },
      print(text) { console.log(text); },
      printErr(text) { console.error(text); },
    });
  }

  form.addEventListener('submit', (event) => {
    event.preventDefault();
    if (game === null || game.waiting === null || game.waiting.wantsKey) return;
    const line = command.value;
    command.value = '';
    if (line !== '' && typed[typed.length - 1] !== line) typed.push(line);
    historyAt = typed.length;
    draft = '';
    echo(line);
    // Saving the game as it goes will hook in here, where every line the game reads passes.
    answer(game, encoder.encode(line + '\n'));
  });

  command.addEventListener('keydown', (event) => {
    if (game === null || game.waiting === null || game.waiting.wantsKey) return;
    if (event.key === 'ArrowUp' && historyAt > 0) {
      if (historyAt === typed.length) draft = command.value;
      historyAt -= 1;
      command.value = typed[historyAt];
    } else if (event.key === 'ArrowDown' && historyAt < typed.length) {
      historyAt += 1;
      command.value = historyAt === typed.length ? draft : typed[historyAt];
    } else {
      // Tab completion of command words and names will go here.
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
  function keyWaitOver(key) {
    if (game === null || game.waiting === null || !game.waiting.wantsKey) return false;
    const bytes = encoder.encode(key.length === 1 ? key : '\n');
    answer(game, bytes.subarray(0, 1));
    return true;
  }
  document.addEventListener('keydown', (event) => {
    if (['Tab', 'Shift', 'Control', 'Alt', 'Meta', 'AltGraph', 'CapsLock'].includes(event.key)) return;
    if (event.target instanceof HTMLButtonElement && (event.key === 'Enter' || event.key === ' ')) return;
    if (keyWaitOver(event.key)) event.preventDefault();
  });
  command.addEventListener('input', () => {
    if (keyWaitOver(command.value.slice(-1) || '\n')) command.value = '';
  });

  newGame.addEventListener('click', start);
  start();
})();
