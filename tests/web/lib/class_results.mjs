// The class's results on the worksheet page (sheet.html), as the teacher pastes them and as the
// page shows and saves them, in any engine of lib/engines.mjs.

// Puts text into "Резултати", opened, at once as a paste does.
export const pasteResults = (page, text) => page.evaluate((value) => {
  document.getElementById('results').open = true;
  const field = document.getElementById('results-paste');
  field.value = value;
  field.dispatchEvent(new Event('input', { bubbles: true }));
}, text);

// What "Резултати" says, and its table's rows, the row of right answers and the lines kept
// apart ([reason, line]) as the cells' text.
export const resultsShown = (page) => page.evaluate(() => {
  const cells = (selector) => [...document.querySelectorAll(selector)]
    .map((row) => [...row.children].map((cell) => cell.textContent));
  return {
    status: document.getElementById('results-status').textContent,
    rows: cells('.results-table tbody tr'),
    right: cells('.results-table tfoot tr')[0] ?? null,
    apart: cells('.results-apart li'),
  };
});

// The page saves a file by clicking a link to a blob: from now on such files are kept for
// savedFiles, by name, their text read with any byte-order mark, and nothing is downloaded.
export const catchSavedFiles = (page) => page.evaluate(() => {
  window.savedFiles = [];
  HTMLAnchorElement.prototype.click = function () {
    const name = this.download;
    window.savedFiles.push(fetch(this.href).then((response) => response.arrayBuffer()).then(
      (bytes) => ({ name, text: new TextDecoder('utf-8', { ignoreBOM: true }).decode(bytes) })));
  };
});
export const savedFiles = (page) => page.evaluate(() => Promise.all(window.savedFiles));
