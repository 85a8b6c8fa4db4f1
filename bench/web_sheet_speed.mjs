// Times the worksheet page making and laying out its sheets in headless Chromium: 1, 10 and 40
// variants of 20 problems with the key, and 40 with every worked solution in the key, each time
// under a new code, so the sheets are made afresh. A round sets the code as a teacher's typing does (an input event on the field); the
// figures are from that event to the sheets laid out (a layout forced at once), and to the next
// frame painted. Also prints the page's folder with gzip (level 9), file by file.
// Usage: node bench/web_sheet_speed.mjs [rounds]   (after scripts/build-web.sh --tests)
import { readdirSync, readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { launchChromium } from '../tests/web/lib/engines.mjs';
import { openPage } from '../tests/web/lib/open_page.mjs';
import { serveFolder } from '../tests/web/lib/static_server.mjs';

const rounds = Number(process.argv[2] ?? 15);
if (!Number.isInteger(rounds) || rounds < 1) {
  console.error('Usage: node bench/web_sheet_speed.mjs [rounds]  (a whole number, 15 at first)');
  process.exit(2);
}
const pageDir = resolve(fileURLToPath(new URL('../build-web/page', import.meta.url)));

const quartiles = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const at = (q) => sorted[Math.round(q * (sorted.length - 1))];
  return `median ${at(0.5).toFixed(1)} ms (quartiles ${at(0.25).toFixed(1)} to ` +
    `${at(0.75).toFixed(1)})`;
};

const server = await serveFolder(pageDir);
const browser = await launchChromium({ language: 'bg' });
const page = await browser.newPage();
await page.setViewport({ width: 1000, height: 800 });
for (const [variants, solutions] of [[1, false], [10, false], [40, false], [40, true]]) {
  await openPage(page, `${server.url}sheet.html?code=3CFPS6&n=20&variants=${variants}&key=1` +
    (solutions ? '&solutions=1' : ''));
  const laidOut = [];
  const painted = [];
  // The first round warms the code paths up and is left out.
  for (let round = 0; round <= rounds; ++round) {
    const times = await page.evaluate(() => new Promise((done) => {
      // Codes of the problem set's alphabet, each one drawn afresh by the page itself.
      document.getElementById('sheet-new').click();
      const field = document.getElementById('sheet-code');
      const code = field.value;
      field.value = '';
      field.dispatchEvent(new Event('input'));
      document.body.offsetHeight;
      const start = performance.now();
      field.value = code;
      field.dispatchEvent(new Event('input'));
      document.body.offsetHeight;
      const layout = performance.now() - start;
      requestAnimationFrame(() => setTimeout(() => done([layout, performance.now() - start])));
    }));
    const count = await page.evaluate(() => document.querySelectorAll('.sheet-problem').length);
    if (count !== variants * 20) {
      throw new Error(`${count} problems shown, not ${variants * 20}`);
    }
    if (round > 0) {
      laidOut.push(times[0]);
      painted.push(times[1]);
    }
  }
  console.log(`${variants} × 20 problems with the key${solutions ? ' and its solutions' : ''}, ` +
    `${rounds} rounds:`);
  console.log(`  made and laid out: ${quartiles(laidOut)}`);
  console.log(`  to the next frame: ${quartiles(painted)}`);
}
await browser.close();
await server.close();

let gzipped = 0;
for (const file of readdirSync(pageDir).sort()) {
  const bytes = readFileSync(join(pageDir, file));
  const packed = gzipSync(bytes, { level: 9 }).length;
  gzipped += packed;
  console.log(`${file}: ${bytes.length} bytes, ${packed} with gzip`);
}
console.log(`the page's folder with gzip: ${gzipped} bytes`);
