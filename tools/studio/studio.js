// The authors' studio: the data files in an editor, proven as they are typed, played beside it.
//
// Two Web Workers run the checker and the game (studio_worker.js), so typing never waits: one
// proves, and is dropped for a spare one, ready and waiting, when a change comes while it is
// still proving; the other plays. The prover says its verdict as soon as it knows it, and the
// rest after it.
// A play is a pure function of the files and the lines typed, so every play is played whole:
// the author's play after each change, a line more when one is typed, and each pinned
// transcript. What the page keeps (files, play, pins) is in localStorage and survives a reload.
//
// For tests, the body's data-revision counts the changes to the files and data-proven says
// which of them the verdict shown is for; data-plays-asked and data-plays-shown count the plays.
// Each verdict shown is also a "studio-proved" event ({ changed, shown, times }: performance.now()
// of the change and of its verdict shown, and how long each step took), and the rest shown a
// "studio-told" event ({ shown, times }).
(() => {
  'use strict';

  const $ = (id) => document.getElementById(id);
  const storageKey = 'quillmore-studio';
  const proofDelay = 300;  // ms of no typing before a proof
  const fileOrder = ['rooms.txt', 'people.txt', 'objects.txt', 'map.txt', 'story.txt'];
  const shipped = JSON.parse($('studio-shipped').textContent);

  // --- What the author works on, kept across reloads ------------------------------------------

  let state = kept() ?? fresh();
  function fresh() {
    return { files: { ...shipped }, active: 'rooms.txt', play: [], pins: [] };
  }
  function kept() {
    try {
      const saved = JSON.parse(localStorage.getItem(storageKey));
      if (saved && typeof saved.files === 'object' && Array.isArray(saved.play) &&
          Array.isArray(saved.pins)) {
        return saved;
      }
    } catch {
      // Nothing kept, or nothing readable: the shipped story.
    }
    return null;
  }
  function keep() {
    try {
      localStorage.setItem(storageKey, JSON.stringify(state));
    } catch {
      $('status').textContent = 'Your work could not be kept in this browser.';
    }
  }
  function fileNames() {
    const names = Object.keys(state.files);
    const rank = (name) => (fileOrder.includes(name) ? fileOrder.indexOf(name) : fileOrder.length);
    return names.sort((a, b) => rank(a) - rank(b) || a.localeCompare(b));
  }

  // --- The workers ---------------------------------------------------------------------------

  const workerUrl = URL.createObjectURL(
    new Blob([$('studio-worker').textContent], { type: 'text/javascript' }));
  // Compiled once: a prover started afresh for a newer change only instantiates it.
  const compiled = (async () => {
    const packed = atob($('studio-wasm').textContent);
    const bytes = Uint8Array.from(packed, (letter) => letter.charCodeAt(0));
    const unpacked = new Response(bytes).body.pipeThrough(new DecompressionStream('gzip'));
    return WebAssembly.compile(await new Response(unpacked).arrayBuffer());
  })();
  // A worker is handed its WebAssembly once `ready` (the compiled module) comes.
  function startWorker(receive, failed, ready = compiled) {
    const worker = new Worker(workerUrl);
    worker.onmessage = (event) => receive(event.data);
    worker.onerror = (event) => failed(event.message, worker);
    ready.then((wasm) => worker.postMessage({ wasm }));
    return worker;
  }

  let nextId = 1;
  // The prover: a task still running when a newer change comes is dropped with its worker, and
  // the spare, its WebAssembly instantiated while nobody waited, takes over. The first spare
  // is given its WebAssembly once the first proof is done, so that it never slows that proof.
  let prover = startWorker(proved, proofFailed);
  let firstProofDone;
  const firstProof = new Promise((resolve) => { firstProofDone = resolve; });
  let spare = startWorker(proved, proofFailed, firstProof.then(() => compiled));
  function takeSpare() {
    firstProofDone();  // the spare is wanted now
    prover.terminate();
    prover = spare ?? startWorker(proved, proofFailed);
    spare = startWorker(proved, proofFailed);
  }
  let proving = 0;  // the id of the proof under way, or 0
  let changedAt = 0;
  let askedAt = 0;
  let revision = 0;
  let provingRevision = 0;
  function prove() {
    if (proving) takeSpare();
    proving = nextId++;
    provingRevision = revision;
    $('status').textContent = 'Proving…';
    askedAt = performance.now();
    prover.postMessage({ id: proving, files: state.files, prove: true });
  }

  // A checker that stops (out of memory, say) leaves no verdict: the spare takes the next. A
  // spare that stops is not replaced until it is wanted.
  function proofFailed(why, worker) {
    if (worker === spare) {
      spare.terminate();
      spare = null;
      return;
    }
    takeSpare();
    proving = 0;
    $('verdict').textContent = `Not proven: the checker stopped (${why}).`;
    $('verdict').className = 'lost';
    $('status').textContent = '';
  }

  const player = startWorker(played, (why) => { $('play').textContent = `The game stopped (${why}).`; });
  const playsWanted = new Map();  // id -> why the plays were asked for
  function play(why) {
    const plays = { author: state.play };
    state.pins.forEach((pin, at) => { plays[`pin${at}`] = pin.lines; });
    const id = nextId++;
    document.body.dataset.playsAsked = String(id);
    playsWanted.clear();
    playsWanted.set(id, why);
    player.postMessage({ id, files: state.files, plays });
  }

  // --- Editing ------------------------------------------------------------------------------

  const editor = $('editor');
  const gutter = $('gutter');
  let problemsByFile = {};
  let timer = 0;
  // A file keeps its line ends: the editor, a textarea, shows line feeds alone, and a file that
  // came with a carriage return before each gets them back with every change.
  let activeEndsWithReturns = false;

  function showTabs() {
    const tabs = $('tabs');
    tabs.textContent = '';
    for (const name of fileNames()) {
      const tab = document.createElement('button');
      tab.type = 'button';
      tab.role = 'tab';
      tab.textContent = name;
      tab.dataset.file = name;
      tab.setAttribute('aria-selected', String(name === state.active));
      tab.classList.toggle('has-problem', (problemsByFile[name] ?? []).length > 0);
      tab.addEventListener('click', () => openTab(name));
      tabs.append(tab);
    }
  }
  function openTab(name) {
    state.active = name;
    const text = state.files[name] ?? '';
    activeEndsWithReturns = text.includes('\r\n');
    editor.value = text;
    editor.scrollTop = 0;
    showTabs();
    showGutter();
  }
  function showGutter() {
    const count = editor.value.split('\n').length;
    const marks = new Map();
    for (const problem of problemsByFile[state.active] ?? []) {
      if (problem.line > 0 && !marks.has(problem.line)) marks.set(problem.line, problem.message);
    }
    gutter.textContent = '';
    for (let line = 1; line <= count; line += 1) {
      const number = document.createElement('span');
      number.textContent = String(line);
      if (marks.has(line)) {
        number.className = 'marked';
        number.title = marks.get(line);
        number.dataset.line = String(line);
      }
      gutter.append(number, '\n');
    }
    gutter.scrollTop = editor.scrollTop;
  }
  editor.addEventListener('scroll', () => { gutter.scrollTop = editor.scrollTop; });
  editor.addEventListener('input', () => {
    state.files[state.active] = activeEndsWithReturns ? editor.value.replace(/\n/g, '\r\n') : editor.value;
    showGutter();
    changed();
  });
  // After every change: kept at once, proven and played once typing pauses.
  function changed() {
    changedAt = performance.now();
    revision += 1;
    document.body.dataset.revision = String(revision);
    keep();
    clearTimeout(timer);
    timer = setTimeout(() => { prove(); play('files'); }, proofDelay);
  }
  function jumpTo(file, line) {
    if (file !== state.active) openTab(file);
    const lines = editor.value.split('\n');
    const start = lines.slice(0, line - 1).reduce((sum, text) => sum + text.length + 1, 0);
    editor.focus();
    editor.setSelectionRange(start, start + (lines[line - 1] ?? '').length);
    const lineHeight = parseFloat(getComputedStyle(editor).lineHeight);
    editor.scrollTop = Math.max(0, (line - 3) * lineHeight);
  }

  // --- The proof ------------------------------------------------------------------------------

  // The verdict, then the rest: a proof is done, and the body's data-proven says so, when both
  // are shown.
  let verdictNow = null;
  function proved(answer) {
    if (answer.id !== proving) return;
    const arrived = performance.now();
    if (answer.verdict) {
      verdictNow = answer.verdict.verdict;
      showVerdict(answer.verdict);
      problems = answer.verdict.problems;
      showList($('problems'), problems, problemItem, 'None.');
      const shown = performance.now();
      $('status').textContent = `Proven ${((shown - changedAt) / 1000).toFixed(2)} s after the change`;
      const times = { ...answer.times, ...answer.verdict.timings, asked: askedAt, arrived };
      document.dispatchEvent(new CustomEvent('studio-proved', { detail: { changed: changedAt, shown, times } }));
      return;
    }
    proving = 0;
    firstProofDone();
    showRest(answer.rest);
    document.body.dataset.proven = String(provingRevision);
    const times = { ...answer.times, ...answer.rest.timings, arrived };
    document.dispatchEvent(new CustomEvent('studio-told', { detail: { shown: performance.now(), times } }));
  }
  let problems = [];
  let walkthrough = [];
  let mapDrawn = '';
  let chainDrawn = '';
  function showRest(rest) {
    showMarks(rest.unreached);
    showList($('unreached'), rest.unreached, problemItem, 'Every person and object is reached.');
    showList($('dead-ends'), [...rest.deadEnds, ...rest.sideQuestEnds.map((end) => ({ ...end, side: true }))],
      (end) => deadEnd(end), deadEndsNone(verdictNow));
    $('walkthrough').textContent = rest.walkthrough.join('; ');
    $('play-walkthrough').disabled = rest.walkthrough.length === 0;
    walkthrough = rest.walkthrough;
    // Drawn again only when they changed: most changes of the files change neither.
    const map = JSON.stringify(rest.map);
    if (map !== mapDrawn) drawMap($('map'), rest.map);
    mapDrawn = map;
    if (rest.chain !== chainDrawn) drawChain($('chain'), rest.chain);
    chainDrawn = rest.chain;
  }
  function deadEndsNone(verdict) {
    if (!verdict.loaded) return 'None: the game does not start.';
    if (!verdict.finished) return 'Not known: the search did not finish.';
    if (verdict.wins === null) return 'None: no play wins at all.';
    return 'No command can lose the game.';
  }

  function showVerdict(proof) {
    const { verdict } = proof;
    const line = $('verdict');
    const commands = (count) => `${count} ${count === 1 ? 'command' : 'commands'}`;
    let text;
    if (!verdict.loaded) {
      text = 'The game cannot be won: it does not start with these files.';
    } else if (verdict.wins !== null) {
      text = `The game can be won in ${commands(verdict.wins)}`;
      text += verdict.winsWithDrinks !== null
        ? `, and with every pub drink in ${commands(verdict.winsWithDrinks)}.` : '.';
    } else if (verdict.finished) {
      text = 'The game cannot be won.';
    } else {
      text = 'Not proven: the search stopped before it could say.';
    }
    line.textContent = text;
    line.className = verdict.wins !== null ? 'won' : 'lost';
    showList($('verdict-lines'), verdict.lines, (said) => said);
  }

  // Marks the lines of the problems and of what no play reaches, in the tabs and the gutter.
  function showMarks(unreached) {
    problemsByFile = {};
    for (const problem of [...problems, ...unreached]) {
      if (problem.file !== null) (problemsByFile[problem.file] ??= []).push(problem);
    }
    showTabs();
    showGutter();
  }
  function problemItem(problem) {
    if (problem.file === null) return problem.message;
    const where = problem.line > 0 ? `${problem.file}:${problem.line}` : problem.file;
    const item = document.createElement('span');
    item.className = 'problem';
    item.tabIndex = 0;
    item.dataset.file = problem.file;
    item.dataset.line = String(problem.line);
    item.textContent = `${where}: ${problem.message}`;
    if (problem.didYouMean) item.title = `Did you mean "${problem.didYouMean}"?`;
    const jump = () => jumpTo(problem.file, Math.max(1, problem.line));
    item.addEventListener('click', jump);
    item.addEventListener('keydown', (event) => { if (event.key === 'Enter') jump(); });
    return item;
  }
  function deadEnd(end) {
    const item = document.createElement('span');
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'open-play';
    button.textContent = 'Play it';
    button.addEventListener('click', () => startPlay(end.play));
    const what = end.side ? 'every pub drink can no longer be carried' : 'the game can no longer be won';
    item.append(button, ` ${what} after `);
    const closer = document.createElement('span');
    closer.className = 'lines';
    closer.textContent = end.closedBy;
    item.append(closer, ` (${end.play.length} lines)`);
    return item;
  }
  function showList(list, items, render, none) {
    list.textContent = '';
    for (const each of items.length ? items : none ? [none] : []) {
      const item = document.createElement('li');
      item.append(each === none ? none : render(each));
      list.append(item);
    }
  }
  $('play-walkthrough').addEventListener('click', () => startPlay(walkthrough));

  // --- The play and the pinned transcripts ----------------------------------------------------

  let lastSaid = null;  // what the author's play said before, to mark where it now differs
  function startPlay(lines) {
    state.play = [...lines];
    lastSaid = null;
    keep();
    play('play');
  }
  $('play-form').addEventListener('submit', (event) => {
    event.preventDefault();
    state.play.push($('play-line').value);
    $('play-line').value = '';
    keep();
    play('typed');
  });
  $('play-clear').addEventListener('click', () => startPlay([]));

  function played(answer) {
    const why = playsWanted.get(answer.id);
    if (why === undefined) return;
    playsWanted.delete(answer.id);
    const author = answer.played.author;
    showPlay(author, why === 'files' ? lastSaid : null);
    lastSaid = author.said;
    state.pins.forEach((pin, at) => { pin.now = answer.played[`pin${at}`].said; });
    showPins();
    document.body.dataset.playsShown = String(answer.id);
  }

  // The game's exit status when the data files do not load (game.h's kExitBadData).
  const badData = -1;
  function showPlay({ said, status }, before) {
    const pane = $('play');
    pane.textContent = '';
    if (status === badData) {
      const note = document.createElement('div');
      note.className = 'unread';
      note.textContent = 'The game does not start with these files. It says:';
      pane.append(note);
    }
    let first = null;
    const block = (className, text, at) => {
      const element = document.createElement('div');
      element.className = className;
      element.textContent = text;
      if (before !== null && at !== undefined && before[at] !== said[at]) {
        element.classList.add('changed');
        element.title = 'Goes differently since the last change';
        first ??= element;
      }
      pane.append(element);
    };
    block('said', said[0], 0);
    state.play.forEach((line, at) => {
      if (at + 1 < said.length) {
        block('typed', line);
        block('said', said[at + 1], at + 1);
      } else {
        block('typed unread', `${line}   (not read: the game has ended)`);
      }
    });
    // Scrolled within the pane alone, so that the page stays where the author is.
    pane.scrollTop = first ? first.offsetTop - pane.clientHeight / 3 : pane.scrollHeight;
  }

  // The lines a player typed, from a terminal's transcript ("> north", "get what? > lamp") or
  // the page's ("> north", and answers alone on a line). Comments are left out, and an undo
  // takes back the command before it with its names and answers.
  function typedLines(text) {
    const lines = [];
    const starts = [];
    for (const raw of text.split(/\r?\n/)) {
      const prompted = /^([A-Za-z ]+\? )?> (.*)$/.exec(raw);
      const answer = /^[ab]$/.test(raw.trim());
      if (!prompted && !answer) continue;
      const typed = prompted ? prompted[2] : raw.trim();
      if (typed.startsWith('*')) continue;
      if (typed.trim() === 'undo') {
        if (starts.length) lines.length = starts.pop();
        continue;
      }
      if (prompted && !prompted[1] && !/^[ab]$/.test(typed.trim())) starts.push(lines.length);
      lines.push(typed);
    }
    return lines;
  }

  $('pin-transcript').addEventListener('change', async (event) => {
    const [file] = event.target.files;
    event.target.value = '';
    if (!file) return;
    const lines = typedLines(await file.text());
    state.pins.push({ name: file.name, lines, old: null, now: null });
    keep();
    play('pin');
  });

  function showPins() {
    const pins = $('pins');
    pins.textContent = '';
    state.pins.forEach((pin, at) => {
      pin.old ??= pin.now;  // pinned: what it says now is what later changes are held against
      const box = document.createElement('div');
      box.className = 'pin';
      const title = document.createElement('div');
      const unpin = document.createElement('button');
      unpin.type = 'button';
      unpin.textContent = 'Unpin';
      // Played again, so that no answer asked for before counts the pins as they were.
      unpin.addEventListener('click', () => { state.pins.splice(at, 1); keep(); showPins(); play('pin'); });
      const bless = document.createElement('button');
      bless.type = 'button';
      bless.textContent = 'Accept';
      bless.addEventListener('click', () => { pin.old = pin.now; keep(); showPins(); });
      const differences = pinDifferences(pin);
      title.append(`${pin.name}: ${pin.lines.length} lines typed; `,
        differences.length ? `${differences.length} differ ` : 'no difference ', bless, ' ', unpin);
      box.append(title);
      for (const difference of differences) box.append(difference);
      pins.append(box);
    });
    keep();
  }
  function pinDifferences(pin) {
    const shown = [];
    const count = Math.max(pin.old.length, pin.now.length);
    for (let at = 0; at < count; at += 1) {
      if (pin.old[at] === pin.now[at]) continue;
      const difference = document.createElement('pre');
      difference.className = 'difference';
      const heading = document.createElement('div');
      heading.textContent = at === 0 ? 'At the start:' : `After line ${at}, "${pin.lines[at - 1]}":`;
      difference.append(heading);
      for (const [kind, line] of lineDifference(pin.old[at] ?? '', pin.now[at] ?? '')) {
        const element = document.createElement('div');
        element.className = kind;
        element.textContent = line;
        difference.append(element);
      }
      shown.push(difference);
    }
    return shown;
  }
  // The lines of `before` and `after` that differ, old against new, from a longest common
  // subsequence of lines.
  function lineDifference(before, after) {
    const a = before.split('\n');
    const b = after.split('\n');
    const common = Array.from({ length: a.length + 1 }, () => new Array(b.length + 1).fill(0));
    for (let i = a.length - 1; i >= 0; i -= 1) {
      for (let j = b.length - 1; j >= 0; j -= 1) {
        common[i][j] = a[i] === b[j] ? common[i + 1][j + 1] + 1 : Math.max(common[i + 1][j], common[i][j + 1]);
      }
    }
    const lines = [];
    let i = 0;
    let j = 0;
    while (i < a.length || j < b.length) {
      if (i < a.length && j < b.length && a[i] === b[j]) {
        i += 1;
        j += 1;
      } else if (j >= b.length || (i < a.length && common[i + 1][j] >= common[i][j + 1])) {
        lines.push(['old', a[i]]);
        i += 1;
      } else {
        lines.push(['new', b[j]]);
        j += 1;
      }
    }
    return lines;
  }

  // --- Opening and saving ---------------------------------------------------------------------

  // The files opened take the place of those in the studio, as a data folder's files.
  async function openFiles(list) {
    const files = [...list].filter((file) => file.name.endsWith('.txt'));
    if (!files.length) return;
    state.files = {};
    for (const file of files) state.files[file.name] = await file.text();
    openTab(fileNames()[0]);
    changed();
  }
  $('open-files').addEventListener('change', (event) => {
    openFiles(event.target.files);
    event.target.value = '';
  });
  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    openFiles(event.dataTransfer.files);
  });
  $('download').addEventListener('click', () => {
    for (const name of fileNames()) {
      const link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([state.files[name]], { type: 'text/plain' }));
      link.download = name;
      link.click();
      setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    }
  });
  $('shipped').addEventListener('click', () => {
    state.files = { ...shipped };
    openTab('rooms.txt');
    changed();
  });

  // --- Pictures -----------------------------------------------------------------------------

  const svgSpace = 'http://www.w3.org/2000/svg';
  function svgElement(name, attributes = {}, text) {
    const element = document.createElementNS(svgSpace, name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
    if (text !== undefined) element.textContent = text;
    return element;
  }
  // A name in lines of about `width` letters, words kept whole.
  function wrapped(name, width) {
    const lines = [];
    for (const word of name.split(' ')) {
      if (lines.length && lines.at(-1).length + 1 + word.length <= width) lines[lines.length - 1] += ` ${word}`;
      else lines.push(word);
    }
    return lines;
  }
  function label(group, lines, x, y) {
    const text = svgElement('text', { x, y: y - ((lines.length - 1) * 12) / 2 + 4, 'text-anchor': 'middle' });
    lines.forEach((line, at) => text.append(svgElement('tspan', { x, dy: at ? 12 : 0 }, line)));
    group.append(text);
  }
  function arrowMarker(svg) {
    const marker = svgElement('marker', { id: 'arrow', viewBox: '0 0 10 10', refX: 10, refY: 5,
      markerWidth: 7, markerHeight: 7, orient: 'auto-start-reverse' });
    marker.append(svgElement('path', { d: 'M0,0 L10,5 L0,10 z' }));
    const defs = svgElement('defs');
    defs.append(marker);
    svg.append(defs);
  }

  // The city in the rows and columns quillmore-map lays out: a line joins the sides its exits
  // leave from; bent connections are dashed.
  function drawMap(holder, map) {
    const cellWidth = 120;
    const cellHeight = 74;
    const boxWidth = 92;
    const boxHeight = 44;
    const xs = map.places.map((place) => place.x);
    const ys = map.places.map((place) => place.y);
    const left = Math.min(...xs);
    const top = Math.max(...ys);
    const at = new Map(map.places.map((place) => [place.name,
      { x: (place.x - left) * cellWidth + cellWidth / 2, y: (top - place.y) * cellHeight + cellHeight / 2 }]));
    const side = { N: [0, -boxHeight / 2], S: [0, boxHeight / 2], E: [boxWidth / 2, 0], W: [-boxWidth / 2, 0] };
    const svg = svgElement('svg', { id: 'map-picture', role: 'img', 'aria-label': 'The city map',
      viewBox: `0 0 ${(Math.max(...xs) - left + 1) * cellWidth} ${(top - Math.min(...ys) + 1) * cellHeight}` });
    for (const link of map.links) {
      const from = at.get(link.from);
      const to = at.get(link.to);
      const a = [from.x + side[link.way][0], from.y + side[link.way][1]];
      const b = [to.x + side[link.back][0], to.y + side[link.back][1]];
      svg.append(svgElement('line', { x1: a[0], y1: a[1], x2: b[0], y2: b[1], class: link.bent ? 'bent' : '' }));
      for (const [end, way, other] of [[a, link.way, b], [b, link.back, a]]) {
        const x = end[0] + (other[0] - end[0]) * 0.22 + 6;
        const y = end[1] + (other[1] - end[1]) * 0.22 + 3;
        svg.append(svgElement('text', { x, y, class: link.bent ? 'way bent-way' : 'way' }, way));
      }
    }
    for (const place of map.places) {
      const { x, y } = at.get(place.name);
      const group = svgElement('g', { class: `place${place.start ? ' start' : ''}${place.missing ? ' missing' : ''}` });
      group.append(svgElement('title', {}, place.missing ? `${place.name}: no room's name holds it` : place.name));
      group.append(svgElement('rect', { x: x - boxWidth / 2, y: y - boxHeight / 2, width: boxWidth, height: boxHeight, rx: 4 }));
      label(group, wrapped(place.name, 14), x, y);
      svg.append(group);
    }
    holder.replaceChildren(svg);
  }

  // The errand chain as quillmore-map --story writes it for Graphviz, laid out here in rows:
  // each thing one row below the lowest of those that point to it, the "readies" arrows (which
  // point back up the chain) aside.
  function drawChain(holder, dot) {
    const nodes = new Map();
    const edges = [];
    for (const line of dot.split('\n')) {
      const edge = /^\s*"([^"]*)" -> "([^"]*)" \[label="([^"]*)", style=(\w+)\]/.exec(line);
      const node = /^\s*"([^"]*)" \[shape=(\w+)(.*)\]/.exec(line);
      if (edge) edges.push({ from: edge[1], to: edge[2], label: edge[3], dashed: edge[4] === 'dashed' });
      else if (node) nodes.set(node[1], { name: node[1], shape: node[2], won: node[3].includes('peripheries'), row: 0 });
    }
    const forward = edges.filter((edge) => !edge.dashed && nodes.has(edge.from) && nodes.has(edge.to));
    for (let pass = 0; pass < nodes.size; pass += 1) {
      for (const edge of forward) {
        const row = nodes.get(edge.from).row + 1;
        if (nodes.get(edge.to).row < row && row < nodes.size) nodes.get(edge.to).row = row;
      }
    }
    const rows = [];
    for (const node of nodes.values()) (rows[node.row] ??= []).push(node);
    const cellWidth = 130;
    const cellHeight = 70;
    rows.splice(0, rows.length, ...rows.filter(Boolean));
    const columns = Math.max(1, ...rows.map((row) => row.length));
    rows.forEach((row, y) => row.forEach((node, x) => {
      node.x = (x + (columns - row.length) / 2) * cellWidth + cellWidth / 2;
      node.y = y * cellHeight + cellHeight / 2;
    }));
    // Room on the right for the label of an arrow that leaves the last column.
    const svg = svgElement('svg', { id: 'chain-picture', role: 'img', 'aria-label': 'The errand chain',
      viewBox: `0 0 ${columns * cellWidth + 60} ${rows.length * cellHeight}` });
    arrowMarker(svg);
    // The arrows' labels, drawn last so that none hides behind a box: each at the point along its
    // arrow nearest the middle where it falls on the fewest boxes and other labels.
    const labels = [];
    const boxes = [...nodes.values()].map((node) => [node.x - 58, node.y - 20, node.x + 58, node.y + 20]);
    const overlaps = (a, b) => a[0] < b[2] && b[0] < a[2] && a[1] < b[3] && b[1] < a[3];
    function labelAt(text, [x1, y1, x2, y2], lift) {
      const at = (along) => {
        const x = x1 + (x2 - x1) * along + 4;
        const y = y1 + (y2 - y1) * along + lift;
        return { text, x, y, box: [x, y - 9, x + text.length * 5.2, y + 3] };
      };
      const fallsOn = (label) => [...boxes, ...labels.map((other) => other.box)]
        .filter((box) => overlaps(box, label.box)).length;
      const alongs = [0.5];
      for (let step = 0.05; step < 0.5; step += 0.05) alongs.push(0.5 - step, 0.5 + step);
      const label = alongs.map(at).reduce((best, each) => (fallsOn(each) < fallsOn(best) ? each : best));
      labels.push(label);
    }
    for (const edge of edges) {
      const from = nodes.get(edge.from);
      const to = nodes.get(edge.to);
      if (!from || !to) continue;
      let [x1, y1, x2, y2] = [from.x, from.y, to.x, to.y];
      if (from.y === to.y) {
        // In one row: from side to side, the two ways of a pair a little apart.
        const right = to.x > from.x ? 1 : -1;
        [x1, x2] = [from.x + right * 56, to.x - right * 56];
        y1 += right * 5;
        y2 = y1;
      } else {
        const down = to.y > from.y ? 1 : -1;
        y1 += down * 18;
        y2 -= down * 18;
      }
      svg.append(svgElement('line', { x1, y1, x2, y2, class: edge.dashed ? 'readies' : '', 'marker-end': 'url(#arrow)' }));
      labelAt(edge.label, [x1, y1, x2, y2], from.y === to.y ? -4 : 0);
    }
    for (const node of nodes.values()) {
      const kind = node.won ? 'won' : node.shape === 'ellipse' ? 'thing' : 'person';
      const group = svgElement('g', { class: kind });
      group.append(svgElement('title', {}, node.name));
      if (kind === 'thing') group.append(svgElement('ellipse', { cx: node.x, cy: node.y, rx: 56, ry: 18 }));
      else group.append(svgElement('rect', { x: node.x - 56, y: node.y - 18, width: 112, height: 36, rx: 3 }));
      label(group, wrapped(node.name, 18), node.x, node.y);
      svg.append(group);
    }
    for (const { text, x, y } of labels) svg.append(svgElement('text', { x, y, class: 'label' }, text));
    holder.replaceChildren(svg);
  }

  // --- Start ----------------------------------------------------------------------------------

  if (!state.files[state.active]) state.active = fileNames()[0];
  openTab(state.active);
  state.pins.forEach((pin) => { pin.now = pin.old; });
  changedAt = performance.now();
  document.body.dataset.revision = String(revision);
  prove();
  play('start');
})();
