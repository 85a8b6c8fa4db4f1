// Takes pictures of the pupils' practice page as a phone shows it (360 × 740 CSS pixels) in
// headless Chromium: asking for the pupil's number, then variant 7 of the sheet 3CFPS6 checked,
// with answers right as a decimal and as a fraction, one wrong, one no number and one left empty.
// Usage: node scripts/screenshot-practice.mjs [folder] [device scale factor]
//   (after scripts/build-web.sh --tests; default docs/ at scale 1): writes practice-number.png
//   and practice-checked.png there.
import { resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchChromium } from '../tests/web/lib/engines.mjs';
import { openPage } from '../tests/web/lib/open_page.mjs';
import { serveFolder } from '../tests/web/lib/static_server.mjs';

const root = fileURLToPath(new URL('..', import.meta.url));
const folder = resolve(process.argv[2] ?? `${root}/docs`);
const scale = Number(process.argv[3] ?? 1);
const sheet = '?code=3CFPS6&n=5&variants=26';

const server = await serveFolder(`${root}/build-web/page`);
const browser = await launchChromium({ language: 'bg' });
try {
  // Variant 7's answers from the key of the printed sheet.
  const [page] = await browser.pages();
  await openPage(page, `${server.url}sheet.html${sheet}&key=1`);
  const answers = await page.$$eval('.sheet-key-variant:nth-of-type(7) .sheet-answer',
    (lines) => lines.map((line) => line.textContent));
  const formula = (line) => line.match(/\((\d+) \* (\d+) \* (\d+)\) \/ \((\d+) \* (\d+)\)/)
    .slice(1).map(Number);
  const value = (line) => line.slice(line.lastIndexOf('= ') + 2);
  const [a, b, c, d, e] = formula(answers[1]);

  await openPage(page, `${server.url}practice.html${sheet}`,
    { viewport: { width: 360, height: 740, deviceScaleFactor: scale } });
  await page.type('#practice-number', '7');
  await page.screenshot({ path: `${folder}/practice-number.png` });

  await page.keyboard.press('Enter');
  await page.waitForFunction(() => !document.getElementById('practice-answers').hidden);
  await page.type('#practice-answer-1', value(answers[0]));
  await page.type('#practice-answer-2', `${a * b * c}/${d * e}`);
  await page.type('#practice-answer-3', `${value(answers[2])}1`);
  await page.type('#practice-answer-5', 'пет');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.getElementById('practice-score').textContent !== '');
  await page.evaluate(() => {
    document.activeElement.blur();
    window.scrollTo(0, 0);
  });
  await page.screenshot({ path: `${folder}/practice-checked.png`, fullPage: true });
  console.log(`Wrote ${folder}/practice-number.png and ${folder}/practice-checked.png`);
} finally {
  await browser.close();
  await server.close();
}
