// The browser version's budgets, measured in Debian's Chromium headless
// against the built site on a local server (run by hand, figures in
// BENCHMARKS.md):
//
//   node tests/web/bench.js
//
// - bytes the page downloads: to the title, and over a session through the
//   title, the introduction, the first town and the ghost battle, at scale 1
//   and in a larger window (2× pictures);
// - navigation to the first frame drawn, five cold loads;
// - CPU of the whole browser while the second town idles (its 1-ms
//   watchers running), ten seconds, against the same browser on a blank page;
// - an arrow key to the frame that shows the hero on his new cell (the key
//   event's time stamp to the frame drawn on the canvas).
'use strict';

const fs = require('node:fs');
const h = require('./harness.js');

const pause = (ms) => new Promise((r) => setTimeout(r, ms));
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

// User and system time, in clock ticks, of every process of this browser
// (found by its own profile folder on the command line).
function browserTicks(profileHint) {
  let ticks = 0;
  for (const pid of fs.readdirSync('/proc').filter((d) => /^\d+$/.test(d))) {
    try {
      const cmd = fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8');
      if (!cmd.includes('chromium') || !cmd.includes(profileHint)) continue;
      const stat = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      ticks += Number(fields[11]) + Number(fields[12]);
    } catch (e) { /* gone */ }
  }
  return ticks;
}
const TICKS_PER_SECOND = 100;

async function cpuShare(b, seconds) {
  const hint = b.profile;
  const t0 = browserTicks(hint);
  const w0 = Date.now();
  const m0 = await b.cdp.send('Performance.getMetrics');
  await pause(seconds * 1000);
  const t1 = browserTicks(hint);
  const m1 = await b.cdp.send('Performance.getMetrics');
  const wall = (Date.now() - w0) / 1000;
  const task = (m) => m.metrics.find((x) => x.name === 'TaskDuration').value;
  return { browser: (t1 - t0) / TICKS_PER_SECOND / wall, renderer: (task(m1) - task(m0)) / wall };
}

async function main() {
  const server = await h.serve();
  const results = {};

  // Downloads.
  {
    const b = await h.launch();
    await b.page.goto(server.url + '?test');
    await h.settle(b.page);
    results.bytesToTitle = server.served.reduce((n, f) => n + f.bytes, 0);
    await b.close();
    server.served.length = 0;
    const s = await h.launch();
    for (const q of ['', 'start=Form3', 'start=Form10']) {
      await s.page.goto(server.url + '?test' + (q ? '&' + q : ''));
      await h.settle(s.page);
      if (!q) {
        await h.waitForEvent(s.page, 'show Form2');
        await h.settle(s.page);
      }
    }
    const files = new Map();
    for (const f of server.served) files.set(f.file, f.bytes);
    results.bytesSession = [...files.values()].reduce((a, b) => a + b, 0);
    await s.close();
    // The same session in a larger window: above scale 1 the 2× pictures.
    server.served.length = 0;
    const big = await h.launch({ width: 1280, height: 900 });
    for (const q of ['', 'start=Form3', 'start=Form10']) {
      await big.page.goto(server.url + '?test' + (q ? '&' + q : ''));
      await h.settle(big.page);
      if (!q) {
        await h.waitForEvent(big.page, 'show Form2');
        await h.settle(big.page);
      }
    }
    const bigFiles = new Map();
    for (const f of server.served) bigFiles.set(f.file, f.bytes);
    results.bytesSessionAt2x = [...bigFiles.values()].reduce((a, b) => a + b, 0);
    await big.close();
  }

  // First frame after navigation, cold.
  {
    const times = [];
    for (let i = 0; i < 5; i++) {
      const b = await h.launch();
      await b.page.goto(server.url + '?test');
      await b.page.waitForFunction(() => window.zorbland && window.zorbland.frames() > 0);
      times.push(await b.page.evaluate(() => window.zorbland.firstFrameAt()));
      await b.close();
    }
    results.firstFrameMs = { median: median(times), all: times.map((t) => Math.round(t)) };
  }

  // Idle CPU in the second town, and the same browser with nothing to do.
  {
    const b = await h.launch();
    b.cdp = await b.context.newCDPSession(b.page);
    await b.cdp.send('Performance.enable');
    await b.page.goto('about:blank');
    await pause(2000);
    results.cpuBlank = await cpuShare(b, 10);
    await b.page.goto(server.url + '?test&start=Form13');
    await h.settle(b.page);
    await pause(2000);
    results.cpuSecondTown = await cpuShare(b, 10);
    await b.close();
  }

  // An arrow key to the hero drawn, up and down between two cells.
  {
    const b = await h.launch();
    await b.page.goto(server.url + '?test&start=Form13');
    await h.settle(b.page);
    await b.page.evaluate(() => {
      window.keyAt = 0;
      addEventListener('keydown', (e) => { window.keyAt = e.timeStamp; }, true);
    });
    const latencies = [];
    for (let i = 0; i < 30; i++) {
      const key = i % 2 === 0 ? 'ArrowUp' : 'ArrowDown';
      const expected = i % 2 === 0 ? '2160' : '2880';
      // Down and up together, as a quick tap: a real key's up can come a
      // hundred milliseconds late in headless Chromium, and a held arrow
      // then tries a second step, which is not what is measured here.
      await b.page.evaluate((k) => {
        for (const type of ['keydown', 'keyup']) window.dispatchEvent(new KeyboardEvent(type, { key: k }));
      }, key);
      await pause(300);
      const now = await b.page.evaluate(() => window.zorbland.dump('Form13.Text2'));
      if (now !== expected) throw new Error(`the hero is at ${now}, not ${expected}`);
      // Nothing else changes on this screen: the last frame is the step's.
      latencies.push(await b.page.evaluate(() => window.zorbland.lastFrameAt() - window.keyAt));
    }
    results.stepMs = { median: median(latencies), worst: Math.max(...latencies), best: Math.min(...latencies) };
    await b.close();
  }

  await server.close();
  console.log(JSON.stringify(results, null, 2));
}

main().catch((e) => { console.error(e); process.exit(1); });
