// The worker's side of the studio (after emscripten's createStudio in the same script). The page
// first sends { wasm }, the WebAssembly compiled (a WebAssembly.Module), then tasks, answered in
// order:
//   { id, files, prove: true }  ->  { id, verdict, times }   the checker's verdict (proof.h),
//                                   { id, rest, times }      then the rest of what it says
//   { id, files, plays }        ->  { id, played }           plays: { key: [line, ...] } ->
//                                                            played: { key: { status, said } }
// `files` maps a data file's name to its text; the files not named are missing.
let engine = null;
const waiting = [];
let kept = {};  // the files as the engine has them

// Hands the engine the files that changed: all of them when one is added or taken away.
function useFiles(files) {
  const names = Object.keys(files).sort().join('\n');
  if (names !== Object.keys(kept).sort().join('\n')) {
    engine.ccall('studio_forget_files', null, [], []);
    kept = {};
  }
  for (const [name, text] of Object.entries(files)) {
    if (kept[name] !== text) engine.ccall('studio_put_file', null, ['string', 'string'], [name, text]);
  }
  kept = { ...files };
}

// The answers to a task, each posted as soon as it is known.
function answer(task) {
  const began = performance.now();
  useFiles(task.files);
  if (task.prove) {
    const filed = performance.now();
    const verdict = JSON.parse(engine.ccall('studio_prove', 'string', [], []));
    const times = { files: filed - began, engine: performance.now() - filed };
    self.postMessage({ id: task.id, verdict, times });
    const told = performance.now();
    const rest = JSON.parse(engine.ccall('studio_rest', 'string', [], []));
    self.postMessage({ id: task.id, rest, times: { engine: performance.now() - told } });
    return;
  }
  const played = {};
  for (const [key, lines] of Object.entries(task.plays)) {
    const typed = lines.map((line) => `${line}\n`).join('');
    played[key] = JSON.parse(engine.ccall('studio_play', 'string', ['string'], [typed]));
  }
  self.postMessage({ id: task.id, played });
}

self.onmessage = async (event) => {
  if (event.data.wasm) {
    engine = await createStudio({
      instantiateWasm(imports, receive) {
        // A failure is thrown outside the promise, so that the page's onerror hears of it.
        WebAssembly.instantiate(event.data.wasm, imports).then((instance) => receive(instance))
          .catch((error) => setTimeout(() => { throw error; }));
        return {};
      },
    });
    for (const task of waiting.splice(0)) answer(task);
  } else if (engine === null) {
    waiting.push(event.data);
  } else {
    answer(event.data);
  }
};
