// The built page in a browser, driven as a user would: controls found by role and accessible
// name, real mouse clicks and key presses. The transcript is checked against the program's rules
// written out independently (lib/transcript_rules.mjs), in Bulgarian and in English.
//
// Environment: PROPORCIA_BROWSER, the engine (chromium, firefox or webkit; lib/engines.mjs);
// PROPORCIA_PAGE_DIR, the page's folder; PROPORCIA_DESKTOP_PROGRAM, the desktop program, whose
// window the page is compared with (that comparison is skipped without it);
// PROPORCIA_TEST_OUTPUT_DIR, where pictures of the comparison go.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { engineOfEnvironment, launchOrSkip } from './lib/engines.mjs';
import { compareLoosely, readPng } from './lib/image_comparison.mjs';
import { pressChord, undo } from './lib/keys.mjs';
import { openPage } from './lib/open_page.mjs';
import { serveFolder } from './lib/static_server.mjs';
import {
  checkProblem, introLines, notANumberMessage, placeholderNumbers, runtimeErrorAdvice, scenarios,
  solutionLines,
} from './lib/transcript_rules.mjs';

const pageDir = process.env.PROPORCIA_PAGE_DIR;
const desktopProgram = process.env.PROPORCIA_DESKTOP_PROGRAM;
const outputDir = process.env.PROPORCIA_TEST_OUTPUT_DIR ?? '.';
const engine = engineOfEnvironment();
assert.ok(pageDir && existsSync(join(pageDir, 'index.html')), 'PROPORCIA_PAGE_DIR: no page there');

const title = 'https://proporcia.example.org\u00A0\u00A0Математика - пропорция';

// Freezes the clocks the page's random source is seeded from, so each run poses the same
// problems; pages with different wall clocks must still differ.
const freezeClocks = (wallClockMs) => (page) => page.evaluateOnNewDocument((wall) => {
  Date.now = () => wall;
  performance.now = () => 1234.5;
}, wallClockMs);

const viewport = { width: 600, height: 420 };

// What a user of the page sees and reaches, by role and accessible name.
function controls(page) {
  const find = async (query) => {
    const handle = await page.$(`aria/${query}`);
    assert.ok(handle, `no control ${query}`);
    return handle;
  };
  return {
    makeProblem: () => find('Задача[role="button"]'),
    solve: () => find('Сметки[role="button"]'),
    transcript: () => find('Условие и решение на задачата[role="textbox"]'),
    numbers: () => find('Числата на задачата[role="listbox"]'),
    scenario: (s) => find(`Сценарий ${s}[role="listbox"]`),
    option: (letter) => find(`Търсената величина е ${letter}[role="radio"]`),
    optionGroup: () => find('Търсената величина[role="group"]'),
  };
}

// Read by id: while a modal message is open, the rest of the page is out of the user's reach.
const transcriptLines = async (page) => {
  const value = await page.$eval('#Text1_0', (t) => t.value);
  const lines = value.split('\n');
  assert.equal(lines.pop(), '', 'the transcript ends with a line break');
  return lines;
};
const items = (handle) => handle.evaluate((list) => [...list.options].map((o) => o.textContent));
const isDisabled = (handle) => handle.evaluate((element) => element.disabled);
const markedLetter = async (page) => {
  for (const letter of ['A', 'B', 'C', 'D', 'E', 'F']) {
    if (await (await controls(page).option(letter)).evaluate((input) => input.checked)) {
      return letter;
    }
  }
  return null;
};
const focusedId = (page) => page.evaluate(() => document.activeElement.closest('[id]')?.id);

async function undoTimes(page, times) {
  for (let i = 0; i < times; ++i) {
    await undo(page);
  }
}

async function makeProblem(page) {
  await (await controls(page).makeProblem()).click();
  const lines = await transcriptLines(page);
  const numbers = await items(await controls(page).numbers());
  return { lines, numbers, ...checkProblem(lines, numbers, await markedLetter(page)) };
}

for (const [language, separator, wallClockMs] of [
  ['bg', ',', 1_760_000_000_000],
  ['en-US', '.', 1_760_000_400_000],
]) {
  describe(`the page with the browser in ${language}`, () => {
    let server;
    let browser;
    before(async () => {
      server = await serveFolder(pageDir);
      browser = await launchOrSkip(engine, { language, viewport });
    });
    after(async () => {
      await browser?.close();
      await server?.close();
    });

    it('opens with the designed content, the transcript focused', async () => {
      const page = await openPage(browser, server.url);
      const ui = controls(page);
      assert.equal(await page.title(), title);
      assert.deepEqual(await transcriptLines(page), introLines);
      assert.equal(await focusedId(page), 'Text1_0');
      assert.equal(await (await ui.transcript()).evaluate((t) => t.selectionStart), 0);
      assert.ok(await ui.optionGroup());
      assert.deepEqual(await items(await ui.numbers()), placeholderNumbers);
      for (let s = 1; s <= 16; ++s) {
        assert.deepEqual(await items(await ui.scenario(s)), scenarios[s - 1], `scenario ${s}`);
      }
      assert.deepEqual(await page.errors(), []);
      await page.close();
    });

    it(`poses and solves problems by the rules, answers with "${separator}"`, async () => {
      const page = await openPage(browser, server.url, { beforeLoad: freezeClocks(wallClockMs) });
      const requestsAtLoad = server.requests.length;
      const seen = { whole: 0, fraction: 0, unknowns: new Set(), scenarios: new Set() };
      for (let cycle = 0; cycle < 40; ++cycle) {
        const posed = await makeProblem(page);
        assert.equal(await isDisabled(await controls(page).solve()), false);
        await (await controls(page).solve()).click();
        const expected = solutionLines(posed.numbers, posed.unknown, separator);
        assert.deepEqual(await transcriptLines(page), [...posed.lines, ...expected]);
        assert.equal(await isDisabled(await controls(page).solve()), true);
        assert.equal(await focusedId(page), 'Command1_0', 'the focus moves on to "Задача"');
        const answer = expected[3].split(' = ').pop();
        seen[/^\d+$/.test(answer) ? 'whole' : 'fraction'] += 1;
        seen.unknowns.add(posed.unknown);
        seen.scenarios.add(posed.scenario);
      }
      assert.ok(seen.whole > 0 && seen.fraction > 0, JSON.stringify(seen));
      assert.ok(seen.unknowns.size === 6 && seen.scenarios.size >= 12, 'the draws vary');
      // The browser may check for a newer service worker at any time; the page asks for nothing.
      assert.deepEqual(server.requests.slice(requestsAtLoad).filter((path) => path !== '/sw.js'),
        [], 'no request after loading');
      assert.deepEqual(await page.errors(), []);
      await page.close();
    });

    it('poses different problems in pages opened at different times', async () => {
      const first = [];
      for (const wall of [wallClockMs, wallClockMs + 1]) {
        const page = await openPage(browser, server.url, { beforeLoad: freezeClocks(wall) });
        first.push((await makeProblem(page)).lines[1]);
        await page.close();
      }
      assert.notEqual(first[0], first[1]);
    });

    // The pupil's own typing can be undone until the program next writes: nothing of what it
    // wrote, and nothing from before it, comes back.
    it('appends after what the user typed, and undo takes back only that', async () => {
      const page = await openPage(browser, server.url);
      const posed = await makeProblem(page);
      await (await controls(page).transcript()).focus();
      await pressChord(page, 'Control+End');
      await page.keyboard.type('мисля');
      await undo(page);
      assert.deepEqual(await transcriptLines(page), posed.lines, 'undo takes back typing whole');
      await page.keyboard.type('мисля, че');
      await page.keyboard.press('Enter');
      await page.keyboard.type('5');
      await (await controls(page).solve()).click();
      const solution = solutionLines(posed.numbers, posed.unknown, separator);
      const withTyping = [...posed.lines, 'мисля, че', `5${solution[0]}`, ...solution.slice(1)];
      assert.deepEqual(await transcriptLines(page), withTyping);

      await (await controls(page).transcript()).focus();
      await undoTimes(page, 4);
      assert.deepEqual(await transcriptLines(page), withTyping, 'nothing before "Сметки" is undone');

      const next = await makeProblem(page);
      await (await controls(page).transcript()).focus();
      await undoTimes(page, 2);
      assert.deepEqual(await transcriptLines(page), next.lines, 'a new problem is not undone');
      await page.close();
    });

    it('continues the last line when the user removed the final line break', async () => {
      const page = await openPage(browser, server.url);
      const posed = await makeProblem(page);
      await (await controls(page).transcript()).focus();
      await pressChord(page, 'Control+End');
      await page.keyboard.press('Backspace');
      await (await controls(page).solve()).click();
      const solution = solutionLines(posed.numbers, posed.unknown, separator);
      assert.deepEqual(await transcriptLines(page),
        [posed.lines[0], posed.lines[1], `X = ?${solution[0]}`, ...solution.slice(1)]);
      await page.close();
    });

    it('visits the controls in the designed order with the Tab key', async () => {
      const page = await openPage(browser, server.url);
      const { unknown } = await makeProblem(page);
      await (await controls(page).transcript()).focus();
      const visited = [];
      for (let i = 0; i < 20; ++i) {
        await page.keyboard.press('Tab');
        visited.push(await focusedId(page));
      }
      const lists = (from, to) => Array.from({ length: to - from + 1 }, (_, i) => `List1_${from + i}`);
      assert.deepEqual(visited, [
        ...lists(0, 10), 'Command1_0', `Option1_${unknown - 1}`, 'Command1_1', ...lists(11, 16),
      ]);
      await page.close();
    });

    // Which message, and what stays on screen, are the presenter's to decide; the page shows the
    // message and goes on.
    it('tells of a run-time error in Bulgarian and goes on', async () => {
      const page = await openPage(browser, server.url);
      await makeProblem(page);
      await (await controls(page).numbers()).evaluate((list) => {
        list.options[0].textContent = 'седем';
      });
      await (await controls(page).solve()).click();
      const dialog = await page.$('aria/Грешка при изпълнение[role="alertdialog"]');
      assert.ok(dialog, 'no message');
      assert.equal(await dialog.evaluate((d) => d.open), true);
      const text = await dialog.evaluate((d) => d.textContent);
      assert.match(text, new RegExp(notANumberMessage));
      assert.ok(text.includes(runtimeErrorAdvice), text);
      const fonts = await dialog.evaluate((d) => [d, document.getElementById('MainForm')].map(
        (element) => {
          const { fontFamily, fontSize } = getComputedStyle(element);
          return { fontFamily, fontSize };
        }));
      assert.deepEqual(fonts[0], fonts[1], 'in the window\'s font');
      await page.keyboard.press('Enter');
      assert.equal(await dialog.evaluate((d) => d.open), false);
      await makeProblem(page);
      await page.close();
    });
  });
}

describe('the page opened from its folder, as from a USB stick', () => {
  // From a file it neither registers a service worker nor asks for its manifest, which a browser
  // would refuse there and log.
  it('poses and solves a problem, with nothing in the console', async () => {
    const browser = await launchOrSkip(engine, { language: 'bg', viewport });
    try {
      const page = await openPage(browser, pathToFileURL(join(pageDir, 'index.html')).href);
      const posed = await makeProblem(page);
      await (await controls(page).solve()).click();
      assert.deepEqual(await transcriptLines(page),
        [...posed.lines, ...solutionLines(posed.numbers, posed.unknown, ',')]);
      assert.deepEqual(await page.errors(), []);
      assert.equal(await page.evaluate(() => document.querySelector('link[rel="manifest"]')), null);
    } finally {
      await browser.close();
    }
  });
});

const desktopSkip = !desktopProgram ? 'no desktop program given'
  : !existsSync(desktopProgram) ? `the desktop program is not built (${desktopProgram})` : false;
describe('the page beside the desktop window', { skip: desktopSkip }, () => {
  it('looks like it at start, loosely', async () => {
    const desktopPicture = join(outputDir, 'desktop-window-at-start.png');
    const script = fileURLToPath(new URL('desktop_window_at_start.sh', import.meta.url));
    const run = spawnSync(script, [desktopProgram, desktopPicture], { stdio: 'inherit' });
    assert.equal(run.status, 0, 'taking the desktop window\'s picture');

    const server = await serveFolder(pageDir);
    const browser = await launchOrSkip(engine, { language: 'bg', viewport });
    try {
      const page = await openPage(browser, server.url);
      // Both without a caret, which blinks.
      await page.evaluate(() => document.activeElement.blur());
      const window = await page.$('#MainForm');
      const pagePicture = await window.screenshot();
      writeFileSync(join(outputDir, 'page-window-at-start.png'), pagePicture);
      // Blocks of 15 × 15 pixels: texts set a pixel apart line by line by the two toolkits
      // average out, while a missing or misplaced control (the label, the two buttons) changes
      // 2 to 8 % of them. The two pictures differ in under 0.5 %.
      const share = compareLoosely(readPng(pagePicture), readPng(desktopPicture), {
        block: 15,
        tolerance: 48,
        diffPath: join(outputDir, 'page-and-desktop-window.png'),
      });
      console.log(`blocks that differ: ${(share * 100).toFixed(1)} %`);
      assert.ok(share < 0.015, `${(share * 100).toFixed(1)} % of the blocks differ`);
    } finally {
      await browser.close();
      await server.close();
    }
  });
});
