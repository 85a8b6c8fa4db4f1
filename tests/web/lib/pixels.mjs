// Reading colours out of a picture (a decoded PNG, as readPng gives).

export function pixelAt(image, x, y) {
  const at = (y * image.width + x) * 4;
  return [...image.data.subarray(at, at + 3)];
}

// Whether two colours differ by at most tolerance (0 to 255) in every channel.
function near(colour, other, tolerance) {
  return colour.every((channel, c) => Math.abs(channel - other[c]) <= tolerance);
}

// The smallest rectangle, in pixels, holding every pixel near the colour; null if there is none.
export function boundsOfColour(image, colour, tolerance) {
  let left = Infinity;
  let top = Infinity;
  let right = -Infinity;
  let bottom = -Infinity;
  for (let y = 0; y < image.height; ++y) {
    for (let x = 0; x < image.width; ++x) {
      if (near(pixelAt(image, x, y), colour, tolerance)) {
        left = Math.min(left, x);
        right = Math.max(right, x + 1);
        top = Math.min(top, y);
        bottom = Math.max(bottom, y + 1);
      }
    }
  }
  return left === Infinity ? null : { left, top, width: right - left, height: bottom - top };
}
