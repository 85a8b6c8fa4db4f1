// A client of classic WebDriver (JSON over HTTP) on fetch, and WebKitWebDriver, which speaks
// only that, started on a free port of the loopback address: what drives WebKitGTK's MiniBrowser.
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';

// The key under which WebDriver passes an element reference, in both directions.
export const elementKey = 'element-6066-11e4-a52e-4f735466cecf';

export class WebDriverError extends Error {
  constructor(command, error, message) {
    super(`${command}: ${error}: ${message}`);
    this.error = error;
  }
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function freePort() {
  const server = createServer();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

async function request(url, method, body, timeoutMs) {
  const response = await fetch(url, {
    method,
    headers: { 'Content-Type': 'application/json; charset=utf-8' },
    body: body === undefined ? undefined : JSON.stringify(body),
    signal: AbortSignal.timeout(timeoutMs),
  });
  const { value } = await response.json();
  if (value?.error) {
    throw new WebDriverError(`${method} ${new URL(url).pathname}`, value.error, value.message);
  }
  return value;
}

export class WebDriverSession {
  constructor(base, id, capabilities) {
    this.base = base;
    this.id = id;
    this.capabilities = capabilities;
  }

  // A command on this session; path is relative to it ("/url").
  command(method, path, body, timeoutMs = 60000) {
    return request(`${this.base}/session/${this.id}${path}`, method, body, timeoutMs);
  }

  // Runs a function body in the page with the arguments (JSON values and element references) and
  // returns its result; a returned promise is awaited.
  execute(script, args = []) {
    return this.command('POST', '/execute/sync', { script, args }, 10 * 60000);
  }

  // Performs input actions and releases whatever they left pressed.
  async perform(actions) {
    await this.command('POST', '/actions', { actions });
    await this.command('DELETE', '/actions');
  }

  delete() {
    return this.command('DELETE', '', undefined, 15000);
  }
}

export async function createSession(base, capabilities, timeoutMs) {
  const { sessionId, capabilities: granted } = await request(`${base}/session`, 'POST',
    { capabilities: { alwaysMatch: capabilities } }, timeoutMs);
  return new WebDriverSession(base, sessionId, granted);
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

  const base = `http://127.0.0.1:${port}`;
  const stop = async () => {
    process.removeListener('exit', killOnExit);
    signalGroup('SIGTERM');
    for (const deadline = Date.now() + 5000; groupAlive() && Date.now() < deadline;) {
      await sleep(50);
    }
    signalGroup('SIGKILL');
    await exited;
  };
  for (const deadline = Date.now() + timeoutMs; ;) {
    try {
      if ((await request(`${base}/status`, 'GET', undefined, 2000)).ready !== undefined) {
        break;
      }
    } catch {
      // Not listening yet.
    }
    if (driver.exitCode !== null || Date.now() > deadline) {
      await stop();
      throw new Error(`WebKitWebDriver did not come up: ${output.trim()}`);
    }
    await sleep(50);
  }
  return { url: base, stop, output: () => output };
}
