// Puts the page together: shell.html with the game's script in place of {{{ SCRIPT }}}, and in
// front of it the game's WebAssembly, gzipped and in base64, which page.js unpacks with the
// browser's own DecompressionStream. Gzipped, the inlined WebAssembly is 60 % smaller than as
// emscripten would inline it, and that much less text for the browser to read before the game
// can start. The script's lines of comment are left out: they are for its readers, and a
// seventh of it.
//
//   node make_page.mjs SHELL SCRIPT WASM OUTPUT
import fs from 'node:fs';
import zlib from 'node:zlib';

const [shellFile, scriptFile, wasmFile, outputFile] = process.argv.slice(2);
const shell = fs.readFileSync(shellFile, 'utf8');
const script = fs.readFileSync(scriptFile, 'utf8').replace(/^[ \t]*\/\/.*\n/gm, '');
const wasm = zlib.gzipSync(fs.readFileSync(wasmFile), { level: 9 }).toString('base64');
if (!shell.includes('{{{ SCRIPT }}}') || /<\/script/i.test(script)) {
  throw new Error(`${shellFile} has no {{{ SCRIPT }}}, or ${scriptFile} would end its element`);
}
const inlined = `<script type="application/octet-stream" id="quillmore-wasm">${wasm}</script>\n` +
  `<script>\n${script}</script>`;
fs.writeFileSync(`${outputFile}.new`, shell.replace('{{{ SCRIPT }}}', () => inlined));
fs.renameSync(`${outputFile}.new`, outputFile);
