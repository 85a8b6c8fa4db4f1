// The worksheet's limits as the built page holds them, in sheet.html's number fields: the tests
// that reach a limit follow one changed in the program.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';

export function sheetLimits(pageDir) {
  const html = readFileSync(join(pageDir, 'sheet.html'), 'utf8');
  const range = (id) => {
    const field = html.match(new RegExp(`<input id="${id}"[^>]*>`))?.[0] ?? '';
    const number = (name) => Number(field.match(new RegExp(`\\b${name}="(\\d+)"`))?.[1]);
    return { least: number('min'), most: number('max'), atFirst: number('value') };
  };
  return { problems: range('sheet-problems'), variants: range('sheet-variants') };
}
