// A page printed to PDF as a browser's print dialog would, and the PDF read back with poppler's
// tools (Debian's poppler-utils): how many pages, their size, and each page's text.
//
// Chromium prints through the DevTools protocol's Page.printToPDF with the page's own @page size
// (preferCSSPageSize), so a sheet that forgets to ask for A4 comes out in Letter; Firefox through
// WebDriver BiDi's browsingContext.print (puppeteer-core's page.pdf), on A4 paper at 100 %.
import { spawnSync } from 'node:child_process';
import { writeFileSync } from 'node:fs';

// A4 in PostScript points, as pdfinfo gives a page's size.
export const a4Points = { width: 595.28, height: 841.89 };

// The PDF of a page of lib/engines.mjs (a Chromium or Firefox one, driven by puppeteer-core),
// as a Buffer; written to path too, where one is given. Printing 200 pages takes a while. With
// headersAndFooters, Chromium prints its own date, title, address and page numbers in the margins,
// as its print dialog does unless told not to.
export async function printToPdf(page, { path, timeoutMs = 300000, headersAndFooters = false } = {}) {
  let pdf;
  if (page.engine === 'chromium') {
    pdf = await chromiumPdf(page.page, timeoutMs, headersAndFooters);
  } else if (page.engine === 'firefox') {
    pdf = Buffer.from(await page.page.pdf({
      format: 'A4', preferCSSPageSize: true, timeout: timeoutMs,
    }));
  } else {
    throw new Error(`no printing to PDF in ${page.engine}`);
  }
  if (path) {
    writeFileSync(path, pdf);
  }
  return pdf;
}

async function chromiumPdf(puppeteerPage, timeoutMs, displayHeaderFooter) {
  const session = await puppeteerPage.createCDPSession();
  try {
    const printing = session.send('Page.printToPDF', {
      preferCSSPageSize: true, transferMode: 'ReturnAsStream', displayHeaderFooter,
    });
    let timer;
    const { stream } = await Promise.race([
      printing,
      new Promise((resolve, reject) => {
        timer = setTimeout(() => reject(new Error(`no PDF after ${timeoutMs} ms`)), timeoutMs);
      }),
    ]).finally(() => clearTimeout(timer));
    // Read in parts: a PDF of hundreds of pages is more than one protocol message should carry.
    const parts = [];
    for (;;) {
      const { data, base64Encoded, eof } = await session.send('IO.read', { handle: stream });
      parts.push(Buffer.from(data, base64Encoded ? 'base64' : 'utf8'));
      if (eof) {
        break;
      }
    }
    await session.send('IO.close', { handle: stream });
    return Buffer.concat(parts);
  } finally {
    await session.detach();
  }
}

function run(program, args) {
  const result = spawnSync(program, args, { maxBuffer: 256 * 1024 * 1024 });
  if (result.error) {
    throw result.error;
  }
  if (result.status !== 0) {
    throw new Error(`${program} ${args.join(' ')}: ${result.stderr.toString().trim()}`);
  }
  return result.stdout;
}

// Whether poppler's tools are installed.
export function popplerAvailable() {
  return !spawnSync('pdfinfo', ['-v']).error;
}

// The number of pages of a PDF file, and the size of each in points ({ width, height }).
export function pdfPages(file) {
  const info = run('pdfinfo', ['-f', '1', '-l', '100000', file]).toString();
  const sizes = [...info.matchAll(/^Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts/gm)]
    .map(([, width, height]) => ({ width: Number(width), height: Number(height) }));
  const count = Number(/^Pages:\s+(\d+)/m.exec(info)?.[1]);
  if (sizes.length !== count) {
    throw new Error(`pdfinfo told ${count} pages and ${sizes.length} sizes of ${file}`);
  }
  return sizes;
}

// The text of each page of a PDF file as a reader takes it: line by line from the top, each
// line from the left, words one blank apart. (pdftotext's own reading order takes a box floated to
// a line's right end, as "X = ?" is, out of its line.)
export function pdfPageTexts(file) {
  return pdfPageWords(file).map(({ words }) => {
    const lines = [];
    for (const word of [...words].sort((a, b) => a.yMin - b.yMin)) {
      const middle = (word.yMin + word.yMax) / 2;
      const line = lines.at(-1);
      if (line && middle >= line.yMin && middle <= line.yMax) {
        line.words.push(word);
        line.yMax = Math.max(line.yMax, word.yMax);
      } else {
        lines.push({ yMin: word.yMin, yMax: word.yMax, words: [word] });
      }
    }
    return lines.map((line) => line.words.sort((a, b) => a.xMin - b.xMin)
      .map((word) => word.text).join(' ')).join(' ');
  });
}

// Text with each run of whitespace (no-break spaces too) one blank, and none at the ends.
export function collapsed(text) {
  return text.replace(/[\s\u00A0]+/gu, ' ').trim();
}

// Text as the words and marks a reader sees, to compare a printout with what was printed: runs of
// letters and digits and each other mark apart, one blank between. pdftotext guesses blanks from
// the gaps between glyphs and leaves out narrow ones ("X=?" for "X = ?").
export function wordsOf(text) {
  return (text.match(/[\p{L}\p{N}]+|[^\s\p{L}\p{N}]/gu) ?? []).join(' ');
}

const entities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };

// The words of each page of a PDF file with their boxes in points from the page's top left
// (pdftotext -bbox): [{ width, height, words: [{ text, xMin, yMin, xMax, yMax }] }].
export function pdfPageWords(file) {
  const xhtml = run('pdftotext', ['-bbox', '-enc', 'UTF-8', file, '-']).toString('utf8');
  return xhtml.split(/<page /).slice(1).map((part) => {
    const [, width, height] = /^width="([\d.]+)" height="([\d.]+)"/.exec(part);
    const words = [...part.matchAll(
      /<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<\/word>/g,
    )].map(([, xMin, yMin, xMax, yMax, text]) => ({
      text: text.replace(/&(amp|lt|gt|quot|apos);/g, (_, name) => entities[name]),
      xMin: Number(xMin), yMin: Number(yMin), xMax: Number(xMax), yMax: Number(yMax),
    }));
    return { width: Number(width), height: Number(height), words };
  });
}
