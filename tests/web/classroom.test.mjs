// The page as pupils and a school meet it, beyond posing and solving: undo that takes back only
// what the pupil typed, any language the browser reports, a design that stays where it is
// whatever has the focus, clicks that reach the page whatever the pupil was doing, a screen
// reader told of each new text; and, in Chromium, the page offline after one visit and
// installable.
//
// Environment: PROPORCIA_BROWSER, the engine (lib/engines.mjs); PROPORCIA_PAGE_DIR, the page's
// folder.
import assert from 'node:assert/strict';
import { cpSync, existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { axeViolations } from './lib/accessibility.mjs';
import { engineOfEnvironment, launchOrSkip } from './lib/engines.mjs';
import { pressChord, redo, redoByY, undo } from './lib/keys.mjs';
import { openPage } from './lib/open_page.mjs';
import { serveFolder } from './lib/static_server.mjs';
import { introLines } from './lib/transcript_rules.mjs';

const pageDir = process.env.PROPORCIA_PAGE_DIR;
const engine = engineOfEnvironment();
assert.ok(pageDir && existsSync(join(pageDir, 'index.html')), 'PROPORCIA_PAGE_DIR: no page there');

const value = (page) => page.$eval('#Text1_0', (t) => t.value);
const click = async (page, id) => (await page.$(`#${id}`)).click();
const typeAtEnd = async (page, text) => {
  await click(page, 'Text1_0');
  await pressChord(page, 'Control+End');
  await page.keyboard.type(text);
};

// An editing command of Chromium's, as a key bound to it sends it.
async function command(session, name) {
  await session.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', commands: [name] });
  await session.send('Input.dispatchKeyEvent', { type: 'keyUp' });
}

// What a browser may report: a tag Intl refuses ("C" under WebKitGTK's C locale), none, or one
// it does not know.
const reportLanguages = (tags) => (page) => page.evaluateOnNewDocument((tags) => {
  Object.defineProperty(navigator, 'language', { get: () => tags[0] });
  Object.defineProperty(navigator, 'languages', { get: () => tags });
}, tags);

const viewport = { width: 600, height: 420 };

describe(`the page in the classroom, in ${engine}`, () => {
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

  // Each row ends with the box as it must stay: undo and redo bring back nothing the program
  // replaced, and take back nothing of what it wrote.
  for (const row of [
    {
      what: 'the box emptied, a new problem, then undo',
      steps: async (page) => {
        await click(page, 'Text1_0');
        await pressChord(page, 'Control+KeyA');
        await page.keyboard.press('Backspace');
        await click(page, 'Command1_0');
        await click(page, 'Text1_0');
        await undo(page);
      },
      keeps: 'Задача',
    },
    {
      what: 'an old problem typed over, a new one, then undo and redo',
      steps: async (page) => {
        await click(page, 'Command1_0');
        await click(page, 'Text1_0');
        await pressChord(page, 'Control+KeyA');
        await page.keyboard.type('моят текст');
        await click(page, 'Command1_0');
        await click(page, 'Text1_0');
        await undo(page);
        await redo(page);
      },
      keeps: 'Задача',
    },
    {
      what: 'typed, "Сметки", then undo, Ctrl+Y and Ctrl+Shift+Z',
      steps: async (page) => {
        await click(page, 'Command1_0');
        await typeAtEnd(page, 'ab');
        await click(page, 'Command1_1');
        await click(page, 'Text1_0');
        await undo(page);
        await redoByY(page);
        await redo(page);
      },
      keeps: 'Сметки',
    },
    {
      what: 'typed, a new problem, then undo and Ctrl+Shift+Z',
      steps: async (page) => {
        await click(page, 'Command1_0');
        await typeAtEnd(page, 'XYZ');
        await click(page, 'Command1_0');
        await click(page, 'Text1_0');
        await undo(page);
        await redo(page);
      },
      keeps: 'Задача',
    },
  ]) {
    it(`keeps what the program wrote: ${row.what}`, async () => {
      const page = await openPage(browser, server.url);
      await page.evaluate(() => {
        window.writtenByProgram = [];
        for (const id of ['Command1_0', 'Command1_1']) {
          // After the page's own handler: what the command wrote.
          document.getElementById(id).addEventListener('click', () => {
            window.writtenByProgram.push(document.getElementById('Text1_0').value);
          });
        }
      });
      await row.steps(page);
      const written = await page.evaluate(() => window.writtenByProgram);
      assert.ok(written.length > 0);
      assert.equal(await value(page), written.at(-1), `the text "${row.keeps}" left`);
      await page.close();
    });
  }

  it('takes back and redoes the pupil\'s own typing, a run at a time', async () => {
    const page = await openPage(browser, server.url);
    await click(page, 'Command1_0');
    const posed = await value(page);
    await typeAtEnd(page, 'мисля, че');
    await page.keyboard.press('Enter');
    await page.keyboard.type('5');
    const typed = await value(page);
    const states = [];
    for (let i = 0; i < 4; ++i) {
      await undo(page);
      states.push((await value(page)).slice(posed.length));
    }
    assert.deepEqual(states, ['мисля, че\n', 'мисля, че', '', ''], 'the runs, then nothing more');
    for (let i = 0; i < 3; ++i) {
      await redoByY(page);
    }
    assert.equal(await value(page), typed);
    await page.close();
  });

  // An input method composes a word in steps; it is typed, and undone, as one.
  it('takes back a composed word whole', { skip: engine !== 'chromium' && 'no input method here' },
    async () => {
      const page = await openPage(browser, server.url);
      await click(page, 'Command1_0');
      const posed = await value(page);
      await typeAtEnd(page, '');
      const session = await page.page.createCDPSession();
      await session.send('Input.imeSetComposition', { text: 'м', selectionStart: 1, selectionEnd: 1 });
      await session.send('Input.imeSetComposition', { text: 'ми', selectionStart: 2, selectionEnd: 2 });
      await session.send('Input.insertText', { text: 'мир' });
      await page.keyboard.type('!');
      await undo(page);
      assert.equal((await value(page)).slice(posed.length), 'мир');
      await undo(page);
      assert.equal(await value(page), posed);
      await page.close();
    });

  // Edits the browser makes otherwise than it reports them, or that cannot be undone as they
  // are: undo and redo then do nothing rather than bring back a text the box never held. Each
  // text the box holds after an edit of the user's is kept; after each undo and redo, the box
  // must hold one of them, and as much as the row expects of it.
  const chromiumOnly = engine !== 'chromium' && 'an input method, a paste and a transpose are ' +
    'sent through Chromium\'s DevTools only';
  for (const row of [
    {
      what: 'an input method\'s line break, committed by typing q',
      skip: chromiumOnly,
      steps: async (page, session) => {
        await page.keyboard.type('ab');
        await session.send('Input.imeSetComposition',
          { text: '\r\n', selectionStart: 2, selectionEnd: 2 });
        await session.send('Input.insertText', { text: 'q' });
      },
      afterUndo: ['ab\n', 'ab', ''],
    },
    {
      what: 'a paste, then undo by key and by the browser under an open composition',
      skip: chromiumOnly,
      steps: async (page, session) => {
        await page.evaluate(() => navigator.clipboard.writeText('z'));
        await command(session, 'paste');
        await session.send('Input.imeSetComposition',
          { text: 'é', selectionStart: 1, selectionEnd: 1 });
        await undo(page);
        await command(session, 'undo');
      },
      afterUndo: ['zé', 'zé'],
    },
    {
      what: 'a transpose of the characters around the caret',
      skip: chromiumOnly,
      steps: async (page, session) => {
        await page.keyboard.type('xaby');
        await page.keyboard.press('ArrowLeft');
        await page.keyboard.press('ArrowLeft');
        await command(session, 'transpose');
      },
      afterUndo: ['xbay'],
    },
    {
      what: 'a lone surrogate between characters beyond the Basic Multilingual Plane, replaced',
      steps: async (page) => {
        // Typed by no key: an editing command puts it in, as an input method might.
        await page.evaluate(
          () => document.execCommand('insertText', false, '\u{90000}\uD800\u{90000}'));
        await page.evaluate(() => {
          const box = document.getElementById('Text1_0');
          box.setSelectionRange(box.textLength - 3, box.textLength - 2);
        });
        await page.keyboard.type('b');
      },
      afterUndo: ['\u{90000}\uD800\u{90000}'],
      afterRedo: ['\u{90000}b\u{90000}'],
    },
  ]) {
    it(`undoes only into texts the box held: ${row.what}`, { skip: row.skip }, async () => {
      const page = await openPage(browser, server.url);
      await click(page, 'Command1_0');
      const posed = await value(page);
      await typeAtEnd(page, '');
      await page.evaluate(() => {
        const box = document.getElementById('Text1_0');
        window.heldTexts = new Set([box.value]);
        // After the page's own handlers; the page's undo and redo raise no input event.
        const keep = () => window.heldTexts.add(box.value);
        box.addEventListener('input', keep);
        box.addEventListener('compositionend', keep);
      });
      const session = engine === 'chromium' ? await page.page.createCDPSession() : null;
      if (session) {
        await session.send('Browser.grantPermissions', {
          origin: new URL(server.url).origin,
          permissions: ['clipboardReadWrite', 'clipboardSanitizedWrite'],
        });
      }
      await row.steps(page, session);
      const held = async (what) => {
        const [text, isHeld] = await page.evaluate(() => {
          const text = document.getElementById('Text1_0').value;
          return [text, window.heldTexts.has(text)];
        });
        assert.ok(isHeld, `${what}: ${JSON.stringify(text.slice(posed.length))} never held`);
        return text.slice(posed.length);
      };
      await held('after the edits');
      for (const [i, expected] of row.afterUndo.entries()) {
        await undo(page);
        assert.equal(await held(`undo ${i + 1}`), expected, `undo ${i + 1}`);
      }
      for (const [i, expected] of (row.afterRedo ?? []).entries()) {
        await redo(page);
        assert.equal(await held(`redo ${i + 1}`), expected, `redo ${i + 1}`);
      }
      await page.close();
    });
  }

  // Whatever the pupil was doing, a click on "Задача" poses a new problem: none is lost.
  for (const [what, before] of [
    ['with the caret in the transcript', (page) => typeAtEnd(page, '')],
    ['right after typing', (page) => typeAtEnd(page, 'abc')],
    ['with all the text selected', async (page) => {
      await click(page, 'Text1_0');
      await pressChord(page, 'Control+KeyA');
    }],
    ['with a list focused', (page) => page.focus('#List1_3')],
    ['with another letter marked by hand', (page) => click(page, 'Option1_4')],
    ['after "Сметки"', (page) => click(page, 'Command1_1')],
  ]) {
    it(`takes a click on "Задача" ${what}`, async () => {
      const page = await openPage(browser, server.url);
      await click(page, 'Command1_0');
      await before(page);
      const ahead = await value(page);
      await click(page, 'Command1_0');
      const posed = await value(page);
      assert.notEqual(posed, ahead);
      assert.match(posed, /^Примерен текст на условие:\n.+\nX = \?\n$/);
      await page.close();
    });
  }

  // Any tag the browser gives, or none, starts the page; the answers then use the separator of
  // the first language the browser can format numbers in, or its default locale's.
  for (const [tags, separator] of [
    [['C'], null],
    [[''], null],
    [['xx-invalid'], null],
    [['C', 'bg'], ','],
    [['bg'], ','],
  ]) {
    it(`starts with navigator.language ${JSON.stringify(tags[0])} of ${JSON.stringify(tags)}`,
      async () => {
        const page = await openPage(browser, server.url, { beforeLoad: reportLanguages(tags) });
        assert.deepEqual((await value(page)).split('\n').slice(0, -1), introLines);
        const expected = separator ?? await page.evaluate(
          () => new Intl.NumberFormat().formatToParts(1.5).find((p) => p.type === 'decimal').value);
        let answer = '';
        for (let cycle = 0; cycle < 40 && !/\D\d+$/.test(answer.split(' = ').pop()); ++cycle) {
          await click(page, 'Command1_0');
          await click(page, 'Command1_1');
          answer = (await value(page)).trimEnd().split('\n').pop();
        }
        const number = answer.split(' = ').pop();
        assert.match(number, /^\d+\D\d+$/, `a fraction in 40 problems: ${answer}`);
        assert.equal(number.replace(/\d/g, ''), expected);
        assert.deepEqual(await page.errors(), []);
        await page.close();
      });
  }

  // Tab onto every control, and a click into each list: the window shows its design where it was,
  // never scrolled to bring a list of the strip into view.
  it('keeps the design in place whatever takes the focus', async () => {
    const page = await openPage(browser, server.url);
    const places = () => page.evaluate(() => {
      const window = document.getElementById('MainForm');
      return {
        scrolled: [window.scrollLeft, window.scrollTop],
        controls: [...window.querySelectorAll('[id]')].map((control) => {
          const { left, top } = control.getBoundingClientRect();
          return `${control.id} ${Math.round(left)} ${Math.round(top)}`;
        }),
      };
    });
    const designed = await places();
    await click(page, 'Text1_0');
    for (let stop = 0; stop < 20; ++stop) {
      await page.keyboard.press('Tab');
      const now = await places();
      const focused = await page.evaluate(() => document.activeElement.id);
      assert.deepEqual(now, designed, `with ${focused} focused`);
    }
    for (let list = 0; list <= 16; ++list) {
      await page.focus(`#List1_${list}`);
      assert.deepEqual(await places(), designed, `with List1_${list} focused`);
    }
    await page.close();
  });

  it('tells a screen reader of each new problem and solution, from the page\'s main part',
    async () => {
      const page = await openPage(browser, server.url);
      const announced = () => page.$eval('[role="status"][aria-live="polite"]', (region) => ({
        text: region.textContent,
        inMain: region.closest('main') !== null,
      }));
      assert.equal(await page.evaluate(() => document.querySelector('main #MainForm') !== null),
        true);
      await click(page, 'Command1_0');
      const posed = await value(page);
      assert.deepEqual(await announced(), { text: posed, inMain: true });
      await typeAtEnd(page, 'мисля');
      await click(page, 'Command1_1');
      const solved = await value(page);
      assert.equal((await announced()).text, solved.slice(posed.length + 'мисля'.length),
        'only what "Сметки" added');
      await page.close();
    });

  // axe-core's checks of the page, started and solved; none found.
  it('passes axe-core\'s accessibility checks', async () => {
    const page = await openPage(browser, server.url);
    await click(page, 'Command1_0');
    await click(page, 'Command1_1');
    assert.deepEqual(await axeViolations(page), []);
    await page.close();
  });
});

// Chromium alone can be told here to go offline and asked whether a page is installable.
describe('the page served over the network, then without it', {
  skip: engine !== 'chromium' && 'offline and installing are checked in Chromium',
}, () => {
  it('is installable, and works offline after one visit', async () => {
    const server = await serveFolder(pageDir, {}, { offline: true });
    const browser = await launchOrSkip(engine, { language: 'bg', viewport });
    try {
      const first = await openPage(browser, server.url);
      await first.evaluate(() => navigator.serviceWorker.ready);
      const session = await first.page.createCDPSession();
      assert.deepEqual(
        (await session.send('Page.getInstallabilityErrors')).installabilityErrors, []);
      await first.close();
      await server.close();

      const offline = await openPage(browser, server.url);
      await click(offline, 'Command1_0');
      assert.match(await value(offline), /^Примерен текст на условие:\n.+\nX = \?\n$/);
      await click(offline, 'Command1_1');
      assert.match(await value(offline), /\nОтговор: \nX = .+\n$/);
      assert.deepEqual(await offline.errors(), []);
      await offline.close();
    } finally {
      await browser.close();
    }
  });

  // A new build's service worker keeps its files in a cache named after them, and drops the old.
  it('replaces the files it keeps when a new build is served', async () => {
    const folder = mkdtempSync(join(tmpdir(), 'proporcia-page-'));
    cpSync(pageDir, folder, { recursive: true });
    const server = await serveFolder(folder, {}, { offline: true });
    const browser = await launchOrSkip(engine, { language: 'bg', viewport });
    try {
      const cacheNames = async (page) => {
        await page.evaluate(() => navigator.serviceWorker.ready);
        return page.evaluate(() => caches.keys());
      };
      const page = await openPage(browser, server.url);
      const before = await cacheNames(page);
      assert.equal(before.length, 1);
      const worker = join(folder, 'sw.js');
      writeFileSync(worker,
        readFileSync(worker, 'utf8').replace(/proporcia-[0-9a-f]+/, 'proporcia-0123456789abcdef'));
      await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
      await page.waitForFunction(async () => {
        const names = await caches.keys();
        return names.length === 1 && names[0] === 'proporcia-0123456789abcdef';
      }, { polling: 100 });
      await page.close();
    } finally {
      await browser.close();
      await server.close();
      rmSync(folder, { recursive: true, force: true });
    }
  });
});
