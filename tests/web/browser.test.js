// The browser version in Debian's Chromium, driven like a player would:
// the page must play like the window and look like it.
'use strict';

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const h = require('./harness.js');

// The desktop's headless program, for the shots the page is compared with.
const zorbland = process.env.ZORBLAND || path.join(h.root, 'build', 'zorbland');

let server;
before(async () => { server = await h.serve(); });
after(async () => { await server.close(); });

// Where a control's centre lands on the screen at scale 1: windows are
// centred on the 800 × 680 desktop, the client area 3 pixels in from the
// frame's left and 23 below its top (twips: 15 to a pixel).
function centre(client, rect) {
  const frameW = client[0] / 15 + 6, frameH = client[1] / 15 + 26;
  const left = Math.floor((800 - frameW) / 2) + 3, top = Math.floor((680 - frameH) / 2) + 23;
  return { x: left + (rect[0] + rect[2] / 2) / 15, y: top + (rect[1] + rect[3] / 2) / 15 };
}
const FORM2 = [7665, 5010];
const FORM3 = [7230, 7710];
const FORM10 = [8790, 8415];
const NEXT = centre(FORM2, [7200, 4560, 255, 255]);      // Form2's ▼
const UP = centre(FORM3, [5160, 4800, 495, 855]);        // a map's ↑
const MELEE = centre(FORM10, [480, 5160, 1935, 255]);    // the battle's リンチ

async function open(query) {
  const b = await h.launch();
  await b.page.goto(server.url + '?test' + (query ? '&' + query : ''));
  await b.page.waitForFunction(() => window.zorbland && window.zorbland.frames() > 0);
  return b;
}

async function dump(page, name) {
  return page.evaluate((n) => window.zorbland.dump(n), name);
}

// Waits until a control's dump reads `value`.
async function until(page, name, value, timeout = 20000) {
  const end = Date.now() + timeout;
  for (;;) {
    const now = await dump(page, name);
    if (now === value) return;
    if (Date.now() > end) assert.fail(`${name} is "${now}", not "${value}"`);
    await page.waitForTimeout(50);
  }
}

const pause = (ms) => new Promise((r) => setTimeout(r, ms));

// A map takes arrows again once its last step has run to its end (its
// arrow buttons hide while a step runs, in the window as here).
async function ready(page, map) {
  await until(page, `${map}.Command1`, '↑ True');
}

// An arrow pressed and let go at once on a map that is ready for it. The
// browser can take a hundred milliseconds between a real key's down and up,
// long enough for a held arrow to take a second step, so the pair is put to
// the page together.
async function tap(page, key, map) {
  await ready(page, map);
  await page.evaluate((k) => {
    for (const type of ['keydown', 'keyup']) window.dispatchEvent(new KeyboardEvent(type, { key: k }));
  }, key);
}

test('the title shows at once and the introduction three seconds of play later', async () => {
  const b = await open();
  try {
    assert.deepEqual(await h.transcript(b.page), ['0 show Form1']);
    assert.equal(await dump(b.page, 'Form1'), 'shown');
    assert.equal(await h.waitForEvent(b.page, 'show Form2'), 3000);
    assert.deepEqual((await h.transcript(b.page)).slice(0, 4),
      ['0 show Form1', '3000 show Form4', '3000 show Form2', '3000 unload Form1']);
    // The game's clock follows the page's: three seconds there too.
    const [title, , intro] = await b.page.evaluate(() => window.zorbland.loggedAt.slice(0, 3));
    assert.ok(intro - title >= 2990 && intro - title < 4500, `introduction ${intro - title} ms after the title`);
    assert.equal(await dump(b.page, 'Form2'), 'shown');
    assert.deepEqual(b.problems, []);
  } finally {
    await b.close();
  }
});

test('pressing ▼ seven times leads from the introduction into the first town', async () => {
  const b = await open();
  try {
    await h.waitForEvent(b.page, 'show Form2');
    for (let i = 1; i <= 7; i++) {
      if (i < 7) await until(b.page, 'Form2.Text1', String(i));
      await b.page.mouse.click(NEXT.x, NEXT.y);
    }
    await h.waitForEvent(b.page, 'show Form3');
    const lines = await h.transcript(b.page);
    assert.ok(lines.some((l) => l.endsWith(' unload Form2')));
    assert.equal(await dump(b.page, 'Form3'), 'shown');
    assert.equal(await dump(b.page, 'Form2'), 'not loaded');
    assert.deepEqual(b.problems, []);
  } finally {
    await b.close();
  }
});

test('the arrow keys walk: a tap one cell, a held arrow cell after cell', async () => {
  const b = await open('start=Form3');
  try {
    await h.settle(b.page);
    assert.equal(await dump(b.page, 'Form3.Text2'), '2880');
    await tap(b.page, 'ArrowUp', 'Form3');
    await until(b.page, 'Form3.Text2', '2160');
    await pause(400);
    assert.equal(await dump(b.page, 'Form3.Text2'), '2160', 'a tap walks one cell');
    assert.equal(await dump(b.page, 'Form3.Text1'), '5760');
    // One more up, to the open row under the top wall: seven cells of floor.
    await tap(b.page, 'ArrowUp', 'Form3');
    await until(b.page, 'Form3.Text2', '1440');

    await b.page.keyboard.down('ArrowLeft');
    await pause(450);
    await b.page.keyboard.up('ArrowLeft');
    await pause(300);
    const x = Number(await dump(b.page, 'Form3.Text1'));
    assert.ok(x <= 5760 - 2 * 720 && x >= 720, `held ← walked to ${x}`);
    assert.equal(await dump(b.page, 'Form3'), 'shown');
    assert.equal((5760 - x) % 720, 0, 'whole cells only');
    await pause(400);
    assert.equal(Number(await dump(b.page, 'Form3.Text1')), x, 'the walk stops when the key is let go');
    assert.deepEqual(b.problems, []);
  } finally {
    await b.close();
  }
});

test('a message box opens, takes every click, and Enter closes it', async () => {
  const b = await open('start=Form3');
  try {
    await h.settle(b.page);
    await b.page.keyboard.press('ArrowLeft');
    await h.waitForEvent(b.page, 'msgbox ここはマサラリーマンタウン。');
    await h.settle(b.page);
    const before = await h.screenShot(b.page);
    // The town's ↑ beneath the box does nothing, nor does a held arrow.
    await b.page.mouse.click(UP.x, UP.y);
    await b.page.keyboard.press('ArrowUp');
    await pause(300);
    assert.equal(await dump(b.page, 'Form3.Text2'), '2880');
    assert.ok((await h.transcript(b.page)).every((l) => !l.includes('Form3.Command')));
    assert.ok(before.equals(await h.screenShot(b.page)), 'the screen did not change under the box');

    await b.page.keyboard.press('Enter');
    await b.page.waitForFunction(() => window.zorbland.waiting());
    await pause(100);
    assert.equal(await dump(b.page, 'Form3.Text1'), '5040', 'the step that met the sign goes on after OK');
    await ready(b.page, 'Form3');
    await b.page.mouse.click(UP.x, UP.y);
    await until(b.page, 'Form3.Text2', '2160');
    assert.deepEqual(b.problems, []);
  } finally {
    await b.close();
  }
});

test('the ghost battle fought to a win with fixed draws', async () => {
  const b = await open('start=Form10');
  try {
    await h.settle(b.page);
    // The ghost curses every turn (20 damage); five hits of 10 fell it.
    for (let i = 0; i < 4; i++) await b.page.evaluate(() => window.zorbland.fixDraw(4));
    for (let hit = 1; hit <= 5; hit++) {
      await until(b.page, 'Form10.Command1', 'リンチ True', 15000);
      await b.page.mouse.click(MELEE.x, MELEE.y);
      await until(b.page, 'Form10.Label2', `${50 - 10 * hit} True`, 15000);
    }
    await h.waitForEvent(b.page, 'msgbox 幽霊は倒れた！');
    await b.page.keyboard.press('Enter');
    await h.waitForEvent(b.page, 'msgbox ポッチーのレベルが1上がった！');
    await b.page.keyboard.press('Enter');
    await h.waitForEvent(b.page, 'msgbox ポッチーは幽霊から回復の薬をもらった！');
    await b.page.keyboard.press('Enter');
    await until(b.page, 'Form4.Text6', '1');
    await until(b.page, 'Form4.Text3', '1');
    assert.equal(await dump(b.page, 'Form4.Text1'), '20', 'four curses of 20 taken');
    const draws = (await h.transcript(b.page)).filter((l) => / draw /.test(l));
    assert.deepEqual(draws.map((l) => l.split(' ').slice(1).join(' ')), ['draw 4', 'draw 4', 'draw 4', 'draw 4']);
    assert.deepEqual(b.problems, []);
  } finally {
    await b.close();
  }
});

test('a gamepad plays as the keys do: the D-pad walks, A answers a box', async () => {
  const b = await h.launch();
  try {
    // A pad the test holds the buttons of.
    await b.page.addInitScript(() => {
      const buttons = Array.from({ length: 17 }, () => ({ pressed: false, value: 0 }));
      window.fakePad = { index: 0, connected: true, buttons, axes: [0, 0, 0, 0] };
      navigator.getGamepads = () => [window.fakePad];
    });
    await b.page.goto(server.url + '?test&start=Form3');
    await h.settle(b.page);
    const hold = (button, down) => b.page.evaluate(([i, d]) => { window.fakePad.buttons[i].pressed = d; }, [button, down]);
    await b.page.evaluate(() => window.dispatchEvent(new Event('gamepadconnected')));
    await hold(14, true);  // D-pad left: the first step meets the sign's box
    await h.waitForEvent(b.page, 'msgbox ここはマサラリーマンタウン。');
    await hold(14, false);
    await hold(12, true);  // the box takes the D-pad: nobody walks
    await pause(300);
    await hold(12, false);
    assert.equal(await dump(b.page, 'Form3.Text2'), '2880');
    await hold(0, true);  // A: OK
    await pause(100);
    await hold(0, false);
    await hold(12, true);  // and the town walks again, up
    for (let tries = 0; Number(await dump(b.page, 'Form3.Text2')) >= 2880; tries++) {
      assert.ok(tries < 200, 'the D-pad walks once the box is gone');
      await pause(50);
    }
    await hold(12, false);
    assert.deepEqual(b.problems, []);
  } finally {
    await b.close();
  }
});

test('the beep sounds through Web Audio once the player has touched the page', async () => {
  const b = await open('start=Form13');
  try {
    await h.settle(b.page);
    assert.equal(await b.page.evaluate(() => window.zorbland.audioState()), 'none');
    // The sign, the east machine (left with its OK), then a thorn bush.
    await b.page.keyboard.press('ArrowLeft');
    await h.waitForEvent(b.page, 'msgbox ここはタケヤブシティー。とげのやぶに入るとHPが減ります！気をつけてください！');
    await b.page.keyboard.press('Enter');
    await tap(b.page, 'ArrowLeft', 'Form13');
    await h.waitForEvent(b.page, 'show Form6');
    await h.settle(b.page);
    // Its OK is the fourth button: the focus goes there with Tab.
    for (let i = 0; i < 3; i++) await b.page.keyboard.press('Tab');
    await b.page.keyboard.press('Enter');
    await h.waitForEvent(b.page, 'unload Form6');
    await b.page.waitForFunction(() => window.zorbland.audioState() === 'running');
    await tap(b.page, 'ArrowUp', 'Form13');
    await until(b.page, 'Form13.Text2', '2160');
    assert.equal(await b.page.evaluate(() => window.zorbland.beeps()), 0);
    await tap(b.page, 'ArrowUp', 'Form13');  // into the thorns
    await h.waitForEvent(b.page, 'beep');
    await b.page.waitForFunction(() => window.zorbland.beeps() === 1);
    assert.deepEqual(b.problems, []);
  } finally {
    await b.close();
  }
});

// A pixel of the game's canvas, as "#rrggbb".
async function pixel(page, x, y) {
  return page.evaluate(([x, y]) => {
    const d = document.getElementById('screen').getContext('2d').getImageData(x, y, 1, 1).data;
    return '#' + [d[0], d[1], d[2]].map((v) => v.toString(16).padStart(2, '0')).join('');
  }, [x, y]);
}
const ACTIVE_TITLE = '#0a246a';    // the left end of a front window's title bar
const INACTIVE_TITLE = '#808080';  // and of one behind it
const DESKTOP = '#3f6e7c';

test('windows are dragged by their title bars and come to the front when clicked', async () => {
  const b = await open('start=Form13');
  try {
    await h.settle(b.page);
    // The town's frame stands at (157, 70); its title bar's left end:
    assert.equal(await pixel(b.page, 162, 78), ACTIVE_TITLE);
    await b.page.keyboard.press('ArrowLeft');
    await h.waitForEvent(b.page, 'msgbox ここはタケヤブシティー。とげのやぶに入るとHPが減ります！気をつけてください！');
    await b.page.keyboard.press('Enter');
    await tap(b.page, 'ArrowLeft', 'Form13');
    await h.waitForEvent(b.page, 'show Form6');
    await h.settle(b.page);
    assert.equal(await pixel(b.page, 162, 78), INACTIVE_TITLE, 'the machine is in front of the town');
    // A click on the town's floor, where it has no button, brings it forward.
    await b.page.mouse.click(170, 110);
    await h.settle(b.page);
    assert.equal(await pixel(b.page, 162, 78), ACTIVE_TITLE);

    // Dragged 120 pixels right by its title bar, the town leaves the desktop
    // bare where it stood.
    await b.page.mouse.move(300, 80);
    await b.page.mouse.down();
    await b.page.mouse.move(360, 80, { steps: 4 });
    await b.page.mouse.move(420, 80, { steps: 4 });
    await b.page.mouse.up();
    await h.settle(b.page);
    assert.equal(await pixel(b.page, 162, 78), DESKTOP);
    assert.equal(await pixel(b.page, 282, 78), ACTIVE_TITLE);
    assert.equal(await dump(b.page, 'Form13'), 'shown');
    assert.deepEqual(b.problems, []);
  } finally {
    await b.close();
  }
});

test('the screen fills the page at any size, sharp on a dense display', async () => {
  const b = await h.launch({ width: 1000, height: 760, scale: 2 });
  try {
    const served = server.served.length;
    await b.page.goto(server.url + '?test&start=Form10');
    await h.settle(b.page);
    const size = await b.page.evaluate(() => {
      const c = document.getElementById('screen');
      return [c.width, c.height, c.clientWidth, c.clientHeight];
    });
    assert.deepEqual(size, [2000, 1464, 1000, 732], 'one canvas pixel to each device pixel');
    // (The tab's icon is the page's own, not the game's screen.)
    const pictures = server.served.slice(served)
      .filter((f) => f.file.startsWith('/assets/') && f.file !== '/assets/1x/icon.png');
    assert.ok(pictures.length > 0 && pictures.every((f) => f.file.startsWith('/assets/2x/')),
      pictures.map((f) => f.file).join(' '));
    // Scale 732 / 680: the battle's frame, 592 pixels wide, is centred.
    const scale = 1464 / 680;
    const left = Math.round((2000 - 800 * scale) / 2 + 104 * scale);
    assert.equal(await pixel(b.page, left + 8, Math.round(49 * scale) + 6), ACTIVE_TITLE);

    await b.page.locator('#fullscreen').click();
    await b.page.waitForFunction(() => document.fullscreenElement !== null);
    await b.page.waitForFunction(() => document.getElementById('bar').offsetParent === null);
    await b.page.keyboard.press('F11');
    await b.page.waitForFunction(() => document.fullscreenElement === null);
    assert.deepEqual(b.problems, []);
  } finally {
    await b.close();
  }
});

test('F5 keeps the game in the page, F9 takes it back there, even after a reload', async () => {
  const b = await open('start=Form3');
  try {
    const note = b.page.locator('#note');
    await h.settle(b.page);
    await tap(b.page, 'ArrowUp', 'Form3');
    await until(b.page, 'Form3.Text2', '2160');
    await b.page.keyboard.press('F5');
    await note.filter({ hasText: /^saved$/ }).waitFor();
    await tap(b.page, 'ArrowLeft', 'Form3');
    await until(b.page, 'Form3.Text1', '5040');
    await b.page.keyboard.press('F9');
    await until(b.page, 'Form3.Text1', '5760');
    assert.equal(await dump(b.page, 'Form3.Text2'), '2160');
    await note.filter({ hasText: /^loaded$/ }).waitFor();

    await b.page.reload();
    await b.page.waitForFunction(() => window.zorbland && window.zorbland.frames() > 0);
    await h.settle(b.page);
    assert.equal(await dump(b.page, 'Form3.Text2'), '2880');
    await b.page.keyboard.press('F9');
    await until(b.page, 'Form3.Text2', '2160');
    // And the game plays on from there.
    await tap(b.page, 'ArrowLeft', 'Form3');
    await until(b.page, 'Form3.Text1', '5040');
    assert.deepEqual(b.problems, []);
  } finally {
    await b.close();
  }
});

test('entering a map keeps a checkpoint: F9 before any save and Shift+F9 go back to it', async () => {
  const b = await open('start=Form3');
  try {
    const note = b.page.locator('#note');
    await h.settle(b.page);
    await tap(b.page, 'ArrowUp', 'Form3');
    await until(b.page, 'Form3.Text2', '2160');
    await b.page.keyboard.press('F9');
    await until(b.page, 'Form3.Text2', '2880');
    await note.filter({ hasText: /^loaded$/ }).waitFor();
    await tap(b.page, 'ArrowUp', 'Form3');
    await until(b.page, 'Form3.Text2', '2160');
    await b.page.keyboard.press('F5');
    await note.filter({ hasText: /^saved$/ }).waitFor();
    await tap(b.page, 'ArrowUp', 'Form3');
    await until(b.page, 'Form3.Text2', '1440');
    await b.page.keyboard.press('Shift+F9');
    await until(b.page, 'Form3.Text2', '2880');
    await b.page.keyboard.press('F9');
    await until(b.page, 'Form3.Text2', '2160');
    assert.deepEqual(b.problems, []);
  } finally {
    await b.close();
  }
});

test('a battle is no map: no checkpoint there', async () => {
  const b = await open('start=Form10');
  try {
    await h.settle(b.page);
    await b.page.keyboard.press('Shift+F9');
    await b.page.locator('#note').filter({ hasText: 'no checkpoint yet' }).waitFor();
    await b.page.keyboard.press('F9');
    await b.page.locator('#note').filter({ hasText: 'no save yet' }).waitFor();
  } finally {
    await b.close();
  }
});

test('no save is taken while a message box waits', async () => {
  const b = await open('start=Form3');
  try {
    await h.settle(b.page);
    await b.page.keyboard.press('ArrowLeft');
    await h.waitForEvent(b.page, 'msgbox ここはマサラリーマンタウン。');
    await b.page.keyboard.press('F5');
    await b.page.locator('#note').filter({ hasText: 'close the message first' }).waitFor();
    assert.equal(await b.page.evaluate(() => localStorage.getItem('zorbland.quick')), null);
    await b.page.keyboard.press('Enter');
    await b.page.keyboard.press('F5');
    await b.page.locator('#note').filter({ hasText: /^saved$/ }).waitFor();
    assert.match(await b.page.evaluate(() => localStorage.getItem('zorbland.quick')), /Form3/);
  } finally {
    await b.close();
  }
});

// The desktop's headless shot of a state, for the page to be compared with.
function desktopShot(start, script) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zorbland-shot-'));
  const file = path.join(dir, 'shot.png');
  const args = ['--headless', '--script', '-'];
  if (start) args.push('--start', start);
  execFileSync(zorbland, args, { input: script.replace('SHOT', file) });
  const png = fs.readFileSync(file);
  fs.rmSync(dir, { recursive: true, force: true });
  return png;
}

// Text is drawn by two different rasterisers (FreeType in the window,
// Chromium's in the page) and the page's focus ring is not in a headless
// shot: at most 1% of the screen may differ, and no 20 × 20 piece of it by
// more than 45% (a missing picture, a window out of place or a line set
// differently all go past that).
const SHARE = 0.01;
const TILE = 0.45;

const scenes = [
  { name: 'the title', query: '', desktop: [null, 'wait 1000\nshot SHOT\n'], at: 1000 },
  { name: 'the introduction', query: '', desktop: [null, 'wait 3500\nshot SHOT\n'], at: 3500 },
  { name: 'the first town', query: 'start=Form3', desktop: ['Form3', 'wait 500\nshot SHOT\n'] },
  { name: "the first town's sign in a message box", query: 'start=Form3', key: 'ArrowLeft',
    desktop: ['Form3', 'click Form3.Command4\nwait 20\nshot SHOT\n'] },
  { name: 'the ghost battle', query: 'start=Form10', desktop: ['Form10', 'wait 500\nshot SHOT\n'] },
];

for (const scene of scenes) {
  test(`${scene.name} looks as in the window`, async () => {
    const expected = desktopShot(...scene.desktop);
    const b = await open(scene.query);
    try {
      if (scene.at) await pause(scene.at);
      if (scene.key) {
        await h.settle(b.page);
        await b.page.keyboard.press(scene.key);
        await h.waitForEvent(b.page, 'msgbox ここはマサラリーマンタウン。');
      }
      await h.settle(b.page);
      const shot = await h.screenShot(b.page);
      const result = await h.compareShots(b.page, shot, expected);
      if (process.env.ZORB_KEEP_SHOTS) {
        const slug = scene.name.replace(/\W+/g, '_');
        fs.writeFileSync(path.join(process.env.ZORB_KEEP_SHOTS, slug + '.page.png'), shot);
        fs.writeFileSync(path.join(process.env.ZORB_KEEP_SHOTS, slug + '.window.png'), expected);
      }
      assert.ok(result.sameSize, JSON.stringify(result));
      assert.ok(result.share <= SHARE && result.worstTile <= TILE, JSON.stringify(result));
      assert.deepEqual(b.problems, []);
    } finally {
      await b.close();
    }
  });
}

test('End closes the game and the page says so', async () => {
  const b = await open('start=Form11');
  try {
    await h.settle(b.page);
    // The game-over screen's one button has the focus: Space presses it.
    await b.page.keyboard.press('Space');
    await h.waitForEvent(b.page, 'end');
    const line = b.page.locator('#message');
    await line.waitFor({ state: 'visible' });
    assert.equal(await line.textContent(), 'ZORBLAND has ended. Reload the page to play again.');
    assert.ok(await b.page.locator('#screen').isHidden());
    assert.deepEqual(b.problems, []);
  } finally {
    await b.close();
  }
});

test('a page asked to start on a scene the game does not have says so in one line', async () => {
  const b = await h.launch();
  try {
    await b.page.goto(server.url + '?start=Form99');
    const line = b.page.locator('#message');
    await line.waitFor({ state: 'visible' });
    assert.equal(await line.textContent(), 'ZORBLAND could not start: there is no scene Form99 to start on');
    assert.ok(await b.page.locator('#screen').isHidden());
  } finally {
    await b.close();
  }
});

test('a site without its program or its font says so in one line', async () => {
  for (const missing of ['zorbland.wasm', 'IPAPGothic.woff']) {
    const broken = await h.serve({ hide: [missing] });
    const b = await h.launch();
    try {
      await b.page.goto(broken.url);
      const line = b.page.locator('#message');
      await line.waitFor({ state: 'visible' });
      const text = await line.textContent();
      assert.match(text, new RegExp('^ZORBLAND could not start: .*' + missing.replace('.', '\\.')));
      assert.equal(text.split('\n').length, 1);
    } finally {
      await b.close();
      await broken.close();
    }
  }
});
