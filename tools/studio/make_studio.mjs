// Puts the studio together in one file: studio.html with, in place of {{{ SCRIPT }}}, the
// worker's WebAssembly gzipped in base64, the worker's script as text (the page starts its
// workers from it through a Blob URL), the data files of DATA_DIR as the story the studio
// starts with, and the page's own script.
//
//   node make_studio.mjs SHELL PAGE_SCRIPT WORKER_SCRIPT WASM DATA_DIR OUTPUT
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

const [shellFile, pageFile, workerFile, wasmFile, dataDir, outputFile] = process.argv.slice(2);
const shell = fs.readFileSync(shellFile, 'utf8');
const page = fs.readFileSync(pageFile, 'utf8');
const worker = fs.readFileSync(workerFile, 'utf8');
const wasm = zlib.gzipSync(fs.readFileSync(wasmFile), { level: 9 }).toString('base64');
const shipped = {};
for (const name of fs.readdirSync(dataDir).filter((file) => file.endsWith('.txt')).sort()) {
  shipped[name] = fs.readFileSync(path.join(dataDir, name), 'utf8');
}
// In a JSON text "<" may be written \u003c, so no data file can end its element.
const shippedJson = JSON.stringify(shipped).replace(/</g, '\\u003c');
for (const [file, text] of [[pageFile, page], [workerFile, worker]]) {
  if (/<\/script/i.test(text)) throw new Error(`${file} would end its element`);
}
if (!shell.includes('{{{ SCRIPT }}}')) throw new Error(`${shellFile} has no {{{ SCRIPT }}}`);
const inlined =
  `<script type="application/octet-stream" id="studio-wasm">${wasm}</script>\n` +
  `<script type="text/plain" id="studio-worker">${worker}</script>\n` +
  `<script type="application/json" id="studio-shipped">${shippedJson}</script>\n` +
  `<script>\n${page}</script>`;
fs.writeFileSync(`${outputFile}.new`, shell.replace('{{{ SCRIPT }}}', () => inlined));
fs.renameSync(`${outputFile}.new`, outputFile);
