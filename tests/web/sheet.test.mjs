// The worksheet page (sheet.html) as a teacher meets it: the address is the sheet and round-trips,
// the settings change the address and the sheets, a code from an earlier day typed in any case or
// with Cyrillic look-alikes, bad addresses and codes, the same texts whatever the browser's
// language, the link from the window's page, copying the link and printing, a paste of megabytes
// refused; in Chromium, the class's table saved as CSV and the sheet for Moodle, read back, and
// offline after one visit.
//
// Environment: PROPORCIA_BROWSER, the engine (lib/engines.mjs); PROPORCIA_PAGE_DIR, the page's
// folder.
import assert from 'node:assert/strict';
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { pathToFileURL } from 'node:url';
import { parse } from 'csv-parse/sync';
import { axeViolations } from './lib/accessibility.mjs';
import { catchSavedFiles, pasteResults, resultsShown, savedFiles } from './lib/class_results.mjs';
import { engineOfEnvironment, launchOrSkip } from './lib/engines.mjs';
import { pressChord } from './lib/keys.mjs';
import { openPage } from './lib/open_page.mjs';
import { sheetLimits } from './lib/sheet_limits.mjs';
import { serveFolder } from './lib/static_server.mjs';

const pageDir = process.env.PROPORCIA_PAGE_DIR;
const engine = engineOfEnvironment();
assert.ok(pageDir && existsSync(join(pageDir, 'sheet.html')), 'PROPORCIA_PAGE_DIR: no sheet.html');
const { problems: problemsRange, variants: variantsRange } = sheetLimits(pageDir);
const mostProblems = String(problemsRange.most);

const title = 'Работен лист – сложно тройно правило';
const noSuchCode = 'Няма такъв код на лист.';
// The first problems of two codes, as the problem set gives them on every device.
const golden = {
  '3CFPS6': {
    sentence: 'Ако 4 миньори за 12 часа изкопават 6 куб. м руда, то 8 миньори за X часа ще ' +
      'изкопаят 12 куб. м руда.',
    known: 'A = 4; B = 12; C = 6; D = 8; F = 12; ',
    answers: ['X = (4 * 12 * 12) / (6 * 8) = 12', 'X = (11 * 8 * 40) / (88 * 32) = 1,25'],
  },
  QY5GFR: {
    sentence: 'Ако 3 дървосекачи за 19 часа събират 19 куб. м дървесина, то X дървосекачи за ' +
      '304 часа ще съберат 152 куб. м дървесина.',
    answers: ['X = (3 * 19 * 152) / (19 * 304) = 1,5'],
  },
};

const viewport = { width: 900, height: 700 };

// What the page shows: the address's query, the fields, the sheets and the key.
const shown = (page) => page.evaluate(() => {
  const byId = (id) => document.getElementById(id);
  const texts = (root, selector) => [...root.querySelectorAll(selector)].map((e) => e.textContent);
  const key = document.querySelector('.sheet-key');
  return {
    search: location.search,
    code: byId('sheet-code').value,
    problems: byId('sheet-problems').value,
    variants: byId('sheet-variants').value,
    key: byId('sheet-key').checked,
    problemSaid: byId('sheet-code-problem').hidden ? null : byId('sheet-code-problem').textContent,
    sheets: [...document.querySelectorAll('.sheet-variant')].map((variant) => ({
      heading: texts(variant, '.sheet-title, .sheet-variant-name, .sheet-name-line'),
      names: texts(variant, '.sheet-problem-name'),
      sentences: texts(variant, '.sheet-sentence'),
      questions: texts(variant, '.sheet-question'),
      text: variant.textContent,
    })),
    keyShown: key && {
      heading: texts(key, '.sheet-key-title, .sheet-key-code'),
      variants: [...key.querySelectorAll('.sheet-key-variant')].map((variant) => ({
        name: variant.querySelector('.sheet-key-variant-name').textContent,
        known: texts(variant, '.sheet-known'),
        answers: texts(variant, '.sheet-answer'),
      })),
    },
  };
});

async function retype(page, selector, text) {
  await page.click(selector);
  await pressChord(page, 'Control+KeyA');
  await page.keyboard.type(text);
}

describe(`the worksheet page in ${engine}`, () => {
  let server;
  let browser;
  before(async () => {
    server = await serveFolder(pageDir);
    browser = await launchOrSkip(engine, { language: 'bg', viewport });
  });
  after(async () => {
    await browser?.close();
    await server?.close();
  });

  it('opened without a code, makes a sheet and puts it in the address, which reopens it',
    async () => {
      const page = await openPage(browser, `${server.url}sheet.html`);
      assert.equal(await page.title(), title);
      const first = await shown(page);
      // A new sheet asks for whole answers: its code carries the choice.
      assert.match(first.search, /^\?code=[2-9A-HJKMNP-Z]{8}&n=5&variants=1&key=1$/);
      assert.equal(`?code=${first.code}&n=5&variants=1&key=1`, first.search);
      assert.deepEqual([first.problems, first.variants, first.key], ['5', '1', true]);
      assert.equal(first.sheets.length, 1);
      assert.deepEqual(first.sheets[0].heading,
        [title, 'Вариант 1', 'Име: ………………… Клас: …… № ……']);
      assert.deepEqual(first.sheets[0].names, ['Задача 1.', 'Задача 2.', 'Задача 3.', 'Задача 4.',
        'Задача 5.']);
      assert.deepEqual(first.sheets[0].questions, Array(5).fill('X = ?'));
      assert.ok(!first.sheets[0].text.includes(first.code), 'the pupils\' sheet has no code');
      assert.deepEqual(first.keyShown.heading, ['Отговори', `Код на листа: ${first.code}`]);
      await page.close();

      const again = await openPage(browser, `${server.url}sheet.html${first.search}`);
      assert.deepEqual(await shown(again), first);
      assert.deepEqual(await again.errors(), []);
      await again.close();
    });

  it('changes the address and the sheets with each setting', async () => {
    const page = await openPage(browser, `${server.url}sheet.html?code=3CFPS6`);
    await retype(page, '#sheet-problems', '3');
    await page.keyboard.press('Tab');
    await retype(page, '#sheet-variants', '4');
    await page.keyboard.press('Tab');
    await page.keyboard.press(' ');
    const changed = await shown(page);
    assert.equal(changed.search, '?code=3CFPS6&n=3&variants=4&key=0');
    assert.deepEqual(changed.sheets.map((sheet) => sheet.names.length), [3, 3, 3, 3]);
    assert.deepEqual(changed.sheets.map((sheet) => sheet.heading[1]),
      ['Вариант 1', 'Вариант 2', 'Вариант 3', 'Вариант 4']);
    assert.equal(changed.keyShown, null, 'no key');
    assert.equal(changed.sheets[0].sentences[0], golden['3CFPS6'].sentence);

    // Out of range as typed: the sheet takes the nearest allowed, and the field shows it once left.
    await retype(page, '#sheet-problems', String(problemsRange.most + 5));
    await page.keyboard.press('Tab');
    const clamped = await shown(page);
    assert.equal(clamped.problems, mostProblems);
    assert.equal(clamped.search, `?code=3CFPS6&n=${mostProblems}&variants=4&key=0`);
    assert.equal(clamped.sheets[3].names.length, problemsRange.most);
    assert.deepEqual(await page.errors(), []);
    await page.close();
  });

  // A code from an earlier day, as a teacher may type it: the same sheet.
  for (const typed of ['3CFPS6', '3cfps6', '3С-FР s6', '3сfрs6', ' qy5 gfr ']) {
    it(`reads the typed code "${typed}"`, async () => {
      const page = await openPage(browser, `${server.url}sheet.html?n=2&variants=1&key=1`);
      await retype(page, '#sheet-code', typed);
      const code = /q/i.test(typed) ? 'QY5GFR' : '3CFPS6';
      await page.waitForFunction((query) => location.search === query, { polling: 50 },
        `?code=${code}&n=2&variants=1&key=1`);
      const read = await shown(page);
      assert.equal(read.code, typed, 'the field keeps what was typed while it is being typed');
      assert.equal(read.problemSaid, null);
      assert.equal(read.sheets[0].sentences[0], golden[code].sentence);
      assert.equal(read.keyShown.variants[0].answers[0], golden[code].answers[0]);
      await page.keyboard.press('Tab');
      assert.equal((await shown(page)).code, code, 'written as its capitals once left');
      await page.close();
    });
  }

  // The choices are the code's: each is the same sheet's other code, and every problem keeps to
  // it. X's column in the key's short condition is the quantity sought (0: any).
  it('carries whole answers and the quantity sought in the code, and keeps to them',
    { skip: engine !== 'chromium' && 'the choices are checked in Chromium' }, async () => {
      const page = await openPage(browser,
        `${server.url}sheet.html?code=3CFPS6&n=20&variants=3&key=1&solutions=1`);
      const read = () => page.evaluate(() => ({
        code: document.getElementById('sheet-code').value,
        search: location.search,
        choices: [document.getElementById('sheet-whole-answers').checked,
          Number(document.getElementById('sheet-sought').value)],
        answers: [...document.querySelectorAll('.sheet-answer')].map((line) => line.textContent),
        columns: [...document.querySelectorAll('.sheet-key-problem')].map((problem) =>
          problem.querySelector('.solution-condition td.solution-unknown').cellIndex),
      }));
      const before = await read();
      assert.deepEqual(before.choices, [false, 0], 'a code from before the choices asks none');
      const codes = new Set();
      // Back to no choices at the end: the code from before, and its problems.
      for (const [whole, sought] of [[true, 0], [true, 1], [true, 2], [true, 3], [false, 1],
        [false, 2], [false, 3], [false, 0]]) {
        const last = (await read()).code;
        if ((await read()).choices[0] !== whole) {
          await page.click('#sheet-whole-answers');
        }
        await page.page.select('#sheet-sought', String(sought));
        await page.waitForFunction((was) => document.getElementById('sheet-code').value !== was,
          { polling: 50 }, last);
        const now = await read();
        const row = `whole answers ${whole}, sought ${sought}: ${now.code}`;
        assert.deepEqual(now.choices, [whole, sought], row);
        assert.equal(now.code.length, whole || sought ? 8 : 6, row);
        assert.ok(now.search.startsWith(`?code=${now.code}&`), `${row}: ${now.search}`);
        assert.equal(now.answers.length, 60, row);
        assert.equal(now.answers.some((line) => line.includes(',')), !whole, row);
        if (sought) {
          assert.deepEqual(now.columns, Array(60).fill(sought - 1), row);
        }
        codes.add(now.code);
      }
      assert.equal(codes.size, 8);
      const after = await read();
      assert.deepEqual([after.code, after.answers], ['3CFPS6', before.answers]);
      assert.deepEqual(await page.errors(), []);
      await page.close();
    });

  it('says of a code it cannot read that there is none, keeps it, and offers a new sheet',
    async () => {
      const page = await openPage(browser, `${server.url}sheet.html?code=3CFPS6&n=2`);
      await retype(page, '#sheet-code', '3CFPS7');
      // Six characters may be the start of eight: judged once the field is left.
      await page.keyboard.press('Tab');
      await page.waitForFunction((text) =>
        document.getElementById('sheet-status').textContent === text, { polling: 50 }, noSuchCode);
      const wrong = await shown(page);
      assert.equal(wrong.problemSaid, noSuchCode);
      assert.equal(wrong.code, '3CFPS7');
      assert.deepEqual(wrong.sheets, [], 'no other sheet');
      assert.equal(wrong.keyShown, null);
      assert.equal(wrong.search, '?code=3CFPS7&n=2&variants=1&key=1');
      assert.equal(await page.$eval('#sheet-code', (field) => field.getAttribute('aria-invalid')),
        'true');

      await page.click('#sheet-new');
      const fresh = await shown(page);
      assert.notEqual(fresh.code, '3CFPS7');
      assert.equal(fresh.search, `?code=${fresh.code}&n=2&variants=1&key=1`);
      assert.equal(fresh.problemSaid, null);
      assert.equal(fresh.sheets.length, 1);
      assert.match(await page.$eval('#sheet-status', (status) => status.textContent),
        new RegExp(fresh.code));
      assert.deepEqual(await page.errors(), []);
      await page.close();
    });

  // Whatever a link holds, a sheet of allowed settings, and the address says which.
  for (const [query, expected, said] of [
    ['?code=3CFPS6&n=0&variants=-3&key=abc', '?code=3CFPS6&n=1&variants=1&key=1'],
    [`?code=%33cfps6&n=1000000&variants=${variantsRange.most + 1}&key=0`,
      `?code=3CFPS6&n=${problemsRange.most}&variants=${variantsRange.most}&key=0`],
    ['?n=5.7&n=2&variants=2.2&code=3CFPS6&code=QY5GFR', '?code=3CFPS6&n=6&variants=2&key=1'],
    [`?code=3CFPS6&n=${'9'.repeat(5000)}&variants=abc`,
      `?code=3CFPS6&n=${problemsRange.most}&variants=1&key=1`],
    ['?code=ZZ%3Cb%3E&n=abc', '?code=ZZ%3Cb%3E&n=5&variants=1&key=1', 'ZZ<b>'],
  ]) {
    it(`takes the nearest allowed settings from ${query.slice(0, 60)}`, async () => {
      const page = await openPage(browser, `${server.url}sheet.html${query}`);
      const settled = await shown(page);
      assert.equal(settled.search, expected);
      const settings = new URLSearchParams(expected);
      assert.deepEqual([settled.problems, settled.variants, settled.key],
        [settings.get('n'), settings.get('variants'), settings.get('key') === '1']);
      if (said) {
        assert.equal(settled.code, said);
        assert.equal(settled.problemSaid, noSuchCode);
        assert.deepEqual(settled.sheets, []);
      } else {
        assert.equal(settled.sheets.length, Number(settings.get('variants')));
        assert.equal(settled.sheets[0].names.length, Number(settings.get('n')));
      }
      assert.deepEqual(await page.errors(), []);
      await page.close();
    });
  }

  it('copies the link of the sheet, or shows it selected where the clipboard is refused',
    async () => {
      const page = await openPage(browser, `${server.url}sheet.html?code=QY5GFR&n=3`);
      if (engine === 'chromium') {
        const session = await page.page.createCDPSession();
        await session.send('Browser.grantPermissions', {
          origin: new URL(server.url).origin,
          permissions: ['clipboardReadWrite', 'clipboardSanitizedWrite'],
        });
      }
      await page.click('#sheet-copy');
      await page.waitForFunction(
        () => document.getElementById('sheet-status').textContent !== '', { polling: 50 });
      const link = `${server.url}sheet.html?code=QY5GFR&n=3&variants=1&key=1`;
      const outcome = await page.evaluate(() => {
        const field = document.getElementById('sheet-link');
        return {
          status: document.getElementById('sheet-status').textContent,
          shown: !document.getElementById('sheet-link-box').hidden,
          value: field.value,
          selected: document.activeElement === field
            ? field.value.slice(field.selectionStart, field.selectionEnd) : null,
          address: location.href,
        };
      });
      assert.equal(outcome.address, link);
      if (outcome.status === 'Връзката е копирана.') {
        assert.equal(outcome.shown, false);
        if (engine === 'chromium') {
          assert.equal(await page.evaluate(() => navigator.clipboard.readText()), link);
        }
      } else {
        assert.equal(outcome.status, 'Връзката е избрана: копирайте я с Ctrl+C.');
        assert.deepEqual([outcome.shown, outcome.value, outcome.selected], [true, link, link]);
      }
      assert.equal(engine !== 'chromium' || outcome.status === 'Връзката е копирана.', true,
        'Chromium, allowed, copies');
      await page.close();
    });

  // Refused in the paste's own event, before the page reads a character of it; Firefox gives a
  // script's paste event no data, so there only as the input that a drop or typing gives.
  it('refuses 10 MB pasted at once, and keeps the text and the table from before', async () => {
    const page = await openPage(browser, `${server.url}sheet.html?code=QY5GFR&n=1`);
    const line = 'Резултат 1 | QY5GFR | вариант 1 | № 3 | Ана | 1,5 |';
    await pasteResults(page, line);
    for (const way of engine === 'firefox' ? ['input'] : ['paste', 'input']) {
      const outcome = await page.evaluate((way, line) => {
        const field = document.getElementById('results-paste');
        const big = `${line}\n`.repeat(Math.ceil(10e6 / line.length));
        const event = way === 'paste'
          ? new ClipboardEvent('paste', { clipboardData: new DataTransfer(), cancelable: true })
          : new Event('input');
        event.clipboardData?.setData('text/plain', big);
        field.value = way === 'input' ? big : field.value;
        field.dispatchEvent(event);
        return [event.defaultPrevented, field.value,
          document.getElementById('results-status').textContent];
      }, way, line);
      assert.deepEqual(outcome, [way === 'paste', line, 'Текстът е над един милион знака и не е ' +
        'прочетен: поставете само съобщенията с резултатите.'], way);
      assert.equal((await resultsShown(page)).rows.length, 1, way);
    }
    assert.deepEqual(await page.errors(), []);
    await page.close();
  });

  // What a pupil typed is data: quoted where it holds ";" or '"', and never a formula in Excel.
  it('saves the table as a CSV file that a CSV reader reads back whole',
    { skip: engine !== 'chromium' && 'the files are checked in Chromium' }, async () => {
      const page = await openPage(browser, `${server.url}sheet.html?code=QY5GFR&n=2&variants=2`);
      await catchSavedFiles(page);
      await pasteResults(page, [[2, '=1+1', 1, '1,5; -5 п'], [1, 'Ана; "Ани"', 2, '; ?'],
        [3, '@x', 1, '+7; 7']].map(([n, name, v, answers]) =>
        `Резултат 1 | QY5GFR | вариант ${v} | № ${n} | ${name} | ${answers} |`).join('\n'));
      await page.click('#results-download');
      const [file] = await savedFiles(page);
      assert.equal(file.name, 'QY5GFR-резултати.csv');
      assert.match(file.text, /^\uFEFF№;(?:[^\n]*\r\n)+$/, 'a byte-order mark, and CRLF');
      assert.deepEqual(parse(file.text, { delimiter: ';', bom: true }), [
        ['№', 'Име', 'Вариант', 'Задача 1', 'Задача 2', 'Верни', 'Отговор 1', 'Отговор 2'],
        ['1', 'Ана; "Ани"', '2', 'без отговор', 'грешно', '0', '', '?'],
        ['2', "'=1+1", '1', 'вярно', 'грешно, с подсказка', '1', '1,5', "'-5"],
        ['3', "'@x", '1', 'грешно', 'вярно', '1', "'+7", '7'],
        ['', 'Верни отговори', '', '1', '1', '', '', ''],
      ]);
      await page.close();
    });

  // Each problem number a category holding that problem of every variant, answered as the key.
  it('saves the sheet for Moodle as XML, each answer the key\'s',
    { skip: engine !== 'chromium' && 'the files are checked in Chromium' }, async () => {
      const page = await openPage(browser,
        `${server.url}sheet.html?code=3CFPS6&n=3&variants=4&key=1`);
      await catchSavedFiles(page);
      await page.click('#sheet-moodle');
      const [file] = await savedFiles(page);
      assert.deepEqual([file.name, file.text.split('\n', 2)],
        ['3CFPS6.xml', ['<?xml version="1.0" encoding="UTF-8"?>', '<quiz>']]);
      const read = await page.evaluate((text) => {
        const xml = new DOMParser().parseFromString(text, 'application/xml');
        const texts = (root, selector, map = (e) => e.textContent) =>
          [...root.querySelectorAll(selector)].map(map);
        // In a question's part, its HTML read as a page.
        const html = (q, part, selector, map) => texts(new DOMParser().parseFromString(
          q.querySelector(`${part} > text`).textContent, 'text/html'), selector, map);
        const value = (line) => line.textContent.split(' = ').at(-1);
        return {
          error: xml.querySelector('parsererror')?.textContent ?? null,
          questions: [...xml.documentElement.children].map((q) => (q.matches('[type=category]')
            ? texts(q, 'category > text')
            : [q.getAttribute('type'), ...texts(q, 'name > text, answer > tolerance'),
              ...texts(q, 'answer',
                (a) => `${a.getAttribute('fraction')} ${a.querySelector('text').textContent}`),
              html(q, 'questiontext', 'p'),
              ...html(q, 'generalfeedback', '.solution-chain', value)])),
          sentences: texts(document, '.sheet-variant', (v) => texts(v, '.sheet-sentence')),
          key: texts(document, '.sheet-key-variant', (v) => texts(v, '.sheet-answer', value)),
        };
      }, file.text);
      assert.equal(read.error, null);
      assert.deepEqual(read.questions, [1, 2, 3].flatMap((n) => [
        [`$course$/top/Сложно тройно правило/3CFPS6/Задача ${n}`],
        ...read.key.map((answers, v) => ['numerical', `Вариант ${v + 1}, задача ${n}`, '0',
          `100 ${answers[n - 1].replace(',', '.')}`, [read.sentences[v][n - 1], 'X = ?'],
          answers[n - 1]]),
      ]));
      await page.close();
    });

  it('is used with the keyboard alone: the controls in order, "Печат" prints', async () => {
    const page = await openPage(browser, `${server.url}sheet.html?code=3CFPS6&n=1`);
    await page.evaluate(() => {
      window.printed = 0;
      window.print = () => { window.printed += 1; };
    });
    await page.focus('#sheet-code');
    const visited = [];
    for (let i = 0; i < 12; ++i) {
      await page.keyboard.press('Tab');
      visited.push(await page.evaluate(() => document.activeElement.id));
    }
    assert.deepEqual(visited, ['sheet-new', 'sheet-problems', 'sheet-variants', 'sheet-key',
      'sheet-solutions', 'sheet-whole-answers', 'sheet-sought', 'sheet-copy', 'sheet-pupils',
      'sheet-print', 'sheet-moodle', 'sheet-hints']);
    await pressChord(page, 'Shift+Tab');
    await pressChord(page, 'Shift+Tab');
    await page.keyboard.press('Enter');
    assert.equal(await page.evaluate(() => window.printed), 1);
    await page.close();
  });

  // A browser prints its address in the margins where its headers and footers are on.
  // Some browsers never say that printing ended: the code comes back all the same.
  it('has no code in its address as it starts printing, and has it back at once', async () => {
    const page = await openPage(browser, `${server.url}sheet.html?code=3CFPS6&n=2`);
    const searches = await page.evaluate(async () => {
      const seen = [];
      dispatchEvent(new Event('beforeprint'));
      seen.push(location.search);
      await new Promise((resolve) => setTimeout(resolve, 0));
      seen.push(location.search);
      dispatchEvent(new Event('afterprint'));
      seen.push(location.search);
      return seen;
    });
    assert.deepEqual(searches, ['', ...Array(2).fill('?code=3CFPS6&n=2&variants=1&key=1')]);
    await page.close();
  });

  it('is reached from the window\'s page by a link after the window', async () => {
    const page = await openPage(browser, server.url);
    const link = await page.evaluate(() => {
      const anchor = [...document.querySelectorAll('a')]
        .find((a) => a.textContent === 'Работен лист за класа');
      const main = document.querySelector('main');
      return anchor && {
        href: anchor.getAttribute('href'),
        afterMain: (main.compareDocumentPosition(anchor) & Node.DOCUMENT_POSITION_FOLLOWING) !== 0
          && !main.contains(anchor),
        visible: anchor.getBoundingClientRect().height > 0,
      };
    });
    assert.deepEqual(link, { href: 'sheet.html', afterMain: true, visible: true });
    if (engine === 'chromium') {
      // Full screen shows the window alone.
      const hiddenInFullScreen = () => document.querySelector('a[href="sheet.html"]')
        .getBoundingClientRect().height === 0;
      await page.evaluate(() => document.documentElement.requestFullscreen());
      await page.waitForFunction(hiddenInFullScreen, { polling: 50 });
      await page.evaluate(() => document.exitFullscreen());
      await page.waitForFunction(() => !document.documentElement.classList.contains('filling-screen'),
        { polling: 50 });
      assert.equal(await page.evaluate(hiddenInFullScreen), false);
    }
    await page.click('a[href="sheet.html"]');
    await page.waitForFunction(() => /^\?code=\w{8}&n=5&variants=1&key=1$/.test(location.search),
      { polling: 50 });
    assert.equal(await page.title(), title);
    await page.close();
  });

  it('reads on a 360-pixel phone without sideways scrolling',
    { skip: engine === 'webkit' && 'MiniBrowser\'s window is 447 pixels wide at least' }, async () => {
      const page = await openPage(browser, `${server.url}sheet.html?code=QY5GFR&n=3&variants=2`);
      await page.setViewport({ width: 360, height: 740 });
      // Open: Firefox keeps a closed one's content laid out at the width before.
      await page.evaluate(() => { document.getElementById('results').open = true; });
      const widths = await page.evaluate(() => ({
        page: document.documentElement.scrollWidth,
        widest: Math.max(...[...document.querySelectorAll('body *')]
          .map((element) => element.getBoundingClientRect().right)),
      }));
      assert.ok(widths.page <= 360 && widths.widest <= 360, JSON.stringify(widths));
      await page.close();
    });

  it('passes axe-core\'s checks, with the key and results, and with a wrong code', async () => {
    for (const query of ['?code=3CFPS6&n=2&variants=2', '?code=3CFPS7']) {
      const page = await openPage(browser, `${server.url}sheet.html${query}`);
      await pasteResults(page, 'Резултат 1 | 3CFPS6 | вариант 1 | № 1 | А | 12 |\n' +
        'Резултат 1 | QY5GFR | вариант 1 | № 3 | | 1,5 |');
      assert.deepEqual(await axeViolations(page), [], query);
      await page.close();
    }
  });
});

// The sheet is the same in any browser language: the answers keep the decimal comma.
for (const language of ['bg', 'en-US']) {
  describe(`the golden sheets under a browser in ${language}, in ${engine}`, () => {
    it('shows the first problems and answers of two codes as the problem set gives them',
      async () => {
        const server = await serveFolder(pageDir);
        const browser = await launchOrSkip(engine, { language, viewport });
        try {
          for (const [code, expected] of Object.entries(golden)) {
            // The link as teachers shared it before codes carried choices.
            const page = await openPage(browser,
              `${server.url}sheet.html?code=${code}&n=2&variants=1&key=1`);
            const sheet = await shown(page);
            assert.equal(sheet.sheets[0].sentences[0], expected.sentence, code);
            const answers = sheet.keyShown.variants[0].answers;
            assert.deepEqual(answers.slice(0, expected.answers.length), expected.answers, code);
            if (expected.known) {
              assert.equal(sheet.keyShown.variants[0].known[0], expected.known, code);
            }
            await page.close();
          }
        } finally {
          await browser.close();
          await server.close();
        }
      });
  });
}

describe('the sheet page opened from its folder, as from a USB stick', () => {
  it('makes a sheet, with nothing in the console', async () => {
    const browser = await launchOrSkip(engine, { language: 'bg', viewport });
    try {
      const url = `${pathToFileURL(join(pageDir, 'sheet.html')).href}?code=QY5GFR&n=1`;
      const page = await openPage(browser, url);
      const sheet = await shown(page);
      assert.equal(sheet.code, 'QY5GFR');
      assert.equal(sheet.sheets[0].sentences[0], golden.QY5GFR.sentence);
      // A file's link opens on this computer alone, and copying it says so.
      for (const [copies, said] of [
        [true, 'Връзката е копирана, но води до файл и ще се отвори само на този компютър: ' +
          'вижте „Страницата на училищен сървър“ в ръководството за учителя.'],
        [false, 'Връзката е избрана: копирайте я с Ctrl+C.'],
      ]) {
        await page.evaluate((copies) => {
          document.getElementById('sheet-status').textContent = '';
          Object.defineProperty(navigator, 'clipboard', { configurable: true, value: {
            writeText: () => (copies ? Promise.resolve() : Promise.reject(new Error('refused'))),
          } });
        }, copies);
        await page.click('#sheet-copy');
        await page.waitForFunction(() => document.getElementById('sheet-status').textContent,
          { polling: 50 });
        assert.equal(await page.$eval('#sheet-status', (status) => status.textContent), said);
      }
      assert.deepEqual(await page.errors(), []);
    } finally {
      await browser.close();
    }
  });
});

describe('the sheet page served over the network, then without it', {
  skip: engine !== 'chromium' && 'offline is checked in Chromium',
}, () => {
  it('works offline after one visit, with any code', async () => {
    const server = await serveFolder(pageDir, {}, { offline: true });
    const browser = await launchOrSkip(engine, { language: 'bg', viewport });
    try {
      const first = await openPage(browser, `${server.url}sheet.html?code=3CFPS6`);
      await first.evaluate(() => navigator.serviceWorker.ready);
      await first.close();
      await server.close();

      const offline = await openPage(browser, `${server.url}sheet.html?code=QY5GFR&n=2`);
      const sheet = await shown(offline);
      assert.equal(sheet.sheets[0].sentences[0], golden.QY5GFR.sentence);
      assert.deepEqual(await offline.errors(), []);
      await offline.close();
    } finally {
      await browser.close();
    }
  });
});
