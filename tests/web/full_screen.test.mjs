// The built page in headless Chromium on a screen of its own, taken full screen as F11 takes the
// browser, and through the Fullscreen API: the window fills the screen as one picture, centred,
// with its own colour around it, keeps what the user sees and did, and comes back as it was. On
// a phone it shrinks to the width.
//
// The page fits itself at its start too, which the phone's case shows: no resize follows there.
//
// Environment: PROPORCIA_PAGE_DIR, the page's folder; PROPORCIA_TEST_OUTPUT_DIR, where the
// picture of the full screen goes.
import assert from 'node:assert/strict';
import { existsSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { launchChromium, setWindowState } from './lib/engines.mjs';
import { readPng } from './lib/image_comparison.mjs';
import { openPage } from './lib/open_page.mjs';
import { boundsOfColour, pixelAt } from './lib/pixels.mjs';
import { serveFolder } from './lib/static_server.mjs';

const pageDir = process.env.PROPORCIA_PAGE_DIR;
const outputDir = process.env.PROPORCIA_TEST_OUTPUT_DIR ?? '.';
assert.ok(pageDir && existsSync(join(pageDir, 'index.html')), 'PROPORCIA_PAGE_DIR: no page there');

// The design: 466 × 324 CSS pixels at scale 1, 12-point text, and these colours.
const design = { width: 466, height: 324, fontPixels: 16 };
const windowColour = [0xc0, 0xc0, 0xff];
const faces = { Command1_0: [0x80, 0xff, 0x80], Command1_1: [0x80, 0x80, 0xff] };
const fittingScale = (screen) =>
  Math.min(screen.width / design.width, screen.height / design.height);
const displayModeIs = (fullScreen) =>
  matchMedia('(display-mode: fullscreen)').matches === fullScreen;

let server;
before(async () => {
  server = await serveFolder(pageDir);
});
after(() => server?.close());

// Opens the page in the browser's window, which first takes its normal size, whatever a test
// before left.
async function openInWindow(browser) {
  const [page] = await browser.pages();
  await setWindowState(page, 'normal');
  await page.waitForFunction(displayModeIs, {}, false);
  return openPage(page, server.url);
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
  } else {
    await page.evaluate((on) => (on ? document.documentElement.requestFullscreen()
      : document.exitFullscreen()), on);
  }
  await page.waitForFunction((on, designed) => {
    const width = document.getElementById('MainForm').getBoundingClientRect().width;
    return on ? width !== designed : width === designed;
  }, { polling: 'raf' }, on, design.width);
}

function assertNear(actual, expected, what, tolerance = 1) {
  assert.ok(Math.abs(actual - expected) <= tolerance, `${what}: ${actual}, expected ${expected}`);
}

function assertBox(actual, expected, what, tolerance = 1) {
  for (const edge of ['left', 'top', 'width', 'height']) {
    assertNear(actual[edge], expected[edge], `${what} ${edge}`, tolerance);
  }
}

describe('full screen on a 1920 × 1080 screen', () => {
  const screen = { width: 1920, height: 1080 };
  const scale = fittingScale(screen);
  let browser;
  before(async () => {
    browser = await launchChromium({ screen });
  });
  after(() => browser?.close());

  it('fills the screen as one picture with F11, and comes back as designed', async () => {
    const page = await openInWindow(browser);
    await page.mouse.move(1, 1); // off the buttons, so neither shows as hovered
    const normal = await layout(page);
    assert.equal(normal.window.width, design.width);
    const shellColour = pixelAt(readPng(await page.screenshot()), 2, 2);

    await fullScreen(page, 'F11', true);
    const full = await layout(page);
    const width = design.width * scale;
    const left = (screen.width - width) / 2;
    assertBox(full.window, { left, top: 0, width, height: screen.height }, 'window');
    // Centred across, the page's flow would put it there too: that the program's offset places it,
    // through the properties the style sheet reads, shows when they change.
    assert.deepEqual(await page.evaluate(() => {
      const root = document.documentElement.style;
      const window = document.getElementById('MainForm');
      const moves = {};
      for (const name of ['--window-left', '--window-top']) {
        const before = window.getBoundingClientRect();
        const value = root.getPropertyValue(name);
        root.setProperty(name, `calc(${value} + 10px)`);
        const after = window.getBoundingClientRect();
        root.setProperty(name, value);
        moves[name] = [after.left - before.left, after.top - before.top];
      }
      return moves;
    }), { '--window-left': [10, 0], '--window-top': [0, 10] });
    for (const [id, box] of Object.entries(normal.controls)) {
      const scaled = Object.fromEntries(Object.entries(box).map(([key, v]) => [key, v * scale]));
      assertBox(full.controls[id], scaled, id);
      assertNear(full.controls[id].fontPixels, scaled.fontPixels, `${id} text`, 0.01);
    }

    const shot = await page.screenshot();
    writeFileSync(join(outputDir, 'page-full-screen.png'), shot);
    const picture = readPng(shot);
    for (const [x, y] of [[0, 0], [150, 540], [1770, 540], [1919, 1079]]) {
      assert.deepEqual(pixelAt(picture, x, y), windowColour, `margin at ${x}, ${y}`);
    }
    for (const [id, colour] of Object.entries(faces)) {
      const { left, top, width, height } = full.controls[id];
      // The face lies within the button's border of a pixel.
      assertBox(boundsOfColour(picture, colour, 32) ?? {}, {
        left: full.window.left + left + 1, top: full.window.top + top + 1,
        width: width - 2, height: height - 2,
      }, `${id}'s face`);
    }

    await fullScreen(page, 'F11', false);
    assert.deepEqual(await layout(page), normal);
    assert.deepEqual(pixelAt(readPng(await page.screenshot()), 2, 2), shellColour);
  });

  it('keeps the text, the selection, the scrolled lines, the marks and the focus', async () => {
    const page = await openInWindow(browser);
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
      const { selectionStart, selectionEnd, scrollTop, scrollHeight, clientHeight } = transcript;
      return {
        text: transcript.value,
        selection: [selectionStart, selectionEnd],
        marked: [...document.querySelectorAll('#Frame1 input')].map((input) => input.checked),
        solveEnabled: !document.getElementById('Command1_1').disabled,
        focused: document.activeElement.id,
        scrolled: {
          share: scrollTop / scrollHeight,
          fromEnd: scrollHeight - clientHeight - scrollTop,
          halfALine: parseFloat(getComputedStyle(transcript).fontSize) / scrollHeight / 2,
        },
      };
    });
    const before = await state();
    assert.equal(before.solveEnabled, true);
    assert.ok(before.scrolled.share > 0.2, 'the transcript is scrolled');
    for (const on of [true, false]) {
      await fullScreen(page, 'Fullscreen API', on);
      const { scrolled, ...now } = await state();
      const { scrolled: scrolledBefore, ...then } = before;
      assert.deepEqual(now, then, on ? 'in full screen' : 'back from full screen');
      // The same line at the top.
      assertNear(scrolled.share, scrolledBefore.share, 'scrolled share', scrolled.halfALine);
    }

    // Scrolled to its end, as after "Сметки", the transcript stays at its end.
    await page.$eval('#Text1_0', (transcript) => {
      transcript.scrollTop = transcript.scrollHeight;
    });
    for (const on of [true, false]) {
      await fullScreen(page, 'F11', on);
      assertNear((await state()).scrolled.fromEnd, 0, 'distance from the end');
    }
  });
});

it('cuts the list strip at the window\'s bottom edge on a 4:3 projector', async () => {
  const screen = { width: 1024, height: 768 };
  const browser = await launchChromium({ screen });
  try {
    const page = await openInWindow(browser);
    await fullScreen(page, 'Fullscreen API', true);
    const { window, controls: { List1_0: list } } = await layout(page);
    const bottom = window.top + window.height;
    assertNear(bottom, (screen.height + design.height * fittingScale(screen)) / 2, 'bottom');
    const picture = readPng(await page.screenshot());
    const listMiddle = Math.round(window.left + list.left + list.width / 2);
    assert.deepEqual(pixelAt(picture, listMiddle, Math.floor(bottom) - 3), [255, 255, 255]);
    for (let y = Math.ceil(bottom) + 1; y < screen.height; ++y) {
      assert.deepEqual(pixelAt(picture, listMiddle, y), windowColour, `margin at ${y}`);
    }
  } finally {
    await browser.close();
  }
});

it('shows the whole window at a phone\'s width, and as designed on its side', async () => {
  const browser = await launchChromium();
  try {
    const [page] = await browser.pages();
    const phone = { deviceScaleFactor: 3, isMobile: true, hasTouch: true };
    await openPage(page, server.url, { viewport: { width: 360, height: 740, ...phone } });
    const { window, controls } = await layout(page);
    const scale = 360 / design.width;
    assertBox(window, { left: 0, top: window.top, width: 360, height: design.height * scale },
      'window');
    assertNear(controls.Text1_0.fontPixels, design.fontPixels * scale, 'text', 0.01);
    assert.equal(await page.evaluate(() => document.documentElement.scrollWidth), 360);

    await page.setViewport({ width: 740, height: 360, ...phone });
    await page.waitForFunction((width) => document.getElementById('MainForm')
      .getBoundingClientRect().width === width, { polling: 'raf' }, design.width);
    assert.equal((await layout(page)).controls.Text1_0.fontPixels, design.fontPixels);
  } finally {
    await browser.close();
  }
});
