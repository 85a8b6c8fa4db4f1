// A loose comparison of two pictures of the same size: their mean colours over square blocks,
// so fonts rendered a little differently, or a control drawn a pixel apart, count for little
// while a missing or misplaced control counts for a lot.
import { readFileSync, writeFileSync } from 'node:fs';
import { PNG } from 'pngjs';

export function readPng(pathOrBuffer) {
  return PNG.sync.read(typeof pathOrBuffer === 'string' ? readFileSync(pathOrBuffer) : pathOrBuffer);
}

function blockMeans(image, block) {
  const columns = Math.ceil(image.width / block);
  const rows = Math.ceil(image.height / block);
  const means = [];
  for (let row = 0; row < rows; ++row) {
    for (let column = 0; column < columns; ++column) {
      const sum = [0, 0, 0];
      let count = 0;
      for (let y = row * block; y < Math.min((row + 1) * block, image.height); ++y) {
        for (let x = column * block; x < Math.min((column + 1) * block, image.width); ++x) {
          const at = (y * image.width + x) * 4;
          sum[0] += image.data[at];
          sum[1] += image.data[at + 1];
          sum[2] += image.data[at + 2];
          ++count;
        }
      }
      means.push(sum.map((s) => s / count));
    }
  }
  return { means, columns, rows };
}

// The share of blocks whose mean colours differ by more than tolerance in any channel (0 to
// 255), and a picture of the two side by side with those blocks marked below, if asked for.
export function compareLoosely(first, second, { block = 15, tolerance = 48, diffPath } = {}) {
  if (first.width !== second.width || first.height !== second.height) {
    throw new Error(
      `sizes differ: ${first.width}×${first.height} and ${second.width}×${second.height}`);
  }
  const a = blockMeans(first, block);
  const b = blockMeans(second, block);
  const differing = a.means.map((mean, i) =>
    mean.some((channel, c) => Math.abs(channel - b.means[i][c]) > tolerance));
  const share = differing.filter(Boolean).length / differing.length;
  if (diffPath) {
    const { width, height } = first;
    const out = new PNG({ width: width * 2, height: height * 2 });
    for (let y = 0; y < height; ++y) {
      for (let x = 0; x < width; ++x) {
        const from = (y * width + x) * 4;
        for (const [image, dx, dy] of [[first, 0, 0], [second, width, 0]]) {
          image.data.copy(out.data, ((y + dy) * width * 2 + x + dx) * 4, from, from + 4);
        }
        const marked = differing[Math.floor(y / block) * a.columns + Math.floor(x / block)];
        const shade = first.data.subarray(from, from + 3).map((v) => 128 + v / 2);
        const below = ((y + height) * width * 2 + x) * 4;
        out.data.set(marked ? [255, 0, 0, 255] : [...shade, 255], below);
        out.data.set(marked ? [255, 0, 0, 255] : [...shade, 255], below + width * 4);
      }
    }
    writeFileSync(diffPath, PNG.sync.write(out));
  }
  return share;
}
