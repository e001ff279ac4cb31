// Preloaded with -r: holds the script until a debugger has attached and told it to run, as
// --inspect-wait does on the Node.js versions that have it (18 has not).
require('inspector').waitForDebugger();
