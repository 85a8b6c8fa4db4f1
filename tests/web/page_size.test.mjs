// The page's folder, all its pages on one module, as a phone fetches it from a server compressing
// with gzip: under 130 KB, so that a pupil's first visit on a slow connection stays short.
//
// Environment: PROPORCIA_PAGE_DIR, the page's folder.
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { it } from 'node:test';
import { gzipSync } from 'node:zlib';

const pageDir = process.env.PROPORCIA_PAGE_DIR;
const mostBytes = 130 * 1024;

it(`keeps the page's folder under ${mostBytes} bytes with gzip`, () => {
  const sizes = Object.fromEntries(readdirSync(pageDir).map((file) =>
    [file, gzipSync(readFileSync(join(pageDir, file)), { level: 9 }).length]));
  for (const page of ['index.html', 'sheet.html', 'practice.html', 'proporcia.js']) {
    assert.ok(page in sizes, `no ${page}`);
  }
  const total = Object.values(sizes).reduce((sum, size) => sum + size, 0);
  assert.ok(total < mostBytes, `${total} bytes: ${JSON.stringify(sizes)}`);
});
