// A static server for a folder on the loopback address, which every page the tests load comes
// from, with the scripts that each HTML document it serves runs first.
import { readFileSync, existsSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, sep } from 'node:path';

const contentTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.css': 'text/css; charset=utf-8',
  '.webmanifest': 'application/manifest+json; charset=utf-8',
};

// Scripts that every HTML document served here runs before its own, for a browser whose driver
// cannot add them itself (classic WebDriver has no command for it): its page puts them here
// while it is open.
export const documentStartScripts = new Set();

function withDocumentStartScripts(html) {
  if (documentStartScripts.size === 0) {
    return html;
  }
  const scripts = [...documentStartScripts]
    .map((source) => `<script>${source.replaceAll('</', '<\\/')}</script>`).join('');
  const head = /<head\b[^>]*>/i.exec(html) ?? /^<!DOCTYPE[^>]*>/i.exec(html);
  const at = head ? head.index + head[0].length : 0;
  return html.slice(0, at) + scripts + html.slice(at);
}

// A service worker that keeps nothing, served in place of the page's own unless a test asks for
// that one: a page that works offline answers from what it kept before, and later tests would see
// the page of an earlier one.
const serviceWorkerKeepingNothing = '// This test keeps no offline copy of the page.\n';

// Serves the files of root on 127.0.0.1 at a free port; extra maps a path ("/x.html") to a
// page served from memory. Every request is recorded in requests. With offline, the page's own
// service worker is served, which keeps the page for offline use.
export async function serveFolder(root, extra = {}, { offline = false } = {}) {
  const requests = [];
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    requests.push(path);
    if (path === '/sw.js' && !offline) {
      response.writeHead(200, { 'Content-Type': contentTypes['.js'] });
      response.end(serviceWorkerKeepingNothing);
      return;
    }
    if (path in extra) {
      response.writeHead(200, { 'Content-Type': contentTypes['.html'] });
      response.end(withDocumentStartScripts(extra[path]));
      return;
    }
    const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
    if (!file.startsWith(normalize(root + sep)) || !existsSync(file) || !statSync(file).isFile()) {
      response.writeHead(404);
      response.end();
      return;
    }
    const type = extname(file);
    response.writeHead(200, { 'Content-Type': contentTypes[type] ?? 'application/octet-stream' });
    response.end(type === '.html' ? withDocumentStartScripts(readFileSync(file, 'utf8'))
      : readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  return {
    url: `http://127.0.0.1:${port}/`,
    requests,
    close: () => new Promise((resolve) => {
      server.close(resolve);
      server.closeAllConnections();
    }),
  };
}
