// The worker's side of the studio (after emscripten's createStudio in the same script). The page
// first sends { wasm }, the WebAssembly compiled (a WebAssembly.Module), then tasks, answered in
// order:
//   { id, files, prove: true }  ->  { id, proof }            the checker's answer (proof.h)
//   { id, files, plays }        ->  { id, played }           plays: { key: [line, ...] } ->
//                                                            played: { key: { status, said } }
// `files` maps a data file's name to its text; the files not named are missing.
let engine = null;
const waiting = [];

function useFiles(files) {
  engine.ccall('studio_forget_files', null, [], []);
  for (const [name, text] of Object.entries(files)) {
    engine.ccall('studio_put_file', null, ['string', 'string'], [name, text]);
  }
}

function answer(task) {
  const began = performance.now();
  useFiles(task.files);
  if (task.prove) {
    const filed = performance.now();
    const text = engine.ccall('studio_prove', 'string', [], []);
    const proved = performance.now();
    const proof = JSON.parse(text);
    const times = { files: filed - began, engine: proved - filed, parse: performance.now() - proved };
    return { id: task.id, proof, times };
  }
  const played = {};
  for (const [key, lines] of Object.entries(task.plays)) {
    const typed = lines.map((line) => `${line}\n`).join('');
    played[key] = JSON.parse(engine.ccall('studio_play', 'string', ['string'], [typed]));
  }
  return { id: task.id, played };
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
    for (const task of waiting.splice(0)) self.postMessage(answer(task));
  } else if (engine === null) {
    waiting.push(event.data);
  } else {
    self.postMessage(answer(event.data));
  }
};
