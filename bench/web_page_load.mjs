// Loads the built page in headless Chromium again and again, each time in a fresh browser context
// (nothing cached), and prints the median and quartiles of the time from navigation to the
// window's elements being built and to the first paint with content, and what the page
// transfers: as served here (uncompressed) and as a server compressing with gzip (level 9) would
// send it.
// Usage: node bench/web_page_load.mjs [loads]   (after scripts/build-web.sh --tests)
import { gzipSync } from 'node:zlib';
import { readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchChromium } from '../tests/web/lib/engines.mjs';
import { openPage } from '../tests/web/lib/open_page.mjs';
import { serveFolder } from '../tests/web/lib/static_server.mjs';

const loads = Number(process.argv[2] ?? 21);
const pageDir = resolve(fileURLToPath(new URL('../build-web/page', import.meta.url)));

const quartiles = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const at = (q) => sorted[Math.round(q * (sorted.length - 1))];
  return `median ${at(0.5).toFixed(1)} ms (quartiles ${at(0.25).toFixed(1)} to ${at(0.75).toFixed(1)})`;
};

const server = await serveFolder(pageDir);
const browser = await launchChromium({ language: 'bg' });
const firstPaint = [];
const ready = [];
let requested = [];
for (let i = 0; i <= loads; ++i) {
  const context = await browser.createBrowserContext();
  const before = server.requests.length;
  const page = await openPage(context, server.url, {
    viewport: { width: 600, height: 420 },
    beforeLoad: (page) => page.evaluateOnNewDocument(() => {
      new MutationObserver((_, observer) => {
        if (document.getElementById('MainForm')) {
          window.windowBuiltAt = performance.now();
          observer.disconnect();
        }
      }).observe(document, { childList: true, subtree: true });
    }),
  });
  await page.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length);
  const timing = await page.evaluate(() => ({
    firstPaint: performance.getEntriesByName('first-contentful-paint')[0].startTime,
    ready: window.windowBuiltAt,
  }));
  requested = server.requests.slice(before);
  if (i > 0) { // the first load warms the disk cache and the browser itself
    firstPaint.push(timing.firstPaint);
    ready.push(timing.ready);
  }
  await context.close();
}
await browser.close();
await server.close();

const files = [...new Set(requested.map((path) => (path.endsWith('/') ? `${path}index.html` : path)))];
let plain = 0;
let gzipped = 0;
for (const file of files) {
  const bytes = readFileSync(join(pageDir, file));
  plain += bytes.length;
  gzipped += gzipSync(bytes, { level: 9 }).length;
  console.log(`${file}: ${bytes.length} bytes, ${gzipSync(bytes, { level: 9 }).length} with gzip`);
}
console.log(`${loads} loads, each in a fresh context:`);
console.log(`  navigation to first contentful paint: ${quartiles(firstPaint)}`);
console.log(`  navigation to the window's elements built: ${quartiles(ready)}`);
console.log(`transferred: ${plain} bytes as served here, ${gzipped} bytes with gzip`);
