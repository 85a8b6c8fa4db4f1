// The worksheet page printed as a teacher prints it, to A4 PDF, and read back with poppler's
// tools: each pupil's variant starts a page of its own, no problem is split across pages and each
// has its room to work in, the pupils' pages never show the sheet's code, and the key, on pages
// of its own at the end, does. Every printed text must be the page's own preview, word for word,
// in order, with nothing else on the paper; a few lines are pinned literally too.
//
// Environment: PROPORCIA_BROWSER, the engine (chromium or firefox; lib/engines.mjs);
// PROPORCIA_PAGE_DIR, the page's folder; PROPORCIA_TEST_OUTPUT_DIR, where the PDFs go.
import assert from 'node:assert/strict';
import { existsSync, rmSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { engineOfEnvironment, launchOrSkip, skipExitCode } from './lib/engines.mjs';
import { pasteResults } from './lib/class_results.mjs';
import { openPage } from './lib/open_page.mjs';
import { sheetLimits } from './lib/sheet_limits.mjs';
import { serveFolder } from './lib/static_server.mjs';
import {
  a4Points, pdfPages, pdfPageTexts, pdfPageWords, popplerAvailable, printToPdf, wordsOf,
} from './lib/pdf.mjs';

const pageDir = process.env.PROPORCIA_PAGE_DIR;
const outputDir = process.env.PROPORCIA_TEST_OUTPUT_DIR ?? '.';
const engine = engineOfEnvironment();
assert.ok(pageDir && existsSync(join(pageDir, 'sheet.html')), 'PROPORCIA_PAGE_DIR: no sheet there');
if (!popplerAvailable()) {
  console.log('SKIP: poppler-utils (pdfinfo, pdftotext) is not installed');
  process.exit(skipExitCode);
}

const sheetTitle = 'Работен лист – сложно тройно правило';
const nameLine = 'Име: ………………… Клас: …… № ……';
const keyTitle = 'Отговори';
// What a pupil needs under each problem, in points.
const roomPoints = (4 / 2.54) * 72;
// How much lower than a heading a page's first problem may start (it has a little room above).
const topSlackPoints = 8;
// Five problems fit on a page, so a variant of n takes this many pages.
const pagesOfVariant = (problems) => Math.ceil(problems / 5);

// Firefox's preferences for printing without a dialog to a PDF file, with the page's address at
// the left of the header and of the footer, as its dialog prints them at first.
const silentPrintingTo = (file) => {
  const printer = 'print.printer_Mozilla_Save_to_PDF.';
  return {
    'print.always_print_silent': true,
    'print.show_print_progress': false,
    'print.save_print_settings': false,
    print_printer: 'Mozilla Save to PDF',
    [`${printer}print_to_file`]: true,
    [`${printer}print_to_filename`]: file,
    [`${printer}print_headerleft`]: '&U',
    [`${printer}print_footerleft`]: '&U',
  };
};

// Waits until the file is a whole PDF, as Firefox writes it after the print.
async function waitForPdf(file, timeoutMs = 60000) {
  for (const start = Date.now(); Date.now() - start < timeoutMs;) {
    try {
      if (existsSync(file) && pdfPages(file).length > 0) {
        return;
      }
    } catch {
      // not written whole yet
    }
    await new Promise((resolve) => setTimeout(resolve, 200));
  }
  throw new Error(`no PDF in ${file} after ${timeoutMs} ms`);
}

// The sheet as the page's preview shows it, whitespace collapsed: each variant's heading and
// problems, and the key's heading, then each of its variants' name and problems.
function readPreview() {
  const collapse = (text) => text.replace(/[\s\u00A0]+/gu, ' ').trim();
  // The text of element, words of neighbouring elements kept apart, leaving out what lies in
  // its descendants that match inner.
  const text = (element, inner) => {
    const walker = document.createTreeWalker(element, NodeFilter.SHOW_TEXT);
    const parts = [];
    while (walker.nextNode()) {
      const within = inner && walker.currentNode.parentElement.closest(inner);
      if (!within || !element.contains(within)) {
        parts.push(walker.currentNode.data);
      }
    }
    return collapse(parts.join(' '));
  };
  const key = document.querySelector('.sheet-key');
  return {
    variants: [...document.querySelectorAll('.sheet-variant')].map((variant) => ({
      heading: text(variant, '.sheet-problem'),
      problems: [...variant.querySelectorAll('.sheet-problem')].map((problem) => text(problem)),
    })),
    key: key && {
      heading: text(key, '.sheet-key-variant'),
      variants: [...key.querySelectorAll('.sheet-key-variant')].map((variant) => ({
        name: text(variant, '.sheet-key-problem'),
        problems: [...variant.querySelectorAll('.sheet-key-problem')]
          .map((problem) => text(problem)),
      })),
    },
  };
}

// Lays blocks of text, in order, on the printed pages' texts: each block whole on one page, one
// with startsPage first on its page, and nothing on the pages besides. Gives the index of the page
// of each block; fails saying where the paper differs.
function layOut(pages, blocks, what) {
  const placed = [];
  let page = 0;
  let rest = pages[0] ?? '';
  for (const block of blocks) {
    if (rest === '' && page + 1 < pages.length) {
      page += 1;
      rest = pages[page];
    }
    const where = `${what}, page ${page + 1}`;
    if (block.startsPage) {
      assert.equal(rest, pages[page], `${where}: "${block.text.slice(0, 60)}" does not start a ` +
        `page, but comes after "${pages[page].slice(0, pages[page].length - rest.length).slice(-120)}"`);
    }
    const whole = rest.startsWith(block.text) &&
      (rest.length === block.text.length || rest[block.text.length] === ' ');
    assert.ok(whole, `${where}: expected "${block.text}"\n  the page has "${rest.slice(0, 300)}"` +
      (page + 1 < pages.length ? `\n  the next page "${pages[page + 1].slice(0, 160)}"` : ''));
    placed.push(page);
    rest = rest.slice(block.text.length).trimStart();
  }
  assert.equal(rest, '', `${what}, page ${page + 1}: more than the preview: "${rest.slice(0, 200)}"`);
  assert.equal(page, pages.length - 1, `${what}: pages after the last text`);
  return placed;
}

// The room under each "X = ?" on the printed pupils' pages: down to the next line of text, or the
// paper's edge under the page's last one. And every page's text starts at the top: a room split
// across pages would push the next page's first problem down by what is left of it.
function checkRoom(pages, what) {
  const tops = pages.map(({ words }) => Math.min(...words.map((w) => w.yMin)));
  for (const [index, top] of tops.entries()) {
    assert.ok(top - tops[0] <= topSlackPoints, `${what}, page ${index + 1}: the text starts ` +
      `${(top - tops[0]).toFixed(0)} pt lower than on the first page`);
  }
  for (const [index, { height, words }] of pages.entries()) {
    words.forEach((word, i) => {
      if (!words.slice(Math.max(0, i - 2), i + 1).map((w) => w.text).join('').endsWith('X=?')) {
        return;
      }
      // The first word of a later line, wherever pdftotext's reading order puts it.
      const below = Math.min(height, ...words.filter((w) => (w.yMin + w.yMax) / 2 > word.yMax)
        .map((w) => w.yMin));
      assert.ok(below - word.yMax >= roomPoints - 1, `${what}, page ${index + 1}: ` +
        `${(below - word.yMax).toFixed(0)} pt under an "X = ?", not 4 cm (${roomPoints.toFixed(0)})`);
    });
  }
}

const most = sheetLimits(pageDir);
const rows = [
  {
    what: '3 variants of 5 problems with the key',
    code: '3CFPS6', problems: 5, variants: 3, key: true,
    // Literally, so that a preview that is wrong is not taken as the truth.
    pupilLines: [[1, 'Задача 1. Ако 4 миньори за 12 часа изкопават 6 куб. м руда, то 8 миньори ' +
      'за X часа ще изкопаят 12 куб. м руда. X = ?']],
    keyLines: [[1, 'Задача 1. A = 4; B = 12; C = 6; D = 8; F = 12; ' +
      'X = (4 * 12 * 12) / (6 * 8) = 12'], [1, 'X = (11 * 8 * 40) / (88 * 32) = 1,25']],
  },
  {
    what: '2 variants of 7 problems, each over two pages',
    code: 'QY5GFR', problems: 7, variants: 2, key: true,
    keyLines: [[1, 'X = (3 * 19 * 152) / (19 * 304) = 1,5']],
  },
  {
    what: '4 variants of 3 problems without the key',
    code: '3CFPS6', problems: 3, variants: 4, key: false,
  },
  {
    what: `the most: ${most.variants.most} variants of ${most.problems.most} problems with the key`,
    code: 'QY5GFR', problems: most.problems.most, variants: most.variants.most, key: true,
    keyLines: [[1, 'X = (3 * 19 * 152) / (19 * 304) = 1,5']],
  },
];

describe(`the worksheet printed to PDF in ${engine}`, () => {
  let server;
  let browser;
  before(async () => {
    server = await serveFolder(pageDir);
    browser = await launchOrSkip(engine, { language: 'bg', viewport: { width: 1000, height: 800 } });
  });
  after(async () => {
    await browser?.close();
    await server?.close();
  });

  // A print dialog prints the page's address in the margins unless told not to (Chromium's
  // "Headers and footers", Firefox's "Print headers and footers", both on at first), and the
  // sheet's address carries its code. Firefox prints here as from its dialog, by window.print(),
  // silently to a file, with the address in the header and the footer.
  it('with the browser\'s headers and footers, no code on the pupils\' pages',
    { timeout: 120000 }, async () => {
      const file = join(outputDir, 'sheet-headers-and-footers.pdf');
      rmSync(file, { force: true });
      const url = `${server.url}sheet.html?code=3CFPS6&n=7&variants=2&key=1`;
      const drawn = () => document.querySelectorAll('.sheet-key-problem').length === 14;
      if (engine === 'chromium') {
        const page = await openPage(browser, url);
        await page.waitForFunction(drawn);
        await page.evaluate(() => document.fonts.ready.then(() => undefined));
        await printToPdf(page, { path: file, headersAndFooters: true });
        await page.close();
      } else {
        const printer = await launchOrSkip(engine, {
          language: 'bg', firefoxPreferences: silentPrintingTo(file),
        });
        try {
          const page = await openPage(printer, url);
          await page.waitForFunction(drawn);
          await page.evaluate(() => document.fonts.ready.then(() => undefined));
          // Later, so that the print, which waits for its file, does not hold up the evaluation.
          await page.evaluate(() => { setTimeout(() => window.print()); });
          await waitForPdf(file);
          assert.equal(await page.evaluate(() => location.search),
            '?code=3CFPS6&n=7&variants=2&key=1', 'the code back in the address');
        } finally {
          await printer.close();
        }
      }
      const texts = pdfPageTexts(file);
      const pupilPages = texts.slice(0, 2 * pagesOfVariant(7));
      assert.ok(pupilPages.some((text) => text.includes('Задача 7')), 'not the pupils\' pages');
      // Chromium prints none where the page has margin boxes; Firefox prints the address.
      assert.ok(pupilPages.every((text) => text.includes('sheet.html') === (engine === 'firefox')),
        'the browser\'s header with the address');
      pupilPages.forEach((text, index) =>
        assert.ok(!text.includes('3CFPS6'), `the code on page ${index + 1}: ` +
          `"${text.slice(Math.max(0, text.indexOf('3CFPS6') - 80)).slice(0, 160)}"`));
    });

  // Each key problem whole on one page: its name, then its solution down to the answer.
  it('the key with the solutions, no problem split across pages', { timeout: 600000 },
    async () => {
      const page = await openPage(browser,
        `${server.url}sheet.html?code=3CFPS6&n=20&variants=2&key=1&solutions=1`);
      // Each problem's name, chain and answer.
      const problems = await page.evaluate(() =>
        [...document.querySelectorAll('.sheet-key-problem')].map((problem) =>
          ['.sheet-key-problem-name', '.solution-chain', '.solution-answer']
            .map((part) => problem.querySelector(part).textContent)));
      assert.equal(problems.length, 40);
      const file = join(outputDir, 'sheet-3CFPS6-2x20-solutions.pdf');
      await printToPdf(page, { path: file });
      await page.close();

      const texts = pdfPageTexts(file).map(wordsOf);
      let at = texts.findIndex((text) => text.startsWith(keyTitle));
      assert.ok(at > 0, 'no key printed');
      let from = 0;
      for (const [k, [name, chain, answer]] of problems.entries()) {
        const where = () => `key problem ${k + 1} (${name}), page ${at + 1}`;
        let start;
        while ((start = texts[at].indexOf(wordsOf(name), from)) < 0) {
          [at, from] = [at + 1, 0];
          assert.ok(at < texts.length, `${where()}: not printed`);
        }
        const next = k + 1 < problems.length
          ? texts[at].indexOf(wordsOf(problems[k + 1][0]), start + 1) : -1;
        const own = texts[at].slice(start, next < 0 ? undefined : next);
        assert.match(answer, /^Отговор: /);
        for (const part of ['Решение', 'Кратко условие', chain, answer]) {
          assert.ok(own.includes(wordsOf(part)), `${where()}: no "${part}" after "${own}"`);
        }
        from = start + 1;
      }
    });

  // The class's table alone, from its own button: 26 pupils of 20 problems, every column on one
  // landscape A4 page (where the engine takes the page the table asks for).
  it('the class\'s results alone, every problem across the page', { timeout: 120000 }, async () => {
    const page = await openPage(browser, `${server.url}sheet.html?code=3CFPS6&n=20&variants=26`);
    const answers = Array.from({ length: 20 }, (_, k) => `${k + 1}${k % 3 ? '' : ' п'}`).join(';');
    await pasteResults(page, Array.from({ length: 26 }, (_, n) =>
      `Резултат 1 | 3CFPS6 | вариант ${n + 1} | № ${n + 1} | Ученик ${n + 1} | ${answers} |`)
      .join('\n'));
    await page.evaluate(() => {
      window.print = () => {};
      document.getElementById('results-print').click();
    });
    const file = join(outputDir, 'results-3CFPS6-26x20.pdf');
    await printToPdf(page, { path: file });
    await page.close();
    assert.deepEqual(pdfPages(file).map(({ width }) => Math.round(width)),
      [Math.round(a4Points.height)], 'one landscape A4 page');
    const text = wordsOf(pdfPageTexts(file)[0]);
    assert.equal(text.match(/Задача/g)?.length, 20, text);
    for (const word of ['Верни', 'Верни отговори', 'Ученик 26', '* – с подсказка']) {
      assert.ok(text.includes(wordsOf(word)), `no "${word}" in "${text}"`);
    }
    assert.ok(!text.includes(sheetTitle), 'the sheets printed too');
  });

  for (const row of rows) {
    it(row.what, { timeout: 600000 }, async () => {
      const query = `code=${row.code}&n=${row.problems}&variants=${row.variants}` +
        `&key=${row.key ? 1 : 0}`;
      const page = await openPage(browser, `${server.url}sheet.html?${query}`);
      await page.waitForFunction((variants, problems, key) =>
        document.querySelectorAll('.sheet-variant').length === variants &&
        document.querySelectorAll('.sheet-variant .sheet-problem').length === variants * problems &&
        document.querySelectorAll('.sheet-key .sheet-key-problem').length ===
          (key ? variants * problems : 0), { timeout: 60000 },
      row.variants, row.problems, row.key);
      await page.evaluate(() => document.fonts.ready.then(() => undefined));
      const preview = await page.evaluate(readPreview);
      // Compared as words and marks, as the PDF's text gives them.
      for (const variant of preview.variants) {
        variant.heading = wordsOf(variant.heading);
        variant.problems = variant.problems.map(wordsOf);
      }
      if (preview.key) {
        preview.key.heading = wordsOf(preview.key.heading);
        for (const variant of preview.key.variants) {
          variant.name = wordsOf(variant.name);
          variant.problems = variant.problems.map(wordsOf);
        }
      }

      const file = join(outputDir, `sheet-${row.code}-${row.variants}x${row.problems}` +
        `-key${row.key ? 1 : 0}.pdf`);
      const started = Date.now();
      await printToPdf(page, { path: file });
      const printMs = Date.now() - started;
      assert.deepEqual(await page.errors(), []);
      await page.close();

      const sizes = pdfPages(file);
      const texts = pdfPageTexts(file).map(wordsOf);
      assert.equal(texts.length, sizes.length);
      console.log(`${engine}: ${row.what}: ${sizes.length} pages in ${printMs} ms`);
      for (const [index, { width, height }] of sizes.entries()) {
        assert.ok(Math.abs(width - a4Points.width) <= 1 && Math.abs(height - a4Points.height) <= 1,
          `page ${index + 1} is ${width} x ${height} pt, not A4`);
        assert.notEqual(texts[index], '', `page ${index + 1} is blank`);
      }

      const keyStart = texts.findIndex((text) => text.startsWith(keyTitle));
      const pupilPages = keyStart < 0 ? texts : texts.slice(0, keyStart);
      const keyPages = keyStart < 0 ? [] : texts.slice(keyStart);

      // The pupils' pages: each variant from a new page, each problem on one.
      const blocks = preview.variants.flatMap(({ heading, problems }, v) => [
        { text: heading, startsPage: true, variant: v },
        ...problems.map((text) => ({ text, variant: v })),
      ]);
      preview.variants.forEach(({ heading }, v) =>
        assert.equal(heading, wordsOf(`${sheetTitle} Вариант ${v + 1} ${nameLine}`)));
      const placed = layOut(pupilPages, blocks, 'the pupils\' pages');
      for (let v = 0; v < row.variants; v += 1) {
        const pages = new Set(placed.filter((_, b) => blocks[b].variant === v));
        assert.equal(pages.size, pagesOfVariant(row.problems), `variant ${v + 1}'s pages`);
      }
      assert.ok(pupilPages.every((text) => !text.includes(row.code)),
        'the code is on a pupil\'s page');
      checkRoom(pdfPageWords(file).slice(0, pupilPages.length), 'the pupils\' pages');
      for (const [variant, line] of row.pupilLines ?? []) {
        assert.ok(pupilPages[placed[blocks.findIndex((b) => b.variant === variant - 1)]]
          .includes(wordsOf(line)), `variant ${variant}: no "${line}"`);
      }

      if (!row.key) {
        assert.equal(keyStart, -1, 'a key printed without being asked for');
        assert.ok(texts.every((text) => !text.includes(keyTitle) && !text.includes(row.code)));
        return;
      }
      // The key: after the pupils' pages, its heading with the code, then every variant's
      // problems with their known values and answers.
      assert.ok(keyStart > 0, 'no key printed');
      assert.ok(preview.key.heading.startsWith(keyTitle) &&
        preview.key.heading.includes(row.code), `the key's heading: ${preview.key.heading}`);
      assert.ok(keyPages[0].includes(row.code), 'no code on the key\'s first page');
      layOut(keyPages, [
        { text: preview.key.heading, startsPage: true },
        ...preview.key.variants.flatMap(({ name, problems }, v) => {
          assert.equal(name, wordsOf(`Вариант ${v + 1}`));
          return [{ text: name }, ...problems.map((text) => ({ text }))];
        }),
      ], 'the key');
      const keyText = keyPages.join(' ');
      for (const [variant, line] of row.keyLines ?? []) {
        const from = keyText.indexOf(wordsOf(`Вариант ${variant} Задача 1.`));
        const to = keyText.indexOf(wordsOf(`Вариант ${variant + 1} Задача 1.`));
        assert.ok(from >= 0 && keyText.slice(from, to < 0 ? undefined : to).includes(wordsOf(line)),
          `variant ${variant} of the key: no "${line}"`);
      }
    });
  }
});
