// The pupils' practice page (practice.html) as pupils and their teacher meet it: the teacher's
// "Връзка за учениците", the pupil's number asked and refused, answers right, wrong, empty and no
// number, settled problems and their solutions, the result line handed in and read back on the
// teacher's page, the live region, the keyboard, a phone with its on-screen keyboard, nothing kept
// or sent; the problems those of the printed sheet.
//
// Environment: PROPORCIA_BROWSER, the engine (lib/engines.mjs); PROPORCIA_PAGE_DIR, the page's
// folder.
import assert from 'node:assert/strict';
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { pathToFileURL } from 'node:url';
import { axeViolations } from './lib/accessibility.mjs';
import { pasteResults, resultsShown } from './lib/class_results.mjs';
import { engineOfEnvironment, launchOrSkip } from './lib/engines.mjs';
import { openPage } from './lib/open_page.mjs';
import { sheetLimits } from './lib/sheet_limits.mjs';
import { serveFolder } from './lib/static_server.mjs';

const pageDir = process.env.PROPORCIA_PAGE_DIR;
const engine = engineOfEnvironment();
assert.ok(pageDir && existsSync(join(pageDir, 'practice.html')),
  'PROPORCIA_PAGE_DIR: no practice.html');

const sheetQuery = '?code=3CFPS6&n=5&variants=26';
// One more than any sheet has: refused where the link does not say how many this one has.
const beyondAnySheet = String(sheetLimits(pageDir).variants.most + 1);
const noSuchVariant = 'Няма такъв вариант в този лист.';
const noSuchCode = 'Няма такъв код на лист.';

const viewport = { width: 900, height: 700 };

// What the practice page shows.
const shown = (page) => page.evaluate(() => {
  const byId = (id) => document.getElementById(id);
  const texts = (root, selector) => [...root.querySelectorAll(selector)].map((e) => e.textContent);
  return {
    search: location.search,
    asking: !byId('practice-start').hidden,
    refusal: byId('practice-refusal').textContent,
    sheetAsked: !byId('practice-sheet-fields').hidden,
    variant: byId('practice-answers').hidden ? null : byId('practice-variant-name').textContent,
    score: byId('practice-score').textContent,
    problems: [...document.querySelectorAll('.practice-problem')].map((problem) => {
      const field = problem.querySelector('.practice-answer');
      return {
        name: problem.querySelector('.practice-problem-name').textContent,
        sentence: problem.querySelector('.practice-sentence').textContent,
        question: problem.querySelector('.practice-question').textContent,
        verdict: problem.querySelector('.practice-verdict').textContent,
        reason: problem.querySelector('.practice-reason').textContent,
        locked: field.readOnly,
        solution: problem.querySelector('.practice-solution').hidden
          ? null : texts(problem, '.practice-known, .practice-answer-line'),
      };
    }),
  };
});

// The printed sheet's variant: its sentences, and its key's known values and answers.
async function printedVariant(browser, url, variant) {
  const page = await openPage(browser, url);
  const printed = await page.evaluate((v) => {
    const texts = (root, selector) => [...root.querySelectorAll(selector)].map((e) => e.textContent);
    return {
      sentences: texts(document.querySelectorAll('.sheet-variant')[v - 1], '.sheet-sentence'),
      known: texts(document.querySelectorAll('.sheet-key-variant')[v - 1], '.sheet-known'),
      answers: texts(document.querySelectorAll('.sheet-key-variant')[v - 1], '.sheet-answer'),
    };
  }, variant);
  await page.close();
  return printed;
}

// "X = (11 * 8 * 40) / (88 * 32) = 1,25" as the decimal "1,25" and the fraction "3520/2816".
function answerForms(answerLine) {
  const [, a, b, c, d, e, value] =
    answerLine.match(/^X = \((\d+) \* (\d+) \* (\d+)\) \/ \((\d+) \* (\d+)\) = (.+)$/);
  return { decimal: value, fraction: `${a * b * c}/${d * e}` };
}

async function typeAnswer(page, number, text) {
  await page.focus(`#practice-answer-${number}`);
  await page.keyboard.type(text);
}

// Sets a field as a paste would, without typing it key by key.
const paste = (page, number, text) => page.evaluate((n, value) => {
  const field = document.getElementById(`practice-answer-${n}`);
  field.value = value;
  field.dispatchEvent(new Event('input', { bubbles: true }));
}, number, text);

describe(`the pupils' practice page in ${engine}`, () => {
  let server;
  let browser;
  let printed;
  before(async () => {
    server = await serveFolder(pageDir);
    browser = await launchOrSkip(engine, { language: 'bg', viewport });
    printed = await printedVariant(browser, `${server.url}sheet.html${sheetQuery}&key=1`, 7);
  });
  after(async () => {
    await browser?.close();
    await server?.close();
  });

  it('asks for the pupil\'s number, opens that variant of the printed sheet, and Back asks again',
    async () => {
      const page = await openPage(browser, `${server.url}practice.html${sheetQuery}`);
      assert.equal(await page.title(), 'Упражнение – сложно тройно правило');
      const asking = await shown(page);
      assert.deepEqual([asking.asking, asking.refusal, asking.sheetAsked, asking.variant],
        [true, '', false, null]);
      assert.equal(await page.evaluate(() => document.querySelector('label[for="practice-number"]')
        .textContent), 'Твоят номер в класа:');
      assert.equal(await page.evaluate(() => document.activeElement.id), 'practice-number');
      await page.keyboard.type('7');
      await page.keyboard.press('Enter');
      await page.waitForFunction(() => !document.getElementById('practice-answers').hidden,
        { polling: 50 });
      const opened = await shown(page);
      assert.equal(opened.search, `${sheetQuery}&variant=7`);
      assert.equal(opened.variant, 'Вариант 7');
      assert.deepEqual(opened.problems.map((p) => p.name),
        ['Задача 1.', 'Задача 2.', 'Задача 3.', 'Задача 4.', 'Задача 5.']);
      assert.deepEqual(opened.problems.map((p) => p.sentence), printed.sentences);
      assert.deepEqual(opened.problems.map((p) => p.question), Array(5).fill('X = ?'));
      assert.equal(opened.score, '');
      assert.ok(!await page.evaluate(() => document.body.textContent.includes('X = (')),
        'no solution in the page before checking');

      await page.evaluate(() => history.back());
      await page.waitForFunction(() => !document.getElementById('practice-start').hidden,
        { polling: 50 });
      assert.equal((await shown(page)).search, sheetQuery);
      assert.deepEqual(await page.errors(), []);
      await page.close();
    });

  // Refused, and never some other pupil's variant or a new sheet.
  for (const [query, typed, refusal] of [
    [sheetQuery, '27', `${noSuchVariant} Вариантите в този лист са от 1 до 26.`],
    [sheetQuery, 'седем', `${noSuchVariant} Вариантите в този лист са от 1 до 26.`],
    [`${sheetQuery}&variant=99`, null, `${noSuchVariant} Вариантите в този лист са от 1 до 26.`],
    ['?code=3CFPS7&n=5&variants=26&variant=7', null, noSuchCode],
    ['?code=3CFPS6&n=50&variants=26&variant=7', null,
      'Връзката към листа е сгрешена: поискай я отново от учителя.'],
  ]) {
    it(`refuses ${typed ? `the number "${typed}"` : query}`, async () => {
      const page = await openPage(browser, `${server.url}practice.html${query}`);
      if (typed) {
        await page.focus('#practice-number');
        await page.keyboard.type(typed);
        await page.keyboard.press('Enter');
      }
      await page.waitForFunction((text) =>
        document.getElementById('practice-refusal').textContent === text, { polling: 50 },
      refusal);
      const refused = await shown(page);
      assert.deepEqual([refused.asking, refused.variant, refused.problems], [true, null, []]);
      assert.equal(refused.search, query, 'the address as it was');
      assert.ok(!await page.evaluate(() => /Нов лист/.test(document.body.textContent)));
      if (refusal === noSuchCode) {
        assert.equal(refused.sheetAsked, true, 'the code can be put right');
        assert.equal(await page.$eval('#practice-code', (field) => field.value), '3CFPS7');
      }
      assert.deepEqual(await page.errors(), []);
      await page.close();
    });
  }

  it('without a sheet in the link, takes its code and count, keeping them while the number is put right',
    async () => {
      const page = await openPage(browser, `${server.url}practice.html`);
      const empty = await shown(page);
      assert.deepEqual([empty.asking, empty.sheetAsked, empty.refusal], [true, true, '']);
      assert.equal(await page.evaluate(() => document.activeElement.id), 'practice-code');
      // A live region is in the page before it says anything, or nothing is read out.
      assert.equal(await page.$eval('#practice-refusal', (region) =>
        getComputedStyle(region).display), 'block');
      await page.keyboard.type('3cf-ps6');
      await page.focus('#practice-problems');
      await page.keyboard.type('5');
      await page.focus('#practice-number');
      await page.keyboard.type(beyondAnySheet);
      await page.keyboard.press('Enter');
      await page.waitForFunction((text) => document.getElementById('practice-refusal')
        .textContent === text, { polling: 50 }, noSuchVariant);
      assert.equal((await shown(page)).sheetAsked, true, 'the sheet can still be put right');
      await page.evaluate(() => { document.getElementById('practice-number').value = '7'; });
      await page.keyboard.press('Enter');
      await page.waitForFunction(() => !document.getElementById('practice-answers').hidden,
        { polling: 50 });
      const opened = await shown(page);
      assert.equal(opened.search, '?code=3CFPS6&n=5&variant=7');
      assert.deepEqual(opened.problems.map((p) => p.sentence), printed.sentences);
      assert.equal(opened.refusal, '');
      assert.deepEqual(await page.errors(), []);
      await page.close();
    });

  it('checks the answers: right, wrong, empty and no number; settles and solves the answered',
    async () => {
      const page = await openPage(browser, `${server.url}practice.html${sheetQuery}&variant=7`);
      assert.equal(await page.$eval('#practice-score', (region) =>
        getComputedStyle(region).display), 'block');
      const forms = printed.answers.map(answerForms);
      await typeAnswer(page, 1, `X = ${forms[0].decimal}`);
      await typeAnswer(page, 2, forms[1].fraction);
      await typeAnswer(page, 3, `${forms[2].decimal}1`);
      await typeAnswer(page, 5, 'пет');
      await page.keyboard.press('Enter');
      await page.waitForFunction(() => document.getElementById('practice-score').textContent,
        { polling: 50 });
      const checked = await shown(page);
      assert.equal(checked.score, 'Верни отговори: 2 от 5');
      assert.deepEqual(checked.problems.map((p) => [p.verdict, p.reason, p.locked]), [
        ['Вярно', '', true],
        ['Вярно', '', true],
        ['Грешно', '', true],
        ['Няма отговор', '', false],
        ['Грешно', 'Това не е число.', false],
      ]);
      assert.deepEqual(checked.problems.map((p) => p.solution), [0, 1, 2, null, null]
        .map((i) => (i === null ? null : [printed.known[i], printed.answers[i]])));
      // A settled answer cannot be changed; the open ones are checked again.
      await page.focus('#practice-answer-3');
      await page.keyboard.type('9');
      assert.equal(await page.$eval('#practice-answer-3', (field) => field.value),
        `${forms[2].decimal}1`);
      await paste(page, 5, '');
      await typeAnswer(page, 4, forms[3].decimal.replace(',', '.'));
      await typeAnswer(page, 5, ` ${forms[4].decimal} `);
      await page.click('#practice-answers button[type="submit"]');
      await page.waitForFunction(() => document.getElementById('practice-score').textContent
        === 'Верни отговори: 4 от 5', { polling: 50 });
      const again = await shown(page);
      assert.deepEqual(again.problems.map((p) => [p.verdict, p.locked]),
        [['Вярно', true], ['Вярно', true], ['Грешно', true], ['Вярно', true], ['Вярно', true]]);
      assert.equal(await page.$eval('#practice-score', (score) =>
        `${score.getAttribute('role')} ${score.getAttribute('aria-live')}`), 'status polite');
      assert.deepEqual(await page.errors(), []);
      await page.close();
    });

  // A hint opened before checking is said in the verdict; once settled, a problem's solution
  // takes its hint's place. Until then the page holds no chain and no answer.
  it('tells answers given after a hint, and solves the settled problems in full', async () => {
    const page = await openPage(browser, `${server.url}practice.html${sheetQuery}&variant=7`);
    const value = (line) => line.split(' = ').at(-1);
    // Each problem's answer typed, whether its hint is opened, and its verdict.
    const rows = [
      [value(printed.answers[0]), true, 'Вярно, с подсказка'],
      [`${value(printed.answers[1])}1`, true, 'Грешно, с подсказка'],
      ['', true, 'Няма отговор'],
      [value(printed.answers[3]), false, 'Вярно'],
      ['', false, 'Няма отговор'],
    ];
    for (const [index, [answer, hint]] of rows.entries()) {
      if (hint) {
        await page.click(`#practice-hint-${index + 1} > summary`);
      }
      if (answer) {
        await typeAnswer(page, index + 1, answer);
      }
    }
    await page.waitForFunction(() => document.querySelectorAll('.practice-hint[open]').length === 3,
      { polling: 50 });
    assert.deepEqual(await page.evaluate(() => [
      document.querySelectorAll('.practice-hint .solution-condition').length,
      document.querySelectorAll('.practice-hint .solution-step').length,
      document.querySelectorAll('.solution-chain, .solution-answer').length,
    ]), [5, 10, 0], 'the hints hold the short condition and the proportions only');
    await page.click('#practice-answers button[type="submit"]');
    await page.waitForFunction(() => document.getElementById('practice-score').textContent,
      { polling: 50 });
    const checked = await page.evaluate(() => [...document.querySelectorAll('.practice-problem')]
      .map((problem, i) => {
        const part = (name) => document.getElementById(`practice-${name}-${i + 1}`);
        const chain = part('solution').querySelector('.solution-chain');
        return [part('verdict').textContent, part('answer').readOnly, part('hint').hidden,
          part('solution').hidden ? null : chain && chain.textContent.split(' = ').at(-1)];
      }));
    assert.deepEqual(checked, rows.map(([, , verdict], i) => {
      const settled = verdict !== 'Няма отговор';
      return [verdict, settled, settled, settled ? value(printed.answers[i]) : null];
    }));
    assert.deepEqual(await page.errors(), []);
    await page.close();

    const without = await openPage(browser,
      `${server.url}practice.html${sheetQuery}&variant=7&hints=0`);
    assert.deepEqual(await without.evaluate(() => [
      document.querySelectorAll('.practice-problem').length,
      document.querySelectorAll('.practice-hint').length,
    ]), [5, 0], 'hints=0: no hints');
    await without.close();
  });

  // The line handed in through a chat that puts a time and a name before it, wraps it and brings
  // another sheet's line: the teacher's page marks it again, and shows the name as text. Each
  // answer: as typed, its hint opened, in the line, in the teacher's table.
  for (const [query, first, later, variant, name, answers] of [
    [sheetQuery, '7', null, 7, '<img src=x onerror=alert(1)>', (key) => [
      [key[0], false, key[0], 'вярно'],
      [`${key[1]}1`, true, `${key[1]}1 п`, `грешно, с подсказка ${key[1]}1`],
      ['', false, '', 'без отговор'], ['пет', false, '?', 'грешно ?'],
      [key[4], true, `${key[4]} п`, 'вярно, с подсказка']]],
    // One variant tells nothing of the pupil: the number is asked after the check. 1,5 is the
    // key's first answer.
    ['?code=QY5GFR&n=2&variants=1', null, '12', 1, '=1+1', () => [
      ['1,5', true, '1,5 п', 'вярно, с подсказка'], ['-5', false, '-5', 'грешно -5']]],
  ]) {
    it(`hands in a result line that the teacher's page reads back, from ${query}`, async () => {
      const given = answers(printed.answers.map((line) => line.split(' = ').at(-1)));
      const page = await openPage(browser, `${server.url}practice.html${query}`);
      if (first) {
        await page.focus('#practice-number');
        await page.keyboard.type(`${first}\n`);
        await page.waitForFunction(() => !document.getElementById('practice-answers').hidden,
          { polling: 50 });
      }
      for (const [index, [typed, hint]] of given.entries()) {
        if (hint) {
          await page.click(`#practice-hint-${index + 1} > summary`);
        }
        if (typed) {
          await typeAnswer(page, index + 1, typed);
        }
      }
      await page.click('#practice-answers button[type="submit"]');
      await page.waitForFunction(() => !document.getElementById('practice-result').hidden,
        { polling: 50 });
      // The line, or what is said where it is not shown.
      const result = () => page.evaluate(() => {
        const [line, missing] = ['line', 'missing']
          .map((part) => document.getElementById(`practice-result-${part}`));
        return line.hidden ? !missing.hidden && missing.textContent : line.value;
      });
      if (later) {
        assert.equal(await result(), 'Напиши номера си в класа, за да се покаже резултатът.');
        await page.focus('#practice-result-number');
        await page.keyboard.type(later);
      }
      await page.focus('#practice-result-name');
      await page.keyboard.type(name);
      const [code, otherCode] = query.includes('QY5GFR')
        ? ['QY5GFR', '3CFPS6'] : ['3CFPS6', 'QY5GFR'];
      const line = `Резултат 1 | ${code} | вариант ${variant} | № ${first ?? later} | ${name} | ` +
        `${given.map((answer) => answer[2]).join('; ')} |`;
      assert.equal(await result(), line);
      await page.close();

      const sheet = await openPage(browser, `${server.url}sheet.html${query}`);
      await sheet.evaluate(() => { window.alert = (text) => { window.alerted = text; }; });
      const other = line.replace(code, otherCode);
      await pasteResults(sheet, `[18:02] Мама на Иван: ${line.replace(' | № ', '\n| № ')}\n` +
        `Госпожо, ето.\n${other}`);
      const right = given.map((answer) => (answer[3].startsWith('вярно') ? 1 : 0));
      assert.deepEqual(await resultsShown(sheet), {
        status: 'Прочетени резултати: 1, извън таблицата: 1.',
        rows: [[first ?? later, name, String(variant), ...given.map((answer) => answer[3]),
          String(right.reduce((sum, one) => sum + one))]],
        right: ['Верни отговори', ...right.map(String), ''],
        apart: [[`От друг лист: код ${otherCode}.`, other]],
      });
      assert.deepEqual(await sheet.evaluate(() => [document.querySelectorAll('img').length,
        window.alerted ?? null]), [0, null], 'no element made from a name');
      assert.deepEqual(await sheet.errors(), []);
      await sheet.close();
    });
  }

  it('takes any paste without harm, and keeps nothing and sends nothing', async () => {
    const page = await openPage(browser, `${server.url}practice.html${sheetQuery}&variant=3`);
    // What the server was asked for after loading, but what the browser fetches when it likes:
    // the icon, and the service worker's script, which it checks for updates.
    const asked = () => server.requests.filter((path) => !/\.png$|^\/sw\.js$/.test(path));
    const loaded = asked().length;
    await paste(page, 1, '7'.repeat(10000));
    await paste(page, 2, 'x'.repeat(10000));
    await paste(page, 3, '1/0');
    await paste(page, 4, '2,5,1');
    await page.click('#practice-answers button[type="submit"]');
    await page.waitForFunction(() => document.getElementById('practice-score').textContent,
      { polling: 50 });
    const checked = await shown(page);
    assert.deepEqual(checked.problems.map((p) => [p.verdict, p.reason, p.locked]).slice(0, 4),
      Array(4).fill(['Грешно', 'Това не е число.', false]));
    const kept = await page.evaluate(() => ({
      local: localStorage.length,
      session: sessionStorage.length,
      cookie: document.cookie,
      autocomplete: [...document.querySelectorAll('input')]
        .filter((field) => field.getAttribute('autocomplete') !== 'off').map((field) => field.id),
      inputModes: [...document.querySelectorAll('.practice-answer')]
        .map((field) => field.inputMode || 'text'),
    }));
    assert.deepEqual(asked().slice(loaded), [], 'nothing asked of the server after loading');
    assert.deepEqual(kept, {
      local: 0, session: 0, cookie: '', autocomplete: [],
      inputModes: Array(5).fill('text'),
    });
    assert.deepEqual(await page.errors(), []);
    await page.close();
  });

  it('is used with the keyboard alone: the answers in order, then "Провери"', async () => {
    const page = await openPage(browser, `${server.url}practice.html?code=QY5GFR&n=2&variants=1`);
    assert.equal((await shown(page)).variant, 'Вариант 1', 'one variant: nothing to ask');
    await page.focus('#practice-answer-1');
    const visited = [];
    for (let i = 0; i < 4; ++i) {
      await page.keyboard.press('Tab');
      visited.push(await page.evaluate(() =>
        document.activeElement.id || document.activeElement.textContent));
    }
    assert.deepEqual(visited, ['Подсказка', 'practice-answer-2', 'Подсказка', 'Провери']);
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.getElementById('practice-score').textContent
      === 'Верни отговори: 0 от 2', { polling: 50 });
    await page.close();
  });

  it('gives the teacher the pupils\' link, on the clipboard where allowed', async () => {
    const page = await openPage(browser, `${server.url}sheet.html${sheetQuery}&key=0`);
    if (engine === 'chromium') {
      const session = await page.page.createCDPSession();
      await session.send('Browser.grantPermissions', {
        origin: new URL(server.url).origin,
        permissions: ['clipboardReadWrite', 'clipboardSanitizedWrite'],
      });
    }
    await page.click('#sheet-pupils');
    await page.waitForFunction(() => document.getElementById('sheet-status').textContent !== '',
      { polling: 50 });
    const link = `${server.url}practice.html${sheetQuery}`;
    const outcome = await page.evaluate(() => ({
      status: document.getElementById('sheet-status').textContent,
      shown: !document.getElementById('sheet-pupils-box').hidden,
      value: document.getElementById('sheet-pupils-link').value,
      note: !document.getElementById('sheet-pupils-note').hidden,
    }));
    assert.deepEqual([outcome.shown, outcome.value, outcome.note], [true, link, false]);
    if (engine === 'chromium') {
      assert.equal(outcome.status, 'Връзката за учениците е копирана.');
      assert.equal(await page.evaluate(() => navigator.clipboard.readText()), link);
    } else {
      assert.match(outcome.status, /^Връзката (за учениците е копирана|е избрана: копирайте я с Ctrl\+C)\.$/);
    }
    // The link follows the settings.
    await page.evaluate(() => {
      const field = document.getElementById('sheet-variants');
      field.value = '30';
      field.dispatchEvent(new Event('input', { bubbles: true }));
    });
    assert.equal(await page.$eval('#sheet-pupils-link', (field) => field.value),
      `${server.url}practice.html?code=3CFPS6&n=5&variants=30`);
    // Hints switched off, for the pupils and in the sheet's own address.
    await page.click('#sheet-hints');
    assert.deepEqual(await page.evaluate(() => [document.getElementById('sheet-pupils-link').value,
      location.search]), [`${server.url}practice.html?code=3CFPS6&n=5&variants=30&hints=0`,
      '?code=3CFPS6&n=5&variants=30&key=0&hints=0']);
    await page.close();
  });

  it('reads on a 360-pixel phone, and keeps the answer typed in view above the keyboard',
    { skip: engine !== 'chromium' && 'phone-sized viewports are checked in Chromium' },
    async () => {
      const page = await openPage(browser,
        `${server.url}practice.html?code=QY5GFR&n=20&variants=1`,
        { viewport: { width: 360, height: 740 } });
      await typeAnswer(page, 1, '1');
      await page.keyboard.press('Enter');
      await page.waitForFunction(() => document.getElementById('practice-score').textContent,
        { polling: 50 });
      const widths = await page.evaluate(() => ({
        page: document.documentElement.scrollWidth,
        widest: Math.max(...[...document.querySelectorAll('body *')]
          .map((element) => element.getBoundingClientRect().right)),
      }));
      assert.ok(widths.page <= 360 && widths.widest <= 360, JSON.stringify(widths));
      // A field low on the screen, then the keyboard takes half of it.
      await page.evaluate(() => window.scrollTo(0, 0));
      await page.focus('#practice-answer-3');
      await page.evaluate(() => {
        const field = document.getElementById('practice-answer-3');
        window.scrollBy(0, field.getBoundingClientRect().bottom - innerHeight + 10);
      });
      await page.setViewport({ width: 360, height: 370 });
      await page.waitForFunction(() => {
        const box = document.getElementById('practice-answer-3').getBoundingClientRect();
        return box.top >= 0 && box.bottom <= innerHeight + 1;
      }, { polling: 50, timeout: 5000 });
      await page.close();
    });

  it('passes axe-core\'s accessibility checks, asking, refusing and checked', async () => {
    for (const [query, check] of [[sheetQuery, false], [`${sheetQuery}&variant=99`, false],
      [`${sheetQuery}&variant=2`, true], ['', false]]) {
      const page = await openPage(browser, `${server.url}practice.html${query}`);
      if (check) {
        await typeAnswer(page, 1, '1');
        await paste(page, 2, 'пет');
        await page.click('#practice-answers button[type="submit"]');
      }
      assert.deepEqual(await axeViolations(page), [], query);
      await page.close();
    }
  });
});

describe('the practice page opened from its folder, as from a USB stick', () => {
  it('opens a variant, and the teacher\'s page says what to give the pupils instead of a link',
    async () => {
      const browser = await launchOrSkip(engine, { language: 'bg', viewport });
      try {
        const folder = pathToFileURL(pageDir).href;
        const page = await openPage(browser, `${folder}/practice.html?code=QY5GFR&n=1&variant=4`);
        assert.equal((await shown(page)).variant, 'Вариант 4');
        assert.deepEqual(await page.errors(), []);
        await page.close();

        const sheet = await openPage(browser, `${folder}/sheet.html?code=QY5GFR&n=3&variants=26`);
        await sheet.click('#sheet-pupils');
        const note = await sheet.evaluate(() => ({
          box: !document.getElementById('sheet-pupils-box').hidden,
          note: document.getElementById('sheet-pupils-note').hidden
            ? null : document.getElementById('sheet-pupils-note').textContent,
          status: document.getElementById('sheet-status').textContent,
        }));
        assert.equal(note.box, false);
        assert.match(note.note, /уеб сървър/);
        assert.match(note.note, /„Страницата на училищен сървър“ в ръководството за учителя/);
        assert.match(note.note, /код QY5GFR, 3 задачи\.$/);
        assert.equal(note.status, 'Страницата е отворена от файл и връзка за учениците не може ' +
          'да се даде: вижте „Страницата на училищен сървър“ в ръководството за учителя.');
        await sheet.close();
      } finally {
        await browser.close();
      }
    });
});

describe('the practice page served over the network, then without it', {
  skip: engine !== 'chromium' && 'offline is checked in Chromium',
}, () => {
  it('works offline after one visit', async () => {
    const server = await serveFolder(pageDir, {}, { offline: true });
    const browser = await launchOrSkip(engine, { language: 'bg', viewport });
    try {
      const first = await openPage(browser, `${server.url}practice.html${sheetQuery}`);
      await first.evaluate(() => navigator.serviceWorker.ready);
      await first.close();
      await server.close();

      const offline = await openPage(browser, `${server.url}practice.html${sheetQuery}&variant=7`);
      assert.equal((await shown(offline)).variant, 'Вариант 7');
      assert.deepEqual(await offline.errors(), []);
      await offline.close();
    } finally {
      await browser.close();
    }
  });
});
