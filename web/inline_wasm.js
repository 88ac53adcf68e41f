// Runs inside the module's factory, before emscripten's own code. The WebAssembly is inlined in
// the page as a data: URI, which emscripten would hand to fetch(): that goes through the
// browser's loader and costs 50 to 100 ms at start. With fetch out of sight here, it decodes the
// bytes itself and compiles them at once.
var fetch;
