// The browser tests' side of the page: a local server for the built site
// and Debian's Chromium driven headless by Playwright.
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const { chromium } = require('playwright-core');

const root = path.resolve(__dirname, '..', '..');
const site = process.env.ZORB_SITE || path.join(root, 'build-web', 'site');

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.woff': 'font/woff',
};

// Serves the site on a free port of the loopback address. `hide` names
// files answered with 404, as a broken or half-copied site would.
async function serve({ hide = [] } = {}) {
  const served = [];
  const server = http.createServer((req, res) => {
    const url = new URL(req.url, 'http://localhost');
    let file = decodeURIComponent(url.pathname);
    if (file.endsWith('/')) file += 'index.html';
    const full = path.join(site, path.normalize(file));
    if (!full.startsWith(site) || hide.some((h) => file.endsWith(h)) || !fs.existsSync(full) ||
        !fs.statSync(full).isFile()) {
      res.writeHead(404);
      res.end('not found');
      return;
    }
    const body = fs.readFileSync(full);
    served.push({ file, bytes: body.length });
    res.writeHead(200, { 'Content-Type': TYPES[path.extname(full)] || 'application/octet-stream' });
    res.end(body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  return { url: `http://127.0.0.1:${port}/`, served, close: () => new Promise((r) => server.close(r)) };
}

// Debian's Chromium, headless, with a profile of its own and nothing that
// reaches for the network.
async function launch({ width = 800, height = 708, scale = 1 } = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zorbland-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    viewport: { width, height },
    deviceScaleFactor: scale,
  });
  const page = context.pages()[0] || await context.newPage();
  const problems = [];
  page.on('console', (m) => { if (m.type() === 'error') problems.push(m.text()); });
  page.on('pageerror', (e) => problems.push(String(e)));
  return {
    context,
    page,
    problems,
    close: async () => {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// The transcript the game has written so far (?test pages only).
async function transcript(page) {
  return page.evaluate(() => window.zorbland.transcript.slice());
}

// Waits until the transcript has a line ending in `event`; returns its game time.
async function waitForEvent(page, event, timeout = 20000) {
  const handle = await page.waitForFunction((e) => {
    const line = window.zorbland && window.zorbland.transcript.find((l) => l.endsWith(' ' + e));
    return line ? Number(line.split(' ')[0]) : null;
  }, event, { timeout, polling: 20 });
  return handle.jsonValue();
}

// Waits until the page has drawn everything it was asked to and the game
// sits waiting: no picture on its way, nothing queued.
async function settle(page) {
  await page.waitForFunction(() => window.zorbland && window.zorbland.frames() > 0 &&
    window.zorbland.picturesLoading() === 0 && window.zorbland.waiting(), null, { polling: 20 });
}

module.exports = { root, site, serve, launch, transcript, waitForEvent, settle };
