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
    profile,
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

// The game's screen as the page shows it: the 800 × 680 desktop at scale 1
// (a page of 800 × 708 CSS pixels, the bar below it).
async function screenShot(page) {
  return page.screenshot({ clip: { x: 0, y: 0, width: 800, height: 680 } });
}

// Compares two PNGs of the same size, pixel by pixel, in the browser (which
// decodes PNG). A pixel differs when a channel is off by more than 64 of
// 255; `tiles` gives, for the worst 20 × 20 tile, the share that differ.
async function compareShots(page, a, b) {
  return page.evaluate(async ([a, b]) => {
    async function pixels(base64) {
      const image = new Image();
      image.src = 'data:image/png;base64,' + base64;
      await image.decode();
      const c = document.createElement('canvas');
      c.width = image.width;
      c.height = image.height;
      const g = c.getContext('2d');
      g.drawImage(image, 0, 0);
      return g.getImageData(0, 0, c.width, c.height);
    }
    const pa = await pixels(a), pb = await pixels(b);
    if (pa.width !== pb.width || pa.height !== pb.height) {
      return { sameSize: false, size: [pa.width, pa.height, pb.width, pb.height] };
    }
    const T = 20;
    const tiles = new Map();
    let differing = 0;
    for (let y = 0; y < pa.height; y++) {
      for (let x = 0; x < pa.width; x++) {
        const i = (y * pa.width + x) * 4;
        const d = Math.max(Math.abs(pa.data[i] - pb.data[i]), Math.abs(pa.data[i + 1] - pb.data[i + 1]),
          Math.abs(pa.data[i + 2] - pb.data[i + 2]));
        if (d > 64) {
          differing++;
          const key = Math.floor(x / T) + ',' + Math.floor(y / T);
          tiles.set(key, (tiles.get(key) || 0) + 1);
        }
      }
    }
    let worst = 0, worstAt = '';
    for (const [key, n] of tiles) if (n > worst) { worst = n; worstAt = key; }
    return { sameSize: true, share: differing / (pa.width * pa.height), worstTile: worst / (T * T), worstAt };
  }, [a.toString('base64'), b.toString('base64')]);
}

module.exports.screenShot = screenShot;
module.exports.compareShots = compareShots;
