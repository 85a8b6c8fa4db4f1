// Takes a picture of the page's window in headless Chromium right after "Задача" and "Сметки".
// Usage: node scripts/screenshot-web.mjs [output.png] [device scale factor] [full-screen]
//   (after scripts/build-web.sh --tests; default docs/screenshot-web.png at scale 1). With
//   full-screen, the whole of a 1920 × 1080 screen with the browser full screen, as after F11.
import { resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchChromium, setWindowState } from '../tests/web/lib/engines.mjs';
import { openPage } from '../tests/web/lib/open_page.mjs';
import { serveFolder } from '../tests/web/lib/static_server.mjs';

const root = fileURLToPath(new URL('..', import.meta.url));
const output = resolve(process.argv[2] ?? `${root}/docs/screenshot-web.png`);
const scale = Number(process.argv[3] ?? 1);
const fullScreen = process.argv[4] === 'full-screen';

const server = await serveFolder(`${root}/build-web/page`);
const screen = { width: 1920, height: 1080 };
const browser = await launchChromium(
  fullScreen ? { language: 'bg', screen, deviceScaleFactor: scale } : { language: 'bg' });
try {
  const [page] = await browser.pages();
  if (fullScreen) {
    await setWindowState(page, 'fullscreen');
  }
  await openPage(page, server.url,
    fullScreen ? {} : { viewport: { width: 600, height: 420, deviceScaleFactor: scale } });
  await (await page.$('aria/Задача[role="button"]')).click();
  await (await page.$('aria/Сметки[role="button"]')).click();
  // Leave the pointer off the buttons, so neither shows as hovered.
  await page.mouse.move(1, 1);
  if (fullScreen) {
    await page.screenshot({ path: output });
  } else {
    await (await page.$('#MainForm')).screenshot({ path: output });
  }
  console.log(`Wrote ${output}`);
} finally {
  await browser.close();
  await server.close();
}
