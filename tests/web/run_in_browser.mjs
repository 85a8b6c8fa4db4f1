// Runs a test program built with Emscripten for the web (name.js beside name.wasm) in a browser
// of the engine PROPORCIA_BROWSER names (chromium, the default, firefox or webkit): serves its
// folder on the loopback address, loads it in a page, prints what it printed and exits with its
// exit status, or with 77, skipped, where the engine cannot run here. Extra arguments go to the
// program.
// Usage: node run_in_browser.mjs <program.js> [arguments...]
import { basename, dirname, resolve } from 'node:path';
import { engineOfEnvironment, launchOrSkip } from './lib/engines.mjs';
import { serveFolder } from './lib/static_server.mjs';

const [program, ...programArguments] = process.argv.slice(2);
if (!program) {
  console.error('usage: node run_in_browser.mjs <program.js> [arguments...]');
  process.exit(2);
}
const timeoutMs = Number(process.env.PROPORCIA_BROWSER_TEST_TIMEOUT_MS ?? 240000);

// Output is kept in the page and read once the program has exited, so none of it can be lost
// or reordered on the way.
const page = `<!DOCTYPE html>
<html lang="bg"><head><meta charset="utf-8"><title>${basename(program)}</title>
<link rel="icon" href="data:,"></head><body>
<script>
var testOutput = [];
var Module = {
  arguments: ${JSON.stringify(programArguments)},
  print: function (text) { testOutput.push(text); },
  printErr: function (text) { testOutput.push(text); },
  onExit: function (status) { window.testExitStatus = status; },
  onAbort: function (reason) { testOutput.push('aborted: ' + reason); window.testExitStatus = 134; },
};
</script>
<script src="${basename(program)}"></script>
</body></html>`;

const server = await serveFolder(resolve(dirname(program)), { '/run.html': page });
const engine = engineOfEnvironment();
let browser;
let status = 1;
try {
  browser = await launchOrSkip(engine);
  const tab = await browser.newPage();
  await tab.goto(`${server.url}run.html`);
  await tab.waitForFunction(() => window.testExitStatus !== undefined, {
    timeout: timeoutMs,
    polling: 100,
  });
  const { output, exitStatus } = await tab.evaluate(() => ({
    output: window.testOutput,
    exitStatus: window.testExitStatus,
  }));
  console.log(output.join('\n'));
  // Emscripten ends the program by throwing its exit status; that one is no error.
  for (const error of await tab.errors()) {
    if (!/ExitStatus|Program terminated/.test(error)) {
      console.error(`page error: ${error}`);
    }
  }
  console.log(`(in ${await browser.version()})`);
  status = exitStatus;
} catch (error) {
  console.error(`${basename(program)} did not finish in ${engine}: ${error.message}`);
} finally {
  await browser?.close();
  await server.close();
}
process.exit(status);
