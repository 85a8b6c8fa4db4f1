// How the tests, the benchmarks and the screenshot scripts open the program's pages: the window's
// page, the worksheet (sheet.html) and the practice page (practice.html).

// What shows that the program has started on each page, by the file's name; on the window's page,
// its first button as a user finds it.
const startedOn = {
  'sheet.html': () => document.getElementById('sheet-code-problem').textContent !== '',
  'practice.html': () => !document.getElementById('practice-start').hidden
    || !document.getElementById('practice-answers').hidden,
};
const windowButton = 'aria/Задача[role="button"]';

// Loads url in `where` when it is a page, or else in a new page of it (a browser of
// lib/engines.mjs, or puppeteer's browser or browser context), and waits until the program has
// started there. The page takes the viewport first, if one is given, and beforeLoad(page) runs
// before the loading, for what must be in place when the page starts.
export async function openPage(where, url, { viewport, beforeLoad } = {}) {
  const page = typeof where.goto === 'function' ? where : await where.newPage();
  if (viewport) {
    await page.setViewport(viewport);
  }
  await beforeLoad?.(page);
  await page.goto(url, { waitUntil: 'load' });
  const started = startedOn[new URL(url).pathname.split('/').pop()];
  if (started) {
    await page.waitForFunction(started, { polling: 50 });
  } else {
    await page.waitForSelector(windowButton);
  }
  return page;
}
