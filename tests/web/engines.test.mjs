// The driver layer of the page's tests (lib/engines.mjs) in the engine PROPORCIA_BROWSER names:
// what the page's tests take on trust from it, on small pages of their own.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { fileURLToPath } from 'node:url';
import { engineOfEnvironment, launchOrSkip, skipExitCode } from './lib/engines.mjs';
import { readPng } from './lib/image_comparison.mjs';
import { pixelAt } from './lib/pixels.mjs';
import { serveFolder } from './lib/static_server.mjs';

const engine = engineOfEnvironment();
const enginesModule = fileURLToPath(new URL('lib/engines.mjs', import.meta.url));

const page = (body, head = '') => `<!DOCTYPE html>
<html><head><meta charset="utf-8"><link rel="icon" href="data:,">${head}</head>
<body style="margin: 0">${body}</body></html>`;

const pages = {
  // Records, as its own first script, what a start script left.
  '/start.html': page('', '<script>window.seenAtStart = window.marker;</script>'),
  '/errors.html': page(`<script>
    console.log('not an error');
    console.error('told', 'apart');
    setTimeout(() => { throw new Error('thrown later'); });
  </script>`),
  '/input.html': page(`
    <textarea id="text" style="position: absolute; left: 10px; top: 10px; width: 200px"></textarea>
    <button id="button" style="position: absolute; left: 10px; top: 80px">Задача</button>
    <script>
      window.events = [];
      for (const type of ['click', 'keydown']) {
        addEventListener(type, (event) => events.push(
          [type, event.isTrusted, event.key ?? null, event.ctrlKey, event.target.id]), true);
      }
    </script>`),
  '/roles.html': page(`
    <button id="make">Задача</button>
    <button id="labelled" aria-label="Сметки">С</button>
    <textarea id="transcript" aria-label="Условие"></textarea>
    <select id="numbers" size="3" aria-label="Числата"><option>1</option></select>
    <fieldset id="group" aria-label="Търсената величина">
      <label id="option"><input type="radio" name="r" aria-label="Величина A">A</label>
    </fieldset>`),
  // A block of one colour whose child runs off its edges, clipped away.
  '/picture.html': page(`<div id="block" style="position: absolute; left: 30px; top: 20px;
    width: 100px; height: 50px; overflow: hidden; background: rgb(0, 0, 255)">
    <div style="width: 400px; height: 300px"></div></div>`),
};

let server;
let browser;
before(async () => {
  server = await serveFolder(tmpdir(), pages);
  browser = await launchOrSkip(engine, { language: 'bg', viewport: { width: 600, height: 420 } });
});
after(async () => {
  await browser?.close();
  await server?.close();
});

async function open(path) {
  const tab = await browser.newPage();
  await tab.goto(`${server.url}${path.slice(1)}`);
  return tab;
}

describe(`the driver layer in ${engine}`, () => {
  it('runs start scripts before the page\'s own, in every document loaded', async () => {
    const tab = await browser.newPage();
    await tab.evaluateOnNewDocument((value) => { window.marker = value; }, 'set');
    for (const path of ['start.html', 'start.html?again']) {
      await tab.goto(`${server.url}${path}`);
      assert.equal(await tab.evaluate(() => window.seenAtStart), 'set', path);
    }
    await tab.close();
  });

  // Each row: a function run in the page, its arguments ('#button' stands for that element), and
  // what it gives back or the rejection it ends in.
  it('gives back what scripts in the page return, and their errors as rejections', async () => {
    const tab = await open('/input.html');
    const button = await tab.$('#button');
    for (const [fn, args, outcome] of [
      [() => 41 + 1, [], { value: 42 }],
      [(a, b) => ({ sum: a + b, both: [a, b], none: null, text: 'мисля' }), [1, 2],
        { value: { sum: 3, both: [1, 2], none: null, text: 'мисля' } }],
      [() => new Promise((resolve) => setTimeout(() => resolve('later'), 50)), [],
        { value: 'later' }],
      [(element, suffix) => element.id + suffix, ['#button', '!'], { value: 'button!' }],
      [() => { throw new Error('thrown in the page'); }, [], { error: /thrown in the page/ }],
      [() => Promise.reject(new Error('rejected in the page')), [],
        { error: /rejected in the page/ }],
      [() => document.querySelector('#nothing').id, [], { error: /null/ }],
    ]) {
      const run = tab.evaluate(fn, ...args.map((arg) => (arg === '#button' ? button : arg)));
      if (outcome.error) {
        await assert.rejects(run, outcome.error, String(fn));
      } else {
        assert.deepEqual(await run, outcome.value, String(fn));
      }
    }
    await tab.close();
  });

  it('collects console errors and uncaught exceptions, and nothing else', async () => {
    const tab = await open('/errors.html');
    await tab.waitForFunction(() => new Promise((resolve) => setTimeout(() => resolve(true))));
    // Puppeteer's engines report them as events, which may come a little later.
    let errors = await tab.errors();
    for (const deadline = Date.now() + 10000; errors.length < 2 && Date.now() < deadline;) {
      await new Promise((resolve) => setTimeout(resolve, 50));
      errors = await tab.errors();
    }
    assert.deepEqual(errors.map((text) => text.replace(/^(Uncaught )?(Error: )?/, '')).sort(),
      ['thrown later', 'told apart']);
    await tab.close();
  });

  it('types, presses chords and clicks as a user does: trusted events', async () => {
    const tab = await open('/input.html');
    await tab.focus('#text');
    await tab.keyboard.type('мисля, че\n5');
    await tab.keyboard.down('Control');
    await tab.keyboard.press('Home');
    await tab.keyboard.up('Control');
    await tab.keyboard.type('X');
    assert.equal(await tab.$eval('#text', (text) => text.value), 'Xмисля, че\n5');
    await tab.keyboard.press('Backspace');
    await tab.keyboard.press('Tab');
    assert.equal(await tab.evaluate(() => document.activeElement.id), 'button');
    await (await tab.$('#button')).click();
    await tab.mouse.click(20, 20);
    const events = await tab.evaluate(() => window.events);
    assert.ok(events.every(([, trusted]) => trusted), JSON.stringify(events));
    assert.deepEqual(events.filter(([type, , key]) => type === 'click' || key === 'Home'), [
      ['keydown', true, 'Home', true, 'text'],
      ['click', true, null, false, 'button'],
      ['click', true, null, false, 'text'],
    ]);
    assert.equal(await tab.$eval('#text', (text) => text.value), 'мисля, че\n5');
    await tab.close();
  });

  it('finds elements by the role and accessible name the engine computes', async () => {
    const tab = await open('/roles.html');
    for (const [selector, id] of [
      ['aria/Задача[role="button"]', 'make'],
      ['aria/Сметки[role="button"]', 'labelled'],
      ['aria/С[role="button"]', null],
      ['aria/Задача[role="textbox"]', null],
      ['aria/Усл[role="textbox"]', null],
      ['aria/Условие[role="textbox"]', 'transcript'],
      ['aria/Числата[role="listbox"]', 'numbers'],
      ['aria/Търсената величина[role="group"]', 'group'],
      ['aria/Величина A[role="radio"]', 'option'],
      ['#numbers', 'numbers'],
      ['#nothing', null],
    ]) {
      const found = await tab.$(selector);
      assert.equal(found && await found.evaluate((element) => element.closest('[id]').id), id,
        selector);
    }
    await assert.rejects(tab.waitForSelector('aria/Нищо[role="button"]', { timeout: 300 }));
    await tab.close();
  });

  it('sizes the viewport exactly, one size after another', async () => {
    const tab = await open('/picture.html');
    for (const [width, height] of [[600, 420], [800, 600], [520, 380], [600, 420]]) {
      await tab.setViewport({ width, height });
      assert.deepEqual(await tab.evaluate(() => [innerWidth, innerHeight]), [width, height]);
    }
    await tab.close();
  });

  it('takes pictures of what was drawn last, of the page and of an element', async () => {
    const tab = await open('/picture.html');
    await tab.evaluate(() => { document.body.style.background = 'rgb(0, 200, 0)'; });
    const picture = readPng(await tab.screenshot());
    assert.deepEqual([picture.width, picture.height], [600, 420]);
    assert.deepEqual(pixelAt(picture, 5, 5), [0, 200, 0]);
    assert.deepEqual(pixelAt(picture, 80, 40), [0, 0, 255]);
    // Only the block's box, though its child runs past it.
    const block = readPng(await (await tab.$('#block')).screenshot());
    assert.deepEqual([block.width, block.height], [100, 50]);
    for (const [x, y] of [[0, 0], [99, 49]]) {
      assert.deepEqual(pixelAt(block, x, y), [0, 0, 255], `${x}, ${y}`);
    }
    await tab.close();
  });

  it('waits for a condition in the page, and gives up after its time', async () => {
    const tab = await open('/start.html');
    await tab.evaluate(() => setTimeout(() => { window.ready = true; }, 200));
    await tab.waitForFunction(() => window.ready === true, { timeout: 10000 });
    await tab.waitForFunction((a, b) => a + b === 3, { polling: 50 }, 1, 2);
    await assert.rejects(tab.waitForFunction(() => false, { timeout: 300 }));
    await tab.close();
  });

  it('starts in the language asked for', async () => {
    for (const [language, separator] of [['bg', ','], ['en-US', '.']]) {
      const other = language === 'bg' ? browser
        : await launchOrSkip(engine, { language, viewport: { width: 600, height: 420 } });
      try {
        const tab = await other.newPage();
        await tab.goto(`${server.url}start.html`);
        const [navigatorLanguage, decimal] = await tab.evaluate(() => [navigator.language,
          new Intl.NumberFormat(navigator.language).formatToParts(1.5)[1].value]);
        assert.equal(navigatorLanguage.split('-')[0], language.split('-')[0]);
        assert.equal(decimal, separator, language);
        await tab.close();
      } finally {
        if (other !== browser) {
          await other.close();
        }
      }
    }
  });
});

// In a Node of its own, with a temporary folder of its own: the browser's processes and files.
const launchAndClose = `
  import { readdirSync, readFileSync } from 'node:fs';
  import { launchOrSkip } from ${JSON.stringify(enginesModule)};
  // Each process under this one, as its id and its start time, which tell it from a later one
  // given the same id.
  const descendants = () => {
    const stats = new Map();
    for (const pid of readdirSync('/proc').filter((name) => /^[0-9]+$/.test(name))) {
      try {
        stats.set(pid, readFileSync('/proc/' + pid + '/stat', 'utf8').split(') ')[1].split(' '));
      } catch {}
    }
    const found = [String(process.pid)];
    for (let i = 0; i < found.length; ++i) {
      found.push(...[...stats].filter(([, stat]) => stat[1] === found[i]).map(([pid]) => pid));
    }
    return found.slice(1).map((pid) => [pid, stats.get(pid)[19]]);
  };
  const browser = await launchOrSkip(process.env.PROPORCIA_BROWSER);
  const tab = await browser.newPage();
  await tab.goto('about:blank');
  console.log(JSON.stringify(descendants()));
  await browser.close();
`;

const alive = ([pid, startTime]) => {
  try {
    const stat = readFileSync(`/proc/${pid}/stat`, 'utf8').split(') ')[1].split(' ');
    return stat[0] !== 'Z' && stat[19] === startTime;
  } catch {
    return false;
  }
};

describe(`the driver layer in ${engine}, started on its own`, () => {
  it('leaves no process and no file behind', () => {
    const temporary = mkdtempSync(join(tmpdir(), 'proporcia-browsers-test-'));
    try {
      const run = spawnSync(process.execPath, ['--input-type=module', '-e', launchAndClose], {
        env: { ...process.env, TMPDIR: temporary }, encoding: 'utf8', timeout: 120000,
      });
      assert.equal(run.status, 0, run.stderr);
      const processes = JSON.parse(run.stdout.trim().split('\n').pop());
      assert.ok(processes.length > 0, 'the browser ran in processes of its own');
      // Helpers may end a moment after the browser.
      for (const deadline = Date.now() + 5000; processes.some(alive) && Date.now() < deadline;) {
        spawnSync('sleep', ['0.1']);
      }
      assert.deepEqual(processes.filter(alive), []);
      assert.deepEqual(readdirSync(temporary), []);
    } finally {
      rmSync(temporary, { recursive: true, force: true });
    }
  });

  it('is skipped, with the reason, where the engine is not there', () => {
    const missing = {
      chromium: { CHROMIUM: '/nonexistent/chromium' },
      firefox: { FIREFOX: '/nonexistent/firefox' },
      webkit: { PATH: '/nonexistent' },
    }[engine];
    const run = spawnSync(process.execPath, ['--input-type=module', '-e', launchAndClose], {
      env: { ...process.env, ...missing }, encoding: 'utf8', timeout: 120000,
    });
    assert.equal(run.status, skipExitCode, run.stderr);
    assert.match(run.stdout, new RegExp(`^SKIP: ${engine}: .*not installed`, 'm'));
  });
});
