// Times entering and leaving full screen with a long transcript, against one full set of the same
// text in the transcript, in headless Chromium on a 1920 × 1080 screen. Each run opens the built
// page in a fresh browser context (a renderer of its own, so no text is already laid out at
// either size), poses a problem, then times:
//  - setting the transcript's whole value to the problem followed by a pupil's text of the
//    given size (Cyrillic lines of 70 bytes), scrolled to its end;
//  - entering full screen as with F11, which shows the window at 3⅓ times its size: the
//    transcript lays out all its text afresh at the larger font;
//  - leaving it again.
// Each from the start of the frame that does the work (the resize event, or a frame callback
// for the set) until a task after that frame's layout and paint, so both include them.
// Usage: node bench/web_full_screen.mjs [runs] [KiB]   (after scripts/build-web.sh --tests)
import { resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchChromium, serveFolder, setWindowState } from '../tests/web/lib/browser.mjs';

const runs = Number(process.argv[2] ?? 9);
const kibibytes = Number(process.argv[3] ?? 1024);
const pageDir = resolve(fileURLToPath(new URL('../build-web/page', import.meta.url)));

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const range = (values) => `${Math.min(...values).toFixed(1)}–${Math.max(...values).toFixed(1)}`;

// Keeps in window.resizeTime the time from the next resize event to a task after the frame it
// started, once there is one.
const timeNextResize = () => {
  window.resizeTime = new Promise((done) => {
    addEventListener('resize', () => {
      const start = performance.now();
      setTimeout(() => done(performance.now() - start));
    }, { capture: true, once: true }); // before the page's own listener
  });
};

const server = await serveFolder(pageDir);
const browser = await launchChromium({ screen: { width: 1920, height: 1080 } });
const timings = { set: [], enter: [], leave: [] };
try {
  for (let run = 0; run < runs; ++run) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.goto(server.url, { waitUntil: 'load' });
    await (await page.waitForSelector('aria/Задача[role="button"]')).click();

    timings.set.push(await page.evaluate((bytes) => {
      const line = 'Пресмятам: 7 * 28 = 196; 196 / 12 = 16,33 (проверка)\n';
      const lineBytes = new TextEncoder().encode(line).length;
      const transcript = document.getElementById('Text1_0');
      const text = transcript.value + line.repeat(Math.ceil(bytes / lineBytes));
      return new Promise((done) => requestAnimationFrame(() => {
        const start = performance.now();
        transcript.value = text;
        transcript.scrollTop = transcript.scrollHeight;
        setTimeout(() => done(performance.now() - start));
      }));
    }, kibibytes * 1024));

    for (const [state, timing] of [['fullscreen', timings.enter], ['normal', timings.leave]]) {
      await page.evaluate(timeNextResize);
      await setWindowState(page, state);
      timing.push(await page.evaluate(() => window.resizeTime));
    }
    await context.close();
  }
} finally {
  await browser.close();
  await server.close();
}

console.log(`${runs} runs, ${kibibytes} KiB of the pupil's text; median (range) in ms:`);
const set = median(timings.set);
console.log(`  one full set of the text:  ${set.toFixed(1)} (${range(timings.set)})`);
for (const what of ['enter', 'leave']) {
  const value = median(timings[what]);
  console.log(`  ${what} full screen:${' '.repeat(11 - what.length)}${value.toFixed(1)} ` +
    `(${range(timings[what])}), ${(value / set).toFixed(2)} of the set`);
}
