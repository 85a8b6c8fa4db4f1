// The built page in headless Chromium on a screen of its own, taken full screen as F11 takes the
// browser, and through the Fullscreen API: the window fills the screen as one picture, centred,
// with its own colour around it, keeps what the user sees and did, and comes back as it was. On
// a phone it shrinks to the width.
//
// Environment: PROPORCIA_PAGE_DIR, the page's folder; PROPORCIA_TEST_OUTPUT_DIR, where the
// pictures go.
import assert from 'node:assert/strict';
import { existsSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { launchChromium, serveFolder, setWindowState } from './lib/browser.mjs';
import { readPng } from './lib/image_comparison.mjs';
import { boundsOfColour, hexColour, pixelAt } from './lib/pixels.mjs';

const pageDir = process.env.PROPORCIA_PAGE_DIR;
const outputDir = process.env.PROPORCIA_TEST_OUTPUT_DIR ?? '.';
assert.ok(pageDir && existsSync(join(pageDir, 'index.html')), 'PROPORCIA_PAGE_DIR: no page there');

// The design: 466 × 324 CSS pixels at scale 1, 12-point text, and these colours.
const design = { width: 466, height: 324, fontPixels: 16 };
const windowColour = hexColour('#c0c0ff');
const faces = { Command1_0: hexColour('#80ff80'), Command1_1: hexColour('#8080ff') };
const fittingScale = (screen) =>
  Math.min(screen.width / design.width, screen.height / design.height);

let server;
before(async () => {
  server = await serveFolder(pageDir);
});
after(() => server?.close());

async function openPage(browser) {
  const [page] = await browser.pages();
  // Whatever a test before left, the page loads in a window of its normal size.
  await setWindowState(page, 'normal');
  await page.waitForFunction(() => !matchMedia('(display-mode: fullscreen)').matches);
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(server.url, { waitUntil: 'load' });
  await page.waitForSelector('aria/Задача[role="button"]');
  return { page, errors };
}

// The window's box in the viewport, and each control's box from the window's top left, with the
// size of its text.
const layout = (page) => page.evaluate(() => {
  const box = (element) => {
    const { left, top, width, height } = element.getBoundingClientRect();
    return { left, top, width, height };
  };
  const window = box(document.getElementById('MainForm'));
  const controls = {};
  for (const element of document.querySelectorAll('#MainForm [id][class]')) {
    const { left, top, width, height } = box(element);
    const fontPixels = parseFloat(getComputedStyle(element).fontSize);
    controls[element.id] = {
      left: left - window.left, top: top - window.top, width, height, fontPixels,
    };
  }
  return { window, controls };
});

// Enters or leaves full screen, as with F11 or through the Fullscreen API, and waits until the
// window has left or taken its designed width.
async function fullScreen(page, how, on) {
  if (how === 'F11') {
    await setWindowState(page, on ? 'fullscreen' : 'normal');
  } else if (on) {
    await page.evaluate(() => document.documentElement.requestFullscreen());
  } else {
    await page.evaluate(() => document.exitFullscreen());
  }
  await page.waitForFunction((on, designed) => {
    const width = document.getElementById('MainForm').getBoundingClientRect().width;
    return on ? width !== designed : width === designed;
  }, { polling: 'raf' }, on, design.width);
}

function assertNear(actual, expected, what, tolerance = 1) {
  assert.ok(Math.abs(actual - expected) <= tolerance, `${what}: ${actual}, expected ${expected}`);
}

describe('full screen on a 1920 × 1080 screen, as with F11', () => {
  const screen = { width: 1920, height: 1080 };
  let browser;
  before(async () => {
    browser = await launchChromium({ screen });
  });
  after(() => browser?.close());

  it('fills the screen as one picture, and comes back as designed', async () => {
    const { page, errors } = await openPage(browser);
    await page.mouse.move(1, 1); // off the buttons, so neither shows as hovered
    const normal = await layout(page);
    assert.equal(normal.window.width, design.width);
    const backgroundBefore = pixelAt(readPng(await page.screenshot()), 2, 2);

    await fullScreen(page, 'F11', true);
    const scale = fittingScale(screen);
    const full = await layout(page);
    assertNear(full.window.width, design.width * scale, 'window width');
    assertNear(full.window.height, screen.height, 'window height');
    assertNear(full.window.left, (screen.width - design.width * scale) / 2, 'window left');
    assertNear(full.window.top, 0, 'window top');
    for (const [id, box] of Object.entries(normal.controls)) {
      for (const edge of ['left', 'top', 'width', 'height']) {
        assertNear(full.controls[id][edge], box[edge] * scale, `${id} ${edge}`);
      }
      assertNear(full.controls[id].fontPixels, design.fontPixels * scale, `${id} text`, 0.01);
    }

    const shot = await page.screenshot();
    writeFileSync(join(outputDir, 'page-full-screen.png'), shot);
    const picture = readPng(shot);
    for (const y of [0, 540, 1079]) {
      for (const x of [0, 150, 1770, 1919]) {
        assert.deepEqual(pixelAt(picture, x, y), windowColour, `margin at ${x}, ${y}`);
      }
    }
    for (const [id, colour] of Object.entries(faces)) {
      const face = boundsOfColour(picture, colour, 32);
      assert.ok(face, `no face of ${id}`);
      const button = full.controls[id];
      const expected = {
        left: full.window.left + button.left,
        top: full.window.top + button.top,
        width: button.width,
        height: button.height,
      };
      // The face lies within the button's border of a pixel, to a pixel.
      assertNear(face.left, expected.left + 1, `${id}'s face left`);
      assertNear(face.top, expected.top + 1, `${id}'s face top`);
      assertNear(face.width, expected.width - 2, `${id}'s face width`);
      assertNear(face.height, expected.height - 2, `${id}'s face height`);
    }

    await fullScreen(page, 'F11', false);
    assert.deepEqual(await layout(page), normal);
    assert.deepEqual(pixelAt(readPng(await page.screenshot()), 2, 2), backgroundBefore);
    assert.deepEqual(errors, []);
  });

  it('keeps the text, the selection, the scrolled lines, the marks and the focus', async () => {
    const { page } = await openPage(browser);
    await (await page.$('aria/Задача[role="button"]')).click();
    // A pupil's working, long enough to scroll, scrolled half-way with a word selected.
    await page.focus('#Text1_0');
    await page.evaluate(() => {
      const transcript = document.getElementById('Text1_0');
      transcript.setSelectionRange(transcript.textLength, transcript.textLength);
      const lines = Array.from({ length: 60 }, (_, i) => `${i + 1}. мисля, че е ${i}`);
      document.execCommand('insertText', false, lines.join('\n'));
      transcript.setSelectionRange(40, 52);
      transcript.scrollTop = (transcript.scrollHeight - transcript.clientHeight) / 2;
    });
    const state = () => page.evaluate(() => {
      const transcript = document.getElementById('Text1_0');
      const { selectionStart, selectionEnd, selectionDirection } = transcript;
      return {
        text: transcript.value,
        selection: [selectionStart, selectionEnd, selectionDirection],
        scrolled: transcript.scrollTop / transcript.scrollHeight,
        emShare: parseFloat(getComputedStyle(transcript).fontSize) / transcript.scrollHeight,
        marked: [...document.querySelectorAll('#Frame1 input')].map((input) => input.checked),
        solveEnabled: !document.getElementById('Command1_1').disabled,
        focused: document.activeElement.id,
      };
    });
    const before = await state();
    assert.equal(before.solveEnabled, true);
    assert.equal(before.marked.filter(Boolean).length, 1);
    assert.ok(before.scrolled > 0.2, 'the transcript is scrolled');

    for (const on of [true, false]) {
      await fullScreen(page, 'Fullscreen API', on);
      const now = await state();
      const { scrolled, emShare, ...rest } = now;
      const { scrolled: scrolledBefore, emShare: _, ...restBefore } = before;
      assert.deepEqual(rest, restBefore, on ? 'in full screen' : 'back from full screen');
      // The same line at the top, to within half the text's height.
      assertNear(scrolled, scrolledBefore, 'the transcript\'s scrolled share', emShare / 2);
    }
  });

  it('opens filling the screen when the browser is full screen already', async () => {
    const { page } = await openPage(browser);
    await setWindowState(page, 'fullscreen');
    await page.waitForFunction(() => matchMedia('(display-mode: fullscreen)').matches);
    // No resize follows: the page is full screen from its start.
    await page.reload({ waitUntil: 'load' });
    await page.waitForSelector('aria/Задача[role="button"]');
    const { window } = await layout(page);
    assertNear(window.width, design.width * fittingScale(screen), 'window width');
  });

  it('keeps a transcript scrolled to its end at its end', async () => {
    const { page } = await openPage(browser);
    await (await page.$('aria/Задача[role="button"]')).click();
    await page.evaluate(() => {
      const transcript = document.getElementById('Text1_0');
      transcript.value += 'ред\n'.repeat(80);
      transcript.scrollTop = transcript.scrollHeight;
    });
    const distanceFromEnd = () => page.$eval('#Text1_0',
      (t) => t.scrollHeight - t.clientHeight - t.scrollTop);
    for (const on of [true, false]) {
      await fullScreen(page, 'F11', on);
      assertNear(await distanceFromEnd(), 0, 'distance from the end');
    }
  });
});

describe('full screen on a 4:3 projector of 1024 × 768', () => {
  it('shows the margin below the window, the list strip cut at its edge', async () => {
    const screen = { width: 1024, height: 768 };
    const browser = await launchChromium({ screen });
    try {
      const { page } = await openPage(browser);
      await fullScreen(page, 'Fullscreen API', true);
      const { window, controls } = await layout(page);
      assertNear(window.width, screen.width, 'window width');
      const bottom = window.top + window.height;
      const scaledHeight = design.height * fittingScale(screen);
      assertNear(bottom, (screen.height + scaledHeight) / 2, 'window bottom');
      const picture = readPng(await page.screenshot());
      // The lists show white just above the window's bottom edge, and nothing of them below.
      const list = controls.List1_0;
      assert.deepEqual(pixelAt(picture, Math.round(window.left + list.left + list.width / 2),
        Math.floor(bottom) - 3), [255, 255, 255]);
      for (let y = Math.ceil(bottom) + 1; y < screen.height; ++y) {
        for (let x = 0; x < screen.width; x += 7) {
          assert.deepEqual(pixelAt(picture, x, y), windowColour, `margin at ${x}, ${y}`);
        }
      }
    } finally {
      await browser.close();
    }
  });
});

describe('on a phone', () => {
  it('shows the whole window at the phone\'s width, and as designed on its side', async () => {
    const browser = await launchChromium();
    try {
      const page = await browser.newPage();
      const phone = { deviceScaleFactor: 3, isMobile: true, hasTouch: true };
      await page.setViewport({ width: 360, height: 740, ...phone });
      await page.goto(server.url, { waitUntil: 'load' });
      await page.waitForSelector('aria/Задача[role="button"]');
      const { window, controls } = await layout(page);
      assertNear(window.left, 0, 'window left');
      assertNear(window.width, 360, 'window width');
      assert.ok(window.left + controls.Command1_0.left + controls.Command1_0.width <= 360,
        '"Задача" lies within the screen');
      const fontPixels = (design.fontPixels * 360) / design.width;
      assertNear(controls.Text1_0.fontPixels, fontPixels, 'text', 0.01);
      assert.equal(await page.evaluate(() => document.documentElement.scrollWidth), 360,
        'nothing to scroll sideways');

      await page.setViewport({ width: 740, height: 360, ...phone });
      await page.waitForFunction((width) => document.getElementById('MainForm')
        .getBoundingClientRect().width === width, { polling: 'raf' }, design.width);
      assert.equal((await layout(page)).controls.Text1_0.fontPixels, design.fontPixels);
    } finally {
      await browser.close();
    }
  });
});
