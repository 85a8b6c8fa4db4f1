// Times entering and leaving full screen with a long transcript, against one full set of the same
// text in the transcript, in headless Chromium on a 1920 × 1080 screen. Each run opens the built
// page in a fresh browser context (a renderer of its own, so no text is already laid out at
// either size), poses a problem, then times:
//  - entering and leaving full screen with the problem alone: what a change of size costs
//    whatever the text;
//  - setting the transcript's whole value to the problem followed by a pupil's text of the
//    given size (Cyrillic lines of 70 bytes), scrolled to its end;
//  - entering full screen as with F11, which shows the window at 3⅓ times its size, the
//    transcript laying out all its text afresh at the larger font; and leaving it again.
// A change of size is timed from the command to the browser until a task after the first frame
// at the new size, so it includes the command's way to the page and all the work of that frame,
// whichever event starts it; the set from the start of a frame until a task after it.
// Usage: node bench/web_full_screen.mjs [runs] [KiB]   (after scripts/build-web.sh --tests)
import { resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchChromium, setWindowState } from '../tests/web/lib/engines.mjs';
import { openPage } from '../tests/web/lib/open_page.mjs';
import { serveFolder } from '../tests/web/lib/static_server.mjs';

const runs = Number(process.argv[2] ?? 9);
const kibibytes = Number(process.argv[3] ?? 1024);
const pageDir = resolve(fileURLToPath(new URL('../build-web/page', import.meta.url)));

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const range = (values) => `${Math.min(...values).toFixed(0)}–${Math.max(...values).toFixed(0)}`;

// Keeps in window.resizedAt the wall-clock time of a task after the frame of the next change of
// the viewport's size, once there is one. Capturing listeners on the target run first.
const awaitResize = () => {
  window.resizedAt = new Promise((done) => {
    addEventListener('resize', () => setTimeout(() => done(Date.now())),
      { capture: true, once: true });
  });
};

async function timeWindowState(page, state) {
  await page.evaluate(awaitResize);
  const sent = Date.now();
  await setWindowState(page, state);
  return (await page.evaluate(() => window.resizedAt)) - sent;
}

const server = await serveFolder(pageDir);
const browser = await launchChromium({ screen: { width: 1920, height: 1080 } });
const timings = { shortEnter: [], shortLeave: [], set: [], enter: [], leave: [] };
try {
  for (let run = 0; run < runs; ++run) {
    const context = await browser.createBrowserContext();
    const page = await openPage(context, server.url);
    await (await page.$('aria/Задача[role="button"]')).click();
    timings.shortEnter.push(await timeWindowState(page, 'fullscreen'));
    timings.shortLeave.push(await timeWindowState(page, 'normal'));

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
    // Settle, as a pupil would not change the size in the same moment.
    await new Promise((resolve) => setTimeout(resolve, 300));

    timings.enter.push(await timeWindowState(page, 'fullscreen'));
    timings.leave.push(await timeWindowState(page, 'normal'));
    await context.close();
  }
} finally {
  await browser.close();
  await server.close();
}

const set = median(timings.set);
const line = (what, values) => {
  const value = median(values);
  console.log(`  ${what.padEnd(38)}${value.toFixed(0).padStart(6)} (${range(values)})` +
    `${values === timings.set ? '' : `, ${(value / set).toFixed(2)} of the set`}`);
};
console.log(`${runs} runs, ${kibibytes} KiB of the pupil's text; median (range) in ms:`);
line('enter full screen, the problem alone', timings.shortEnter);
line('leave full screen, the problem alone', timings.shortLeave);
line('one full set of the long text', timings.set);
line('enter full screen, the long text', timings.enter);
line('leave full screen, the long text', timings.leave);
