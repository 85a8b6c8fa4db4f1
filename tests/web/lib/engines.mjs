// The three browser engines the page's tests run in, behind one small interface: Chromium
// (Debian's chromium) and Firefox (firefox-esr) driven by puppeteer-core, over the DevTools
// protocol and WebDriver BiDi; WebKit (WebKitGTK's MiniBrowser) by classic WebDriver through
// WebKitWebDriver, on the X display of DISPLAY. A page offers what the tests use, under the names
// puppeteer gives it; elements can be found by CSS or by role and accessible name, as
// 'aria/Name[role="button"]', each engine computing them itself.
//
// An engine that is not installed, or does not start, is EngineUnavailable: launchOrSkip ends
// the process then with the exit code CTest counts as skipped.
//
// Chromium is also started here as puppeteer's own browser, on a screen of its own where asked
// (launchChromium, setWindowState), for what takes its DevTools protocol: full screen as F11
// gives it, the benchmarks and the screenshots.
import { existsSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { delimiter, join } from 'node:path';
import { PNG } from 'pngjs';
import puppeteer from 'puppeteer-core';
import { documentStartScripts } from './static_server.mjs';
import { createSession, elementKey, startWebKitDriver, within } from './webkit_driver.mjs';

export const engines = ['chromium', 'firefox', 'webkit'];
export const skipExitCode = 77;

export class EngineUnavailable extends Error {}

export const chromiumPath = process.env.CHROMIUM ?? '/usr/bin/chromium';
const firefoxPath = process.env.FIREFOX ?? '/usr/bin/firefox-esr';
const miniBrowserPaths = [
  '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
  '/usr/lib/aarch64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
];
const launchTimeoutMs = 90000;
// WebKit's limits on a script, and on loading a page.
const scriptTimeoutMs = 600000;
const pageLoadTimeoutMs = 120000;

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The engine named by PROPORCIA_BROWSER, Chromium without it.
export function engineOfEnvironment() {
  const engine = process.env.PROPORCIA_BROWSER || 'chromium';
  if (!engines.includes(engine)) {
    throw new Error(`PROPORCIA_BROWSER=${engine}: not one of ${engines.join(', ')}`);
  }
  return engine;
}

// Starts a browser of the engine with its user interface in the language ("bg", "en-US"); its
// new pages have a viewport of the given size in CSS pixels.
// firefoxPreferences are set in Firefox besides the language's, such as its printing's.
export async function launch(engine, {
  language = 'bg', viewport = { width: 800, height: 600 }, deviceScaleFactor = 1,
  firefoxPreferences = {},
} = {}) {
  const options = { language, viewport: { ...viewport, deviceScaleFactor } };
  switch (engine) {
    case 'chromium':
      return launchPuppeteer(engine, chromiumPath, () => launchChromium({ language }), options);
    case 'firefox':
      return launchPuppeteer(engine, firefoxPath, () => puppeteer.launch({
        browser: 'firefox',
        executablePath: firefoxPath,
        headless: true,
        timeout: launchTimeoutMs,
        // What the page reads as navigator.language, and what Intl and the UI take.
        extraPrefsFirefox: {
          'intl.accept_languages': language, 'intl.locale.requested': language,
          ...firefoxPreferences,
        },
        env: { ...process.env, LANG: 'C.UTF-8' },
      }), options);
    case 'webkit':
      return WebKitBrowser.launch(options);
    default:
      throw new Error(`no engine ${engine}`);
  }
}

// Starts headless Chromium with the user interface in the given language ("bg", "en-US").
// With a screen ({ width, height } in CSS pixels, and a device scale factor), pages show in a
// real window on that screen, which can go full screen as with F11 (see setWindowState), rather
// than in a viewport of a fixed size.
export async function launchChromium({ language = 'bg', screen, deviceScaleFactor = 1 } = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'proporcia-chromium-'));
  const screenArgs = screen
    ? [
      `--screen-info={${screen.width * deviceScaleFactor}x${screen.height * deviceScaleFactor} ` +
        `devicePixelRatio=${deviceScaleFactor}}`,
      `--window-size=${Math.round(screen.width / 2)},${Math.round(screen.height / 2)}`,
    ]
    : [];
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    timeout: launchTimeoutMs,
    headless: true,
    userDataDir: profile,
    ...(screen ? { defaultViewport: null } : {}),
    args: [
      ...screenArgs,
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--font-render-hinting=none',
      `--lang=${language}`,
      `--accept-lang=${language}`,
    ],
    env: { ...process.env, LANGUAGE: language, LANG: 'C.UTF-8' },
  }).catch((error) => {
    rmSync(profile, { recursive: true, force: true });
    throw error;
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// Puts the browser window of a page full screen, as F11 does, or back ("normal").
export async function setWindowState(page, windowState) {
  const session = await page.createCDPSession();
  try {
    const { windowId } = await session.send('Browser.getWindowForTarget');
    await session.send('Browser.setWindowBounds', { windowId, bounds: { windowState } });
  } finally {
    await session.detach();
  }
}

let launchedBefore = false;

// As launch, but where the engine cannot run here, says why and ends the process as skipped. Once
// a browser has started in this process, one that does not start is a failure.
export async function launchOrSkip(engine, options) {
  try {
    const browser = await launch(engine, options);
    launchedBefore = true;
    return browser;
  } catch (error) {
    if (!(error instanceof EngineUnavailable) || launchedBefore) {
      throw error;
    }
    console.log(`SKIP: ${engine}: ${error.message}`);
    process.exit(skipExitCode);
  }
}

async function launchPuppeteer(engine, executable, start, options) {
  if (!existsSync(executable)) {
    throw new EngineUnavailable(`${executable} is not installed`);
  }
  let browser;
  try {
    browser = await start();
  } catch (error) {
    throw new EngineUnavailable(`${executable} did not start: ${error.message}`);
  }
  return new PuppeteerBrowser(engine, browser, options.viewport);
}

class PuppeteerBrowser {
  constructor(engine, browser, viewport) {
    this.engine = engine;
    this.browser = browser;
    this.viewport = viewport;
  }

  async newPage() {
    const page = new PuppeteerPage(this.engine, await this.browser.newPage());
    await page.setViewport(this.viewport);
    return page;
  }

  version() {
    return this.browser.version();
  }

  close() {
    return this.browser.close();
  }
}

class PuppeteerPage {
  constructor(engine, page) {
    this.engine = engine;
    this.page = page;
    this.keyboard = page.keyboard;
    this.mouse = page.mouse;
    this.collectedErrors = [];
    page.on('pageerror', (error) => this.collectedErrors.push(error.message ?? String(error)));
    page.on('console', (message) => {
      if (message.type() === 'error') {
        this.collectedErrors.push(message.text());
      }
    });
  }

  async goto(url) {
    await this.page.goto(url, { waitUntil: 'load' });
  }

  title() { return this.page.title(); }
  evaluate(fn, ...args) { return this.page.evaluate(fn, ...args); }
  evaluateOnNewDocument(fn, ...args) { return this.page.evaluateOnNewDocument(fn, ...args); }
  $(selector) { return this.page.$(selector); }
  $eval(selector, fn, ...args) { return this.page.$eval(selector, fn, ...args); }
  waitForSelector(selector, options) { return this.page.waitForSelector(selector, options); }
  waitForFunction(fn, options, ...args) { return this.page.waitForFunction(fn, options, ...args); }
  click(selector) { return this.page.click(selector); }
  focus(selector) { return this.page.focus(selector); }
  setViewport(viewport) { return this.page.setViewport(viewport); }

  async screenshot(options) {
    return Buffer.from(await this.page.screenshot(options));
  }

  // Console errors and uncaught exceptions of the page so far.
  async errors() {
    return [...this.collectedErrors];
  }

  close() {
    return this.page.close();
  }
}

// WebKit's locales come from a folder of the build (LOCPATH), made with localedef, so that no
// locale of the system needs to be set up; its navigator.language is that of LC_CTYPE.
function posixLocale(language) {
  const [base, region] = language.split('-');
  const regions = { bg: 'BG', en: 'US' };
  return `${base}_${region ?? regions[base] ?? base.toUpperCase()}.UTF-8`;
}

function onPath(program) {
  return (process.env.PATH ?? '').split(delimiter).some((dir) => existsSync(join(dir, program)));
}

// Records the page's console errors and uncaught exceptions in the page, for a driver with no way
// to report them.
const errorRecorder = `(() => {
  const errors = window.__proporciaErrors = [];
  const consoleError = console.error;
  console.error = function (...parts) {
    errors.push(parts.map(String).join(' '));
    return consoleError.apply(this, parts);
  };
  addEventListener('error', (event) => errors.push(event.error?.message ?? event.message));
  addEventListener('unhandledrejection',
    (event) => errors.push(String(event.reason?.message ?? event.reason)));
})();`;

// WebDriver's codes of the keys the tests press, by puppeteer's names.
const keyCodes = {
  Backspace: '\uE003', Tab: '\uE004', Enter: '\uE007', Shift: '\uE008', Control: '\uE009',
  Alt: '\uE00A', Escape: '\uE00C', PageUp: '\uE00E', PageDown: '\uE00F', End: '\uE010',
  Home: '\uE011', ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014',
  ArrowDown: '\uE015', Delete: '\uE017', Meta: '\uE03D', ' ': '\uE00D', Space: '\uE00D',
};
const modifiers = new Set(['Shift', 'Control', 'Alt', 'Meta']);

function keyCode(key) {
  if (key in keyCodes) {
    return keyCodes[key];
  }
  const code = /^(?:Key([A-Z])|Digit([0-9]))$/.exec(key);
  if (code) {
    return (code[1] ?? code[2]).toLowerCase();
  }
  if ([...key].length === 1) {
    return key;
  }
  throw new Error(`no WebDriver code for the key ${key}`);
}

// Elements of each role that an element need not be given the role for.
const implicitRoles = {
  button: 'button, input[type=button], input[type=submit], input[type=reset]',
  textbox: 'textarea, input:not([type]), input[type=text]',
  listbox: 'select',
  radio: 'input[type=radio]',
  group: 'fieldset',
  dialog: 'dialog',
};

function parseAriaSelector(selector) {
  const parts = /^aria\/(.*?)(?:\[role="([a-z]+)"\])?$/.exec(selector);
  return parts && { name: parts[1], role: parts[2] };
}

class WebKitBrowser {
  static async launch({ language, viewport }) {
    if (viewport.deviceScaleFactor !== 1) {
      throw new Error('WebKit takes no device scale factor here');
    }
    const miniBrowser = miniBrowserPaths.find((path) => existsSync(path));
    if (!onPath('WebKitWebDriver') || !miniBrowser) {
      throw new EngineUnavailable('WebKitWebDriver or MiniBrowser is not installed ' +
        '(Debian\'s webkit2gtk-driver)');
    }
    if (!process.env.DISPLAY) {
      throw new EngineUnavailable('no X display (run it through scripts/on-virtual-display.sh)');
    }
    const locales = process.env.PROPORCIA_LOCALE_DIR;
    const locale = posixLocale(language);
    if (!locales || !existsSync(join(locales, locale, 'LC_CTYPE'))) {
      throw new EngineUnavailable(`no locale ${locale} in PROPORCIA_LOCALE_DIR (${locales}), ` +
        'which the build makes with localedef');
    }
    // The browser's caches and settings go into a folder of its own, removed on closing.
    const home = mkdtempSync(join(tmpdir(), 'proporcia-webkit-'));
    const environment = {
      LOCPATH: locales,
      LC_ALL: locale,
      LANG: locale,
      LANGUAGE: '',
      XDG_CACHE_HOME: join(home, 'cache'),
      XDG_CONFIG_HOME: join(home, 'config'),
      XDG_DATA_HOME: join(home, 'data'),
      // Without a GPU, the DMA-BUF renderer gives black or stale screenshots.
      WEBKIT_DISABLE_DMABUF_RENDERER: '1',
      GDK_BACKEND: 'x11',
    };
    let driver;
    try {
      driver = await startWebKitDriver(environment);
      const session = await createSession(driver.port, {
        // Given arguments, WebKitWebDriver no longer adds --automation itself.
        'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] },
      }, { timeoutMs: launchTimeoutMs, commandTimeoutMs: scriptTimeoutMs + 60000 });
      await session.setTimeouts(0, pageLoadTimeoutMs, scriptTimeoutMs);
      return new WebKitBrowser(driver, session, home, viewport);
    } catch (error) {
      await driver?.stop();
      rmSync(home, { recursive: true, force: true });
      throw new EngineUnavailable(`MiniBrowser did not start: ${error.message}`);
    }
  }

  constructor(driver, session, home, viewport) {
    this.engine = 'webkit';
    this.driver = driver;
    this.session = session;
    this.home = home;
    this.viewport = viewport;
    this.page = null;
    // What the window takes around its viewport, as last measured.
    this.decoration = { width: 0, height: 0 };
  }

  // The one window of the session shows one page at a time: a new page ends the one before.
  async newPage() {
    await this.page?.close();
    this.page = new WebKitPage(this);
    await this.page.setViewport(this.viewport);
    return this.page;
  }

  async version() {
    return `${this.session.capabilities.browserName}/${this.session.capabilities.browserVersion}`;
  }

  async close() {
    await this.page?.close();
    await within(this.session.deleteSession(), 15000, 'ending the session').catch(() => {});
    await this.driver.stop();
    rmSync(this.home, { recursive: true, force: true });
  }
}

class WebKitElement {
  constructor(page, id) {
    this.page = page;
    this.id = id;
  }

  evaluate(fn, ...args) {
    return this.page.evaluate(fn, this, ...args);
  }

  // A trusted click at its middle, as a mouse gives it.
  async click() {
    const { x, y } = await this.evaluate((element) => {
      element.scrollIntoView({ block: 'nearest', inline: 'nearest' });
      const { left, top, width, height } = element.getBoundingClientRect();
      return { x: left + width / 2, y: top + height / 2 };
    });
    await this.page.mouse.click(x, y);
  }

  focus() {
    return this.evaluate((element) => element.focus());
  }

  // Cut out of the page's picture: WebKit's own picture of an element takes in what overflows
  // it, even where the element clips that away.
  async screenshot() {
    const box = await this.evaluate((element) => {
      element.scrollIntoView({ block: 'nearest', inline: 'nearest' });
      const { left, top, width, height } = element.getBoundingClientRect();
      return { left, top, width, height, scale: devicePixelRatio };
    });
    const page = PNG.sync.read(await this.page.screenshot());
    const [left, top, width, height] = [box.left, box.top, box.width, box.height]
      .map((length) => Math.round(length * box.scale));
    const picture = new PNG({ width, height });
    PNG.bitblt(page, picture, left, top, width, height, 0, 0);
    return PNG.sync.write(picture);
  }
}

class WebKitPage {
  constructor(browser) {
    this.engine = 'webkit';
    this.browser = browser;
    this.session = browser.session;
    this.startScripts = [errorRecorder];
    this.collectedErrors = [];
    // Elements found by role and name in the document shown, by selector.
    this.accessibleElements = new Map();
    this.held = [];
    const keys = (codes) => this.perform([{
      type: 'key',
      id: 'keyboard',
      actions: [
        ...this.held.map((key) => ({ type: 'keyDown', value: keyCodes[key] })),
        ...codes.flatMap((value) => [{ type: 'keyDown', value }, { type: 'keyUp', value }]),
        ...[...this.held].reverse().map((key) => ({ type: 'keyUp', value: keyCodes[key] })),
      ],
    }]);
    // Each action sequence is sent whole, modifiers held down pressed at its start and let go at
    // its end, so that none stays pressed between two commands.
    this.keyboard = {
      down: async (key) => {
        if (!modifiers.has(key)) {
          throw new Error(`only modifiers are held down here, not ${key}`);
        }
        this.held.push(key);
      },
      up: async (key) => {
        this.held = this.held.filter((held) => held !== key);
      },
      press: (key) => keys([keyCode(key)]),
      type: (text) => keys([...text].map((c) => (c === '\n' ? keyCodes.Enter : c))),
    };
    const pointer = (actions) => this.perform([{
      type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' }, actions,
    }]);
    const moveTo = (x, y) => ({
      type: 'pointerMove', origin: 'viewport', x: Math.round(x), y: Math.round(y), duration: 0,
    });
    this.mouse = {
      move: (x, y) => pointer([moveTo(x, y)]),
      click: (x, y) => pointer([moveTo(x, y), { type: 'pointerDown', button: 0 },
        { type: 'pointerUp', button: 0 }]),
    };
    for (const script of this.startScripts) {
      documentStartScripts.add(script);
    }
  }

  // Performs input actions and releases whatever they left pressed.
  async perform(actions) {
    await this.session.performActions(actions);
    await this.session.releaseActions();
  }

  async goto(url) {
    await this.collectErrors();
    this.accessibleElements.clear();
    await this.session.navigateTo(url);
    // A page that the test server did not serve (a file, say) got no start scripts: the errors
    // of its loading are lost, those after it recorded.
    await this.evaluate((recorder) => window.__proporciaErrors || (0, eval)(recorder),
      errorRecorder);
  }

  title() {
    return this.session.getTitle();
  }

  evaluate(fn, ...args) {
    const wire = args.map((arg) => (arg instanceof WebKitElement ? { [elementKey]: arg.id } : arg));
    return this.session.executeScript(`return (${fn}).apply(null, arguments);`, wire);
  }

  // Runs in every document loaded from now on, before the document's own scripts.
  async evaluateOnNewDocument(fn, ...args) {
    const script = `(${fn}).apply(null, ${JSON.stringify(args)});`;
    this.startScripts.push(script);
    documentStartScripts.add(script);
  }

  async $(selector) {
    const aria = parseAriaSelector(selector);
    if (aria) {
      return this.findAccessible(selector, aria);
    }
    // The client gives "no such element" back as the value found; other errors it throws.
    const found = await this.session.findElement('css selector', selector);
    return found[elementKey] ? new WebKitElement(this, found[elementKey]) : null;
  }

  // The first element, in the document's order, whose role and accessible name as WebKit
  // computes them are those asked for.
  async findAccessible(selector, { name, role }) {
    const known = this.accessibleElements.get(selector);
    if (known) {
      return known;
    }
    const candidates = role ? `${implicitRoles[role] ?? ''}${implicitRoles[role] ? ', ' : ''}` +
      `[role="${role}"]` : '*';
    const found = await this.session.findElements('css selector', candidates);
    for (const reference of found) {
      const id = reference[elementKey];
      if ((!role || await this.session.getElementComputedRole(id) === role)
          && await this.session.getElementComputedLabel(id) === name) {
        const element = new WebKitElement(this, id);
        this.accessibleElements.set(selector, element);
        return element;
      }
    }
    return null;
  }

  async $eval(selector, fn, ...args) {
    const element = await this.$(selector);
    if (!element) {
      throw new Error(`no element ${selector}`);
    }
    return element.evaluate(fn, ...args);
  }

  async waitForSelector(selector, { timeout = 30000 } = {}) {
    for (const deadline = Date.now() + timeout; ;) {
      const element = await this.$(selector);
      if (element) {
        return element;
      }
      if (Date.now() > deadline) {
        throw new Error(`waiting for ${selector}: not there after ${timeout} ms`);
      }
      await sleep(50);
    }
  }

  // Waits in the page until fn(...args) is true, checking at each frame or every polling ms.
  async waitForFunction(fn, { timeout = 30000, polling = 'raf' } = {}, ...args) {
    const settled = await this.session.executeScript(`
      const [source, args, timeout, polling] = arguments;
      const condition = (0, eval)('(' + source + ')');
      const deadline = performance.now() + timeout;
      return new Promise((resolve, reject) => {
        const check = () => {
          try {
            if (condition(...args)) {
              resolve(true);
            } else if (performance.now() > deadline) {
              resolve(false);
            } else if (polling === 'raf') {
              requestAnimationFrame(check);
            } else {
              setTimeout(check, polling);
            }
          } catch (error) {
            reject(error);
          }
        };
        check();
      });`, [String(fn), args, timeout, polling]);
    if (!settled) {
      throw new Error(`waiting for ${fn}: not true after ${timeout} ms`);
    }
  }

  async click(selector) {
    await (await this.waitForSelector(selector)).click();
  }

  async focus(selector) {
    await (await this.waitForSelector(selector)).focus();
  }

  // Sizes the window so that its viewport, below MiniBrowser's toolbar, has the size asked for.
  // The page may see a new size a little after the window has it: each try waits for it, and the
  // next one corrects by what the toolbar and the borders turned out to take.
  async setViewport({ width, height, deviceScaleFactor = 1 }) {
    if (deviceScaleFactor !== 1) {
      throw new Error('WebKit takes no device scale factor here');
    }
    let inner;
    for (let attempt = 0; attempt < 3; ++attempt) {
      const window = await this.session.setWindowRect(null, null,
        width + this.browser.decoration.width, height + this.browser.decoration.height);
      inner = await this.evaluate((width, height) => new Promise((resolve) => {
        const deadline = performance.now() + 1000;
        const check = () => {
          if ((innerWidth === width && innerHeight === height) || performance.now() > deadline) {
            resolve([innerWidth, innerHeight]);
          } else {
            requestAnimationFrame(check);
          }
        };
        check();
      }), width, height);
      if (inner[0] === width && inner[1] === height) {
        return;
      }
      this.browser.decoration = {
        width: window.width - inner[0], height: window.height - inner[1],
      };
    }
    throw new Error(`WebKit's viewport is ${inner.join(' × ')}, not ${width} × ${height}` +
      ' (its window is 447 pixels wide at least)');
  }

  // Two frames drawn after the last change, so that a picture shows it.
  waitForPaint() {
    return this.evaluate(() => new Promise(
      (resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
  }

  // WebKitWebDriver's picture waits for the next frame drawn, and a page where nothing changes
  // draws none: while it is taken, a transparent speck changes its transparent colour each frame.
  async screenshot() {
    await this.waitForPaint();
    await this.evaluate(() => {
      const speck = document.createElement('div');
      speck.style.cssText = 'position: fixed; left: 0; top: 0; width: 1px; height: 1px; '
        + 'pointer-events: none';
      document.documentElement.append(speck);
      let frame = 0;
      const redraw = () => {
        if (speck.isConnected) {
          speck.style.backgroundColor = frame++ % 2 ? 'rgba(255, 0, 0, 0)' : 'rgba(0, 0, 255, 0)';
          requestAnimationFrame(redraw);
        }
      };
      redraw();
      window.__proporciaSpeck = speck;
    });
    try {
      const picture = await within(this.session.takeScreenshot(), 60000, 'a picture of the page');
      return Buffer.from(picture, 'base64');
    } finally {
      await this.evaluate(() => window.__proporciaSpeck.remove());
    }
  }

  async collectErrors() {
    try {
      this.collectedErrors.push(...await this.evaluate(
        () => window.__proporciaErrors?.splice(0) ?? []));
    } catch {
      // No document yet.
    }
  }

  async errors() {
    await this.collectErrors();
    return [...this.collectedErrors];
  }

  async close() {
    if (this.closed) {
      return;
    }
    this.closed = true;
    for (const script of this.startScripts) {
      documentStartScripts.delete(script);
    }
    this.startScripts = [];
    await this.session.navigateTo('about:blank');
  }
}
