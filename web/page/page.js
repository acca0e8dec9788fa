// The page around the game: it loads the face and the program, draws what
// the program asks on the canvas, and queues the pointer and the keys for it.
'use strict';

(function () {
  const params = new URLSearchParams(location.search);
  const testing = params.has('test');
  const canvas = document.getElementById('screen');
  const screen = canvas.getContext('2d');
  const message = document.getElementById('message');
  const noteLine = document.getElementById('note');
  let noteTimer = 0;

  // The game's face; its measures are those the program lays text out with.
  const FACE = 'IPAPGothic';
  const FACE_UNITS = 2048;
  const FACE_ASCENDER = 1802;

  let stopped = false;
  function showLine(text) {
    message.textContent = text;
    message.hidden = false;
    canvas.hidden = true;
  }
  function fail(text) {
    if (stopped) return;
    stopped = true;
    showLine('ZORBLAND could not start: ' + text);
  }

  // --- the queue of what the player does --------------------------------------
  const queue = [];
  let waiter = null;
  let waitTimer = 0;
  function wake() {
    if (!waiter) return;
    clearTimeout(waitTimer);
    const resume = waiter;
    waiter = null;
    resume();
  }
  function push(event) {
    if (stopped) return;
    queue.push(event);
    wake();
  }

  // --- the canvas: drawn into a back buffer, shown whole ----------------------
  const back = document.createElement('canvas');
  const ctx = back.getContext('2d');
  let missing = false;
  let frames = 0;
  let lastFrameAt = 0;
  let firstFrameAt = 0;

  function css(rgb) { return '#' + (rgb >>> 0).toString(16).padStart(6, '0'); }
  function font(px, bold) { return (bold ? 'bold ' : '') + px + 'px ' + FACE; }
  function ascent(px) { return Math.ceil(FACE_ASCENDER * px / FACE_UNITS); }

  const pictures = new Map();
  let picturesLoading = 0;
  function entry(name, hi) {
    const key = (hi ? '2x/' : '1x/') + name;
    let p = pictures.get(key);
    if (!p) {
      p = { image: new Image(), ready: false };
      pictures.set(key, p);
      picturesLoading++;
      p.image.onload = () => { p.ready = true; picturesLoading--; push({ type: 7 }); };
      p.image.onerror = () => {
        picturesLoading--;
        fail('the picture assets/' + key + '.png could not be loaded; build the site again (./play.sh --web).');
      };
      p.image.src = 'assets/' + key + '.png';
    }
    return p;
  }

  const widths = new Map();
  const questions = new Map();
  let questionCount = 0;

  const page = {
    canvas,
    wait(timeout) {
      if (queue.length > 0 || stopped) return stopped ? new Promise(() => {}) : Promise.resolve();
      return new Promise((resolve) => {
        waiter = resolve;
        if (timeout >= 0) waitTimer = setTimeout(wake, timeout);
      });
    },
    next() { return queue.shift(); },

    beginFrame(rgb) {
      if (back.width !== canvas.width || back.height !== canvas.height) {
        back.width = canvas.width;
        back.height = canvas.height;
      }
      missing = false;
      ctx.save();
      ctx.fillStyle = css(rgb);
      ctx.fillRect(0, 0, back.width, back.height);
      ctx.save();
    },
    endFrame() {
      ctx.restore();
      ctx.restore();
      if (missing) return;  // shown once its pictures are in
      screen.drawImage(back, 0, 0);
      frames++;
      lastFrameAt = performance.now();
      if (frames === 1) firstFrameAt = lastFrameAt;
    },
    fill(x, y, w, h, rgb) { ctx.fillStyle = css(rgb); ctx.fillRect(x, y, w, h); },
    shade(x, y, w, h, alpha) { ctx.fillStyle = 'rgba(0,0,0,' + alpha / 255 + ')'; ctx.fillRect(x, y, w, h); },
    gradient(x, y, w, h, left, right) {
      const g = ctx.createLinearGradient(x, 0, x + w, 0);
      g.addColorStop(0, css(left));
      g.addColorStop(1, css(right));
      ctx.fillStyle = g;
      ctx.fillRect(x, y, w, h);
    },
    clip(x, y, w, h) {
      ctx.restore();
      ctx.save();
      ctx.beginPath();
      ctx.rect(x, y, w, h);
      ctx.clip();
    },
    unclip() { ctx.restore(); ctx.save(); },
    pictureReady(name, hi) {
      if (entry(name, hi).ready) return true;
      missing = true;
      return false;
    },
    picture(name, hi, x, y, w, h) {
      const p = entry(name, hi);
      if (!p.ready) return;
      ctx.imageSmoothingEnabled = true;
      ctx.imageSmoothingQuality = 'high';
      ctx.drawImage(p.image, x, y, w, h);
    },
    dots(x, y, w, h, rgb) {
      ctx.fillStyle = css(rgb);
      for (let i = x; i < x + w; i += 2) { ctx.fillRect(i, y, 1, 1); ctx.fillRect(i, y + h - 1, 1, 1); }
      for (let j = y; j < y + h; j += 2) { ctx.fillRect(x, j, 1, 1); ctx.fillRect(x + w - 1, j, 1, 1); }
    },
    line(x0, y0, x1, y1, t, rgb) {
      // Whole pixels, as the window steps along a line.
      ctx.fillStyle = css(rgb);
      for (let i = 0; i < t; i++) {
        for (let j = 0; j < t; j++) {
          let ax = Math.floor(x0 + i), ay = Math.floor(y0 + j);
          const bx = Math.floor(x1 + i), by = Math.floor(y1 + j);
          const dx = Math.abs(bx - ax), sx = ax < bx ? 1 : -1;
          const dy = -Math.abs(by - ay), sy = ay < by ? 1 : -1;
          let err = dx + dy;
          for (;;) {
            ctx.fillRect(ax, ay, 1, 1);
            if (ax === bx && ay === by) break;
            const e2 = 2 * err;
            if (e2 >= dy) { err += dy; ax += sx; }
            if (e2 <= dx) { err += dx; ay += sy; }
          }
        }
      }
    },
    textWidth(text, px, bold, condense) {
      const key = font(px, bold) + '\u001f' + text;
      let w = widths.get(key);
      if (w === undefined) {
        ctx.font = font(px, bold);
        w = ctx.measureText(text).width;
        widths.set(key, w);
      }
      return Math.round(w * condense);
    },
    textInk(text, px, bold, condense) {
      ctx.font = font(px, bold);
      const m = ctx.measureText(text);
      const a = ascent(px);
      return [Math.max(0, a - Math.ceil(m.actualBoundingBoxAscent)), a + Math.ceil(m.actualBoundingBoxDescent)];
    },
    text(text, x, baseline, px, bold, rgb, condense) {
      ctx.font = font(px, bold);
      ctx.fillStyle = css(rgb);
      ctx.setTransform(condense, 0, 0, 1, x, baseline);
      ctx.fillText(text, 0, 0);
      // The window's text library emboldens a face that has no bold of its
      // own more strongly than the browser does: a second pass, a
      // twenty-fourth of the size to the right, makes up the weight.
      if (bold) ctx.fillText(text, px / 24 / condense, 0);
      ctx.setTransform(1, 0, 0, 1, 0, 0);
    },

    log(time, event) {
      transcript.push(time + ' ' + event);
      loggedAt.push(performance.now());
    },
    beep,
    ended() {
      stopped = true;
      showLine('ZORBLAND has ended. Reload the page to play again.');
    },
    failed(reason) { fail(reason); },
    store(slot, text) {
      try {
        localStorage.setItem('zorbland.' + slot, text);
      } catch (e) {
        page.note('not saved: ' + e.message);
      }
    },
    stored(slot) {
      try {
        return localStorage.getItem('zorbland.' + slot);
      } catch (e) {
        return null;
      }
    },
    note(text) {
      noteLine.textContent = text;
      clearTimeout(noteTimer);
      noteTimer = setTimeout(() => { noteLine.textContent = ''; }, 2000);
    },
    question(id) { return questions.get(id).name; },
    answer(id, text) {
      const q = questions.get(id);
      questions.delete(id);
      q.resolve(text);
    },
  };
  window.ZorbPage = page;
  const transcript = [];
  const loggedAt = [];  // the page's clock at each line

  // --- sound: a short 880 Hz tone, once the player has touched the page -------
  let audio = null;
  let beeps = 0;  // tones played
  let audioDue = false;
  function startAudio() {
    if (audio) {
      if (audio.state === 'suspended') audio.resume();
      return;
    }
    // Bringing up the sound takes Chromium tens of milliseconds: not in the
    // middle of the step or click that woke it, a moment later (the page
    // may start sound any time after the player has touched it).
    if (audioDue) return;
    audioDue = true;
    setTimeout(() => {
      const Context = window.AudioContext || window.webkitAudioContext;
      if (Context) audio = new Context();
    }, 300);
  }
  function beep() {
    if (!audio || audio.state !== 'running') return;
    const t = audio.currentTime;
    const tone = audio.createOscillator();
    const gain = audio.createGain();
    tone.frequency.value = 880;
    gain.gain.setValueAtTime(0, t);
    gain.gain.linearRampToValueAtTime(0.22, t + 0.008);
    gain.gain.setTargetAtTime(0, t + 0.008, 1 / 18);
    tone.connect(gain).connect(audio.destination);
    tone.start(t);
    tone.stop(t + 0.13);
    beeps++;
  }

  // --- the canvas's size: device pixels, so everything is drawn crisp ---------
  function resize(width, height) {
    width = Math.max(1, Math.round(width));
    height = Math.max(1, Math.round(height));
    if (canvas.width === width && canvas.height === height) return;
    canvas.width = width;
    canvas.height = height;
    push({ type: 6 });
  }
  const sized = new ResizeObserver((entries) => {
    const e = entries[entries.length - 1];
    const w = e.contentRect.width * devicePixelRatio, h = e.contentRect.height * devicePixelRatio;
    // The browser's own count of device pixels is exact where the CSS size
    // times the ratio falls between two; an emulated ratio leaves it at the
    // CSS size, and then the product is right.
    const exact = e.devicePixelContentBoxSize && e.devicePixelContentBoxSize[0];
    if (exact && Math.abs(exact.inlineSize - w) < 2 && Math.abs(exact.blockSize - h) < 2) {
      resize(exact.inlineSize, exact.blockSize);
    } else {
      resize(w, h);
    }
  });
  try {
    sized.observe(canvas, { box: 'device-pixel-content-box' });
  } catch (e) {
    sized.observe(canvas);
  }
  const box = canvas.getBoundingClientRect();
  resize(box.width * devicePixelRatio, box.height * devicePixelRatio);

  // --- the pointer ---------------------------------------------------------------
  function at(e) {
    const r = canvas.getBoundingClientRect();
    return { x: (e.clientX - r.left) * canvas.width / r.width, y: (e.clientY - r.top) * canvas.height / r.height };
  }
  canvas.addEventListener('pointerdown', (e) => {
    startAudio();
    canvas.focus();
    if (e.button !== 0) return;
    canvas.setPointerCapture(e.pointerId);
    push(Object.assign({ type: 1 }, at(e)));
    e.preventDefault();
  });
  canvas.addEventListener('pointermove', (e) => {
    if ((e.buttons & 1) === 0) return;  // only a held button drags or presses
    push(Object.assign({ type: 2 }, at(e)));
  });
  canvas.addEventListener('pointerup', (e) => {
    if (e.button !== 0) return;
    push(Object.assign({ type: 3 }, at(e)));
  });
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());

  // --- the keys ------------------------------------------------------------------
  const KEYS = { ArrowUp: 1, ArrowRight: 2, ArrowDown: 3, ArrowLeft: 4, Enter: 5, ' ': 6, Escape: 7, Tab: 8, F5: 9, F9: 10 };
  function toggleFullscreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen();
    } else if (document.documentElement.requestFullscreen) {
      document.documentElement.requestFullscreen().catch(() => {});
    }
  }
  window.addEventListener('keydown', (e) => {
    startAudio();
    if (e.key === 'F11' || (e.key === 'Enter' && e.altKey)) {
      e.preventDefault();
      if (!e.repeat) toggleFullscreen();
      return;
    }
    const key = KEYS[e.key];
    if (!key || e.ctrlKey || e.metaKey) return;
    e.preventDefault();
    // A held key repeats by walking (the arrows) or not at all.
    if (e.repeat) return;
    push({ type: 4, key, modifiers: (e.shiftKey ? 1 : 0) | (e.altKey ? 2 : 0) });
  });
  window.addEventListener('keyup', (e) => {
    const key = KEYS[e.key];
    if (key) push({ type: 5, key, modifiers: 0 });
  });
  // A key let go while the page was not looking never comes up: a walk
  // started before would go on by itself.
  window.addEventListener('blur', () => {
    for (const key of [1, 2, 3, 4]) push({ type: 5, key, modifiers: 0 });
  });
  document.getElementById('fullscreen').addEventListener('click', (e) => {
    startAudio();
    toggleFullscreen();
    e.currentTarget.blur();
  });

  // --- gamepads: the same keys, as in the window -------------------------------
  // The D-pad and the left stick are the arrows; A presses (OK in a box),
  // B is OK, the shoulders move the focus. Polled once a frame, and only
  // while a pad is connected.
  const PAD_BUTTONS = { 12: 1, 15: 2, 13: 3, 14: 4, 0: 5, 1: 7, 4: 8, 5: 8 };
  const padHeld = new Map();
  let padPolling = false;
  function padKey(id, key, down, modifiers) {
    if (down === !!padHeld.get(id)) return;
    padHeld.set(id, down);
    push({ type: down ? 4 : 5, key, modifiers });
  }
  function pollPads() {
    const pads = [...(navigator.getGamepads ? navigator.getGamepads() : [])].filter((p) => p && p.connected);
    if (pads.length === 0) {
      padPolling = false;
      return;
    }
    for (const pad of pads) {
      for (const [index, key] of Object.entries(PAD_BUTTONS)) {
        const b = pad.buttons[index];
        padKey(pad.index + '/' + index, key, !!(b && b.pressed), index === '4' ? 1 : 0);
      }
      const x = pad.axes[0] || 0, y = pad.axes[1] || 0;
      let arrow = 0;
      if (Math.abs(x) >= Math.abs(y) && Math.abs(x) > 0.5) arrow = x > 0 ? 2 : 4;
      else if (Math.abs(y) > 0.5) arrow = y > 0 ? 3 : 1;
      for (const key of [1, 2, 3, 4]) padKey(pad.index + '/stick' + key, key, arrow === key, 0);
    }
    requestAnimationFrame(pollPads);
  }
  window.addEventListener('gamepadconnected', () => {
    if (padPolling) return;
    padPolling = true;
    requestAnimationFrame(pollPads);
  });

  // --- what tests and benchmarks look at (?test) ----------------------------------
  if (testing) {
    window.zorbland = {
      transcript,
      loggedAt,
      fixDraw(outcome) { push({ type: 8, key: outcome }); },
      // A control's value, answered by the game between two events.
      dump(name) {
        const id = ++questionCount;
        return new Promise((resolve) => {
          questions.set(id, { name, resolve });
          push({ type: 9, key: id });
        });
      },
      frames: () => frames,
      lastFrameAt: () => lastFrameAt,
      firstFrameAt: () => firstFrameAt,
      beeps: () => beeps,
      audioState: () => (audio ? audio.state : 'none'),
      picturesLoading: () => picturesLoading,
      waiting: () => waiter !== null && queue.length === 0,
    };
  }

  // --- start: the face and the program load side by side ------------------------
  const face = new FontFace(FACE, 'url(IPAPGothic.woff)');
  const faceLoaded = face.load().then((f) => { document.fonts.add(f); });
  faceLoaded.catch(() => fail('the font IPAPGothic.woff could not be loaded; build the site again (./play.sh --web).'));
  const start = params.get('start');
  window.Module = {
    arguments: start ? [start] : [],
    preRun: [() => {
      Module.addRunDependency('face');
      faceLoaded.then(() => Module.removeRunDependency('face'), () => {});
    }],
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    onAbort: () => fail('the program zorbland.wasm could not be loaded or stopped; build the site again (./play.sh --web).'),
  };
  const program = document.createElement('script');
  program.src = 'zorbland.js';
  program.onerror = () => fail('the program zorbland.js could not be loaded; build the site again (./play.sh --web).');
  document.body.appendChild(program);
})();
