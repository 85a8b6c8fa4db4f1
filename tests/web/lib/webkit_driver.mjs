// WebKitWebDriver, which speaks only classic WebDriver, started on a free port of the loopback
// address, and a session of it through WebdriverIO's W3C WebDriver client (npm's "webdriver"):
// what drives WebKitGTK's MiniBrowser.
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';

// The key under which WebDriver passes an element reference, in both directions.
export const elementKey = 'element-6066-11e4-a52e-4f735466cecf';

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function freePort() {
  const server = createServer();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

async function listening(base) {
  try {
    const response = await fetch(`${base}/status`, { signal: AbortSignal.timeout(2000) });
    return (await response.json()).value?.ready !== undefined;
  } catch {
    return false;
  }
}

// The promise's outcome, or a rejection once ms have passed; an outcome after that is dropped.
export function within(promise, ms, what) {
  let timer;
  const late = new Promise((resolve, reject) => {
    timer = setTimeout(() => reject(new Error(`${what}: no answer in ${ms} ms`)), ms);
  });
  promise.catch(() => {});
  return Promise.race([promise, late]).finally(() => clearTimeout(timer));
}

// Starts WebKitWebDriver with the environment given on top of this process's, in a process group
// of its own so that the browser it starts, and the browser's helper processes, go with it.
export async function startWebKitDriver(environment, timeoutMs = 30000) {
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], {
    detached: true,
    stdio: ['ignore', 'ignore', 'pipe'],
    env: { ...process.env, ...environment },
  });
  let output = '';
  driver.stderr.setEncoding('utf8').on('data', (text) => {
    output = (output + text).slice(-4000);
  });
  const exited = new Promise((resolve) => driver.once('exit', resolve));
  const spawned = await new Promise((resolve) => {
    driver.once('spawn', () => resolve(true));
    driver.once('error', () => resolve(false));
  });
  if (!spawned) {
    throw new Error('WebKitWebDriver could not be started');
  }

  const groupAlive = () => {
    try {
      process.kill(-driver.pid, 0);
      return true;
    } catch {
      return false;
    }
  };
  const signalGroup = (signal) => {
    try {
      process.kill(-driver.pid, signal);
    } catch {
      // Already gone.
    }
  };
  // Should this process end without stopping the driver, the browser must not outlive it.
  const killOnExit = () => signalGroup('SIGKILL');
  process.once('exit', killOnExit);

  const stop = async () => {
    process.removeListener('exit', killOnExit);
    signalGroup('SIGTERM');
    for (const deadline = Date.now() + 5000; groupAlive() && Date.now() < deadline;) {
      await sleep(50);
    }
    signalGroup('SIGKILL');
    await exited;
  };
  for (const deadline = Date.now() + timeoutMs; !await listening(`http://127.0.0.1:${port}`);) {
    if (driver.exitCode !== null || Date.now() > deadline) {
      await stop();
      throw new Error(`WebKitWebDriver did not come up: ${output.trim()}`);
    }
    await sleep(50);
  }
  return { port, stop, output: () => output };
}

// A new session of the driver on port, with the capabilities asked for, given timeoutMs to start.
// The client tries each command once, and waits for its answer up to commandTimeoutMs: the
// driver's own time limits (setTimeouts) end a script or a loading before that. The client's log
// stays off unless WDIO_LOG_LEVEL asks for it.
export async function createSession(port, capabilities, { timeoutMs, commandTimeoutMs }) {
  process.env.WDIO_LOG_LEVEL ??= 'silent';
  // Loaded here, after the level is set, which its loggers read as they are made.
  const { default: WebDriver } = await import('webdriver');
  return within(WebDriver.newSession({
    hostname: '127.0.0.1',
    port,
    path: '/',
    capabilities: { alwaysMatch: capabilities, firstMatch: [{}] },
    logLevel: process.env.WDIO_LOG_LEVEL,
    connectionRetryCount: 0,
    connectionRetryTimeout: commandTimeoutMs,
  }), timeoutMs, 'a new WebDriver session');
}
