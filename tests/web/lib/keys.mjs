// Key chords as a user presses them, in any engine of lib/engines.mjs: "Control+Shift+KeyZ"
// holds the modifiers down, presses the last key, and lets them go.
export async function pressChord(page, chord) {
  const keys = chord.split('+');
  const key = keys.pop();
  for (const modifier of keys) {
    await page.keyboard.down(modifier);
  }
  await page.keyboard.press(key);
  for (const modifier of keys.reverse()) {
    await page.keyboard.up(modifier);
  }
}

// Undo and redo in the transcript, as the page gives them in every engine.
export const undo = (page) => pressChord(page, 'Control+KeyZ');
export const redo = (page) => pressChord(page, 'Control+Shift+KeyZ');
export const redoByY = (page) => pressChord(page, 'Control+KeyY');
