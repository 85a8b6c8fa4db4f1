// axe-core's accessibility checks, run in a page of lib/engines.mjs as it is now.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'),
  'utf8');

// The rules the page breaks, each as "rule: the elements breaking it"; none is [].
export async function axeViolations(page) {
  await page.evaluate((source) => (0, eval)(source), axeSource);
  return page.evaluate(async () => {
    const { violations } = await window.axe.run(document, { resultTypes: ['violations'] });
    return violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  });
}
