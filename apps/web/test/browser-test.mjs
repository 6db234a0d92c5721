// browser-test.mjs: plays the page in Debian's headless Chromium and holds it to the headless
// runner.
//
// 1. The runner plays the journey script and writes its shots and trace: the reference.
// 2. The page, served by serve.py with the isolation headers, plays the same journey in real
//    time with real mouse input on a canvas shown larger than 640x480 (so the letterbox
//    mapping is exercised); at every shot the canvas's own pixels must equal the runner's
//    shot. The screens are compared when settled: the canvas is read until it equals the
//    shot or a settling time has passed, and a difference left then is a failure. The
//    console must hold the runner's start-up trace; the canvas shows the game's own cursor,
//    leaving the credits ends the game (the page says so) and the full-screen button works.
// 3. Audio: a page whose content has a known music file in place of lounge.mrs. Before any
//    click there is no audio context; after a click on the picture it runs, and the mixer's
//    output read inside the page is the file, sample for sample, then silence.
// 4. Where headers cannot be set: the page served without them isolates itself with its
//    service worker and plays.
// 5. The rest of the content: when it comes late, clicks wait for it and the game plays on
//    (to the credits, which a key press leaves); when it cannot be fetched, the game does not
//    wait for it forever.
// Prints FIGURE lines: web_first_frame_ms, web_bytes_before_first_frame_kb, web_wasm_kb,
// web_frame_ms, web_changed_frame_ms (the median over frames that changed the canvas) and
// web_static_first_frame_ms (the service-worker page, after its one reload).
//
// node browser-test.mjs --site DIR --native DIR --journey FILE --work DIR --content-mode split|whole
import puppeteer from 'puppeteer-core';
import {spawn, spawnSync} from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import {fileURLToPath} from 'node:url';
import {decodePng, encodePng} from './png.mjs';

const HERE = path.dirname(fileURLToPath(import.meta.url));
const WIDTH = 640, HEIGHT = 480;
// The page's window: the stage (all but the 36-pixel bar) is 960x800, so the picture is
// scaled by 1.5 and has bars of 40 pixels above and below.
const VIEWPORT = {width: 960, height: 836};
const SETTLE_MS = 3000;
const PORTS = [8700, 8799];

const failures = [];
let passed = 0;
function check(condition, what) {
  if (condition) {
    ++passed;
    console.log(`ok: ${what}`);
  } else {
    failures.push(what);
    console.log(`FAILED: ${what}`);
  }
}
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

function parseArgs(argv) {
  const args = {};
  for (let i = 0; i < argv.length; i += 2) {
    if (!argv[i].startsWith('--') || i + 1 >= argv.length)
      throw new Error(`usage: node browser-test.mjs --site DIR --native DIR --journey FILE --work DIR --content-mode split|whole (at "${argv[i]}")`);
    args[argv[i].slice(2)] = argv[i + 1];
  }
  for (const name of ['site', 'native', 'journey', 'work', 'content-mode'])
    if (!args[name])
      throw new Error(`browser-test: --${name} is missing`);
  return args;
}

function run(command, args, options = {}) {
  const result = spawnSync(command, args, {encoding: 'utf8', ...options});
  if (result.status !== 0)
    throw new Error(`${command} ${args.join(' ')} failed (${result.status}): ${result.stderr || result.error}`);
  return result;
}

// The journey as a list of {verb, args}: wait, move, press, release, click, key, shot.
function readJourney(file) {
  return fs.readFileSync(file, 'utf8').split('\n').map((line) => line.trim())
      .filter((line) => line && !line.startsWith('#'))
      .map((line) => {
        const [verb, ...args] = line.split(/\s+/);
        return {verb, args};
      });
}

// serve.py on the first free port of our range; resolves to {port, stop()}.
async function startServer(site, extraArgs = []) {
  for (let port = PORTS[0]; port <= PORTS[1]; ++port) {
    const server = spawn('python3', [path.join(HERE, '..', 'serve.py'), '--port', String(port), '--quiet', ...extraArgs, site],
                         {stdio: ['ignore', 'pipe', 'pipe']});
    const started = await new Promise((resolve) => {
      server.stdout.on('data', (data) => { if (String(data).includes('Serving')) resolve(true); });
      server.on('exit', () => resolve(false));
    });
    if (started)
      return {port, stop: () => server.kill()};
  }
  throw new Error('browser-test: no free port between 8700 and 8799');
}

// Each phase opens its pages in a context of its own (own cache, own service workers).
async function launchBrowser(work) {
  const profile = fs.mkdtempSync(path.join(work, 'profile-'));
  return puppeteer.launch({
    executablePath: process.env.VELVINA_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`],
  });
}

// Opens the page and waits for its first frame; returns the page, its console lines and
// the first-frame figures.
async function openPage(browser, url) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const consoleLines = [];
  page.on('console', (message) => consoleLines.push(message.text()));
  page.on('pageerror', (error) => consoleLines.push(`page error: ${error.message}`));
  await page.setViewport(VIEWPORT);
  await page.goto(url, {waitUntil: 'load'});
  await page.waitForFunction(() => window.Module && Module.velvinaScreen && Module.velvinaScreen.framesShown > 0,
                             {timeout: 30000});
  const timing = await page.evaluate(() => {
    const navigation = performance.getEntriesByType('navigation')[0];
    const firstFrameAt = Module.velvinaScreen.firstFrameAt;
    let bytes = 0;
    for (const entry of [navigation, ...performance.getEntriesByType('resource')])
      if (entry.responseEnd <= firstFrameAt)
        bytes += Math.max(entry.transferSize, entry.encodedBodySize);
    return {firstFrameMs: firstFrameAt - navigation.loadEventStart, bytes};
  });
  return {page, consoleLines, timing};
}

// Where picture pixel (x, y) is on the page: the middle of its scaled square.
async function pictureToPage(page) {
  const box = await page.evaluate(() => {
    const rect = Module.canvas.getBoundingClientRect();
    return {left: rect.left, top: rect.top, width: rect.width, height: rect.height};
  });
  const scale = Math.min(box.width / WIDTH, box.height / HEIGHT);
  const left = box.left + (box.width - WIDTH * scale) / 2;
  const top = box.top + (box.height - HEIGHT * scale) / 2;
  return (x, y) => ({x: Math.floor(left + (x + 0.5) * scale), y: Math.floor(top + (y + 0.5) * scale)});
}

async function readCanvas(page) {
  const base64 = await page.evaluate(() => {
    const pixels = Module.velvinaScreen.context.getImageData(0, 0, 640, 480).data;
    let text = '';
    for (let i = 0; i < pixels.length; i += 0x8000)
      text += String.fromCharCode.apply(null, pixels.subarray(i, i + 0x8000));
    return btoa(text);
  });
  return new Uint8Array(Buffer.from(base64, 'base64'));
}

function countDifferences(actual, expected) {
  let differing = 0;
  for (let i = 0; i < WIDTH * HEIGHT; ++i)
    if (actual[4 * i] !== expected[4 * i] || actual[4 * i + 1] !== expected[4 * i + 1] ||
        actual[4 * i + 2] !== expected[4 * i + 2])
      ++differing;
  return differing;
}

// Whether the page shows that the game has ended (waiting a few seconds for it).
function gameEnded(page) {
  return page.waitForFunction(() => !document.getElementById('ended').classList.contains('hidden'), {timeout: 10000})
      .then(() => true, () => false);
}

// Reads the canvas until it equals the shot or the settling time has passed.
async function compareSettled(page, reference, settleMs = SETTLE_MS) {
  const deadline = Date.now() + settleMs;
  for (;;) {
    const pixels = await readCanvas(page);
    const differing = countDifferences(pixels, reference);
    if (differing === 0 || Date.now() > deadline)
      return {pixels, differing};
    await sleep(50);
  }
}

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted.length ? sorted[Math.floor(sorted.length / 2)] : NaN;
}

async function playJourney(page, journey, refDir, outDir) {
  const toPage = await pictureToPage(page);
  // Presses and releases go straight to the browser's input, so that a release without a
  // press (as the journey's last line) is played as written.
  const input = await page.createCDPSession();
  for (const {verb, args} of journey) {
    const [a, b, c] = args;
    if (verb === 'wait') {
      await sleep(Number(a));
    } else if (verb === 'move') {
      const point = toPage(Number(a), Number(b));
      await page.mouse.move(point.x, point.y);
    } else if (verb === 'click') {
      const point = toPage(Number(a), Number(b));
      await page.mouse.move(point.x, point.y);
      await page.mouse.down();
      await page.mouse.up();
    } else if (verb === 'press' || verb === 'release') {
      const point = toPage(Number(b), Number(c));
      await page.mouse.move(point.x, point.y);
      await input.send('Input.dispatchMouseEvent', {type: verb === 'press' ? 'mousePressed' : 'mouseReleased',
                                                    x: point.x, y: point.y, button: a, clickCount: 1});
    } else if (verb === 'shot') {
      const reference = decodePng(fs.readFileSync(path.join(refDir, a)));
      const {pixels, differing} = await compareSettled(page, reference.rgba);
      fs.writeFileSync(path.join(outDir, a), encodePng(WIDTH, HEIGHT, pixels));
      check(differing === 0, `canvas equals the runner's ${a} (${differing} pixels differ)`);
    } else {
      throw new Error(`browser-test: the journey's "${verb}" is not played here`);
    }
  }
}

// The runner's start-up trace: its lines up to the blank line after the pixel masks.
function startupTrace(traceFile) {
  const lines = fs.readFileSync(traceFile, 'utf8').replace(/\r/g, '').split('\n');
  const end = lines.findIndex((line) => line.startsWith('dwBBitMask'));
  if (end < 0)
    throw new Error(`browser-test: ${traceFile} has no start-up trace`);
  return lines.slice(0, end + 1).join('\n');
}

// A 16-bit mono PCM WAV of a pseudo-random signal at 22,050 Hz, so that any slip, gap or
// changed sample shows.
function knownMusic(samples) {
  const data = new Int16Array(samples);
  let state = 12345;
  for (let i = 0; i < samples; ++i) {
    state = (Math.imul(state, 1103515245) + 12345) >>> 0;
    data[i] = ((state >>> 16) & 0xFFFF) - 32768;
  }
  const header = Buffer.alloc(44);
  header.write('RIFF', 0, 'latin1');
  header.writeUInt32LE(36 + samples * 2, 4);
  header.write('WAVEfmt ', 8, 'latin1');
  header.writeUInt32LE(16, 16);
  header.writeUInt16LE(1, 20);
  header.writeUInt16LE(1, 22);
  header.writeUInt32LE(22050, 24);
  header.writeUInt32LE(44100, 28);
  header.writeUInt16LE(2, 32);
  header.writeUInt16LE(16, 34);
  header.write('data', 36, 'latin1');
  header.writeUInt32LE(samples * 2, 40);
  return {wav: Buffer.concat([header, Buffer.from(data.buffer)]), data};
}

// A copy of the site whose content has the known music in place of lounge.mrs.
function makeAudioSite(args, work, music) {
  const site = path.join(work, 'audio-site');
  const content = path.join(work, 'audio-content');
  fs.rmSync(site, {recursive: true, force: true});
  fs.rmSync(content, {recursive: true, force: true});
  fs.cpSync(path.join(args.native, 'content'), path.join(content, 'content'), {recursive: true});
  fs.writeFileSync(path.join(work, 'known.wav'), music.wav);
  run(path.join(args.native, 'tools', 'mrvtool', 'mrvtool'),
      ['sound', path.join(work, 'known.wav'), path.join(content, 'content', 'music', 'lounge.mrs')]);
  fs.cpSync(args.site, site, {recursive: true});
  run('python3', [path.join(HERE, '..', 'pack_content.py'), path.join(content, 'content'), site, '--mode', args['content-mode']]);
  return site;
}

async function testAudio(browser, args, work) {
  // Longer than the streaming buffer, so the workers refill it several times.
  const music = knownMusic(55125);
  const server = await startServer(makeAudioSite(args, work, music));
  try {
    const {page} = await openPage(browser, `http://127.0.0.1:${server.port}/`);
    const before = await page.evaluate(() => !!(Module.velvinaAudio && Module.velvinaAudio.context));
    check(!before, 'no audio context before the first gesture');
    await page.evaluate(() => { Module.velvinaAudioTap = []; });
    const toPage = await pictureToPage(page);
    const point = toPage(40, 40); // the splash's picture, away from its button
    await page.mouse.click(point.x, point.y);
    const wanted = music.data.length + 1; // the file, then the silence after its end
    await page.waitForFunction((count) => Module.velvinaAudioTap.reduce((sum, block) => sum + block.length, 0) >= count,
                               {timeout: 15000}, wanted).catch(() => {});
    const state = await page.evaluate(() => Module.velvinaAudio && Module.velvinaAudio.context &&
                                            Module.velvinaAudio.context.state);
    check(state === 'running', `the audio context runs after the first click (${state})`);
    const captured = Int16Array.from(await page.evaluate(
        () => Module.velvinaAudioTap.flatMap((block) => Array.from(block))));
    let firstWrong = -1;
    for (let i = 0; i < wanted && firstWrong < 0; ++i)
      if (i >= captured.length || captured[i] !== (i < music.data.length ? music.data[i] : 0))
        firstWrong = i;
    check(captured.length >= wanted && firstWrong < 0,
          `the mixer plays the known music sample for sample, then stops (${captured.length} samples read, ` +
          `first difference at ${firstWrong})`);
    await page.browserContext().close();
  } finally {
    server.stop();
  }
}

async function testStaticHost(browser, args) {
  const server = await startServer(args.site, ['--no-isolation']);
  try {
    const {page, timing} = await openPage(browser, `http://127.0.0.1:${server.port}/`);
    const state = await page.evaluate(() => ({isolated: window.crossOriginIsolated,
                                               controlled: !!navigator.serviceWorker.controller}));
    check(state.isolated && state.controlled,
          `without isolation headers the page isolates itself through its service worker and plays (${JSON.stringify(state)})`);
    console.log(`FIGURE web_static_first_frame_ms ${timing.firstFrameMs.toFixed(0)}`);
    await page.browserContext().close();
  } finally {
    server.stop();
  }
}

// The rest of the content comes late (held back for a few seconds): the player clicks the
// title screen's button before it has arrived; the click is kept until it is in, and the
// sign-in then shows the same screen as the runner's.
async function testLateRest(browser, args, refDir) {
  const server = await startServer(args.site);
  try {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setRequestInterception(true);
    let heldUntil = 0;
    page.on('request', (request) => {
      if (!request.url().endsWith('/velvina-rest.data'))
        return request.continue();
      heldUntil = Date.now() + 4000;
      setTimeout(() => request.continue(), 4000);
    });
    await page.setViewport(VIEWPORT);
    await page.goto(`http://127.0.0.1:${server.port}/`, {waitUntil: 'load'});
    await page.waitForFunction(() => window.Module && Module.velvinaScreen && Module.velvinaScreen.framesShown > 0,
                               {timeout: 30000});
    const toPage = await pictureToPage(page);
    const point = toPage(507, 398);
    await sleep(1000);
    await page.mouse.move(point.x, point.y);
    await sleep(100);
    await page.mouse.click(point.x, point.y);
    const clickedEarly = heldUntil > Date.now();
    const reference = decodePng(fs.readFileSync(path.join(refDir, '03-signin.png')));
    const {differing} = await compareSettled(page, reference.rgba, 15000);
    check(clickedEarly && differing === 0,
          `a click before the rest of the content has arrived waits for it, then shows the runner's ` +
          `sign-in (clicked before it came: ${clickedEarly}; ${differing} pixels differ)`);
    // Farewell, and a key on the credits (the only screen that takes keys) ends the game.
    const farewell = toPage(70, 446);
    await page.mouse.click(farewell.x, farewell.y);
    const credits = decodePng(fs.readFileSync(path.join(refDir, '13-credits.png')));
    const shown = await compareSettled(page, credits.rgba, 15000);
    check(shown.differing === 0, `the farewell leads to the runner's credits (${shown.differing} pixels differ)`);
    await page.keyboard.press('Space');
    check(await gameEnded(page), 'a key press on the credits ends the game');
    await context.close();
  } finally {
    server.stop();
  }
}

// The rest of the content cannot be had: the first scene plays, and the next one's files
// fail to open with the engine's own traces instead of being waited for forever.
async function testMissingRest(browser, args, work) {
  const site = path.join(work, 'missing-rest-site');
  fs.rmSync(site, {recursive: true, force: true});
  fs.cpSync(args.site, site, {recursive: true});
  fs.rmSync(path.join(site, 'velvina-rest.data'));
  const server = await startServer(site);
  try {
    const {page, consoleLines} = await openPage(browser, `http://127.0.0.1:${server.port}/`);
    const toPage = await pictureToPage(page);
    const point = toPage(507, 398); // the title screen's button, once it takes clicks (as in the journey)
    await sleep(1000);
    await page.mouse.move(point.x, point.y);
    await sleep(100);
    await page.mouse.click(point.x, point.y);
    const failedOpen = () => consoleLines.some((line) => line.startsWith('Unable to open'));
    const deadline = Date.now() + 15000;
    while (Date.now() < deadline && !failedOpen())
      await sleep(100);
    check(failedOpen(), 'without the rest of the content the next scene fails to open its files instead of waiting' +
                        (failedOpen() ? '' : ` (console: ${consoleLines.slice(-5).join(' | ')})`));
    await page.browserContext().close();
  } finally {
    server.stop();
  }
}

async function main() {
  const args = parseArgs(process.argv.slice(2));
  const work = path.resolve(args.work);
  const refDir = path.join(work, 'reference');
  const outDir = path.join(work, 'canvas');
  for (const dir of [refDir, outDir])
    fs.mkdirSync(dir, {recursive: true});

  // 1. The reference.
  run(path.join(args.native, 'apps', 'velvina-headless'),
      ['--root', args.native, '--script', path.resolve(args.journey), '--trace', path.join(refDir, 'trace.txt')],
      {cwd: refDir});
  const journey = readJourney(args.journey);

  const browser = await launchBrowser(work);
  try {
    // 2. The journey.
    const server = await startServer(args.site);
    try {
      const {page, consoleLines, timing} = await openPage(browser, `http://127.0.0.1:${server.port}/`);
      const cursor = await page.evaluate(() => Module.canvas.dataset.cursor);
      check(cursor === 'arrow', `the canvas shows the game's own arrow cursor (${cursor})`);
      await playJourney(page, journey, refDir, outDir);
      // The journey's last release leaves the credits: the game ends and the page says so.
      check(await gameEnded(page), 'leaving the credits ends the game and the page shows its end');
      await page.click('#fullscreen');
      const fullScreen = await page.waitForFunction(() => document.fullscreenElement && document.fullscreenElement.id,
                                                    {timeout: 5000}).then((handle) => handle.jsonValue(), () => null);
      check(fullScreen === 'stage', `the full-screen button puts the picture on the whole screen (${fullScreen})`);
      const consoleText = consoleLines.join('\n').replace(/\r/g, '');
      check(consoleText.includes(startupTrace(path.join(refDir, 'trace.txt'))),
            "the console holds the runner's start-up trace");
      const {frameTimes, shownFrameTimes} = await page.evaluate(
          () => ({frameTimes: Module.velvinaScreen.frameTimes, shownFrameTimes: Module.velvinaScreen.shownFrameTimes}));
      const wasmBytes = fs.statSync(path.join(args.site, 'velvina.wasm')).size;
      console.log(`FIGURE web_first_frame_ms ${timing.firstFrameMs.toFixed(0)}`);
      console.log(`FIGURE web_bytes_before_first_frame_kb ${(timing.bytes / 1024).toFixed(0)}`);
      console.log(`FIGURE web_wasm_kb ${(wasmBytes / 1024).toFixed(0)}`);
      console.log(`FIGURE web_frame_ms ${median(frameTimes).toFixed(2)}`);
      // The same over the frames that changed the picture (converted and put into the canvas).
      console.log(`FIGURE web_changed_frame_ms ${median(shownFrameTimes).toFixed(2)}`);
      check(frameTimes.length > 0, `frames were timed (${frameTimes.length})`);
      const errors = consoleLines.filter((line) => line.startsWith('page error'));
      check(errors.length === 0, `no script errors in the page (${errors.join('; ')})`);
      await page.browserContext().close();
    } finally {
      server.stop();
    }
    // 3. Audio. 4. A static host. 5. Content that comes late or not at all.
    await testAudio(browser, args, work);
    await testStaticHost(browser, args);
    if (args['content-mode'] === 'split') {
      await testLateRest(browser, args, refDir);
      await testMissingRest(browser, args, work);
    }
  } finally {
    await browser.close();
  }
  console.log(`${passed} passed, ${failures.length} failed`);
  process.exit(failures.length ? 1 : 0);
}

main().catch((error) => {
  console.error(error.stack || String(error));
  process.exit(1);
});
