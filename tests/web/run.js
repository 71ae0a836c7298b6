// The web page's tests, in headless Chromium and then Firefox through the harness:
//   node run.js PAGE_DIR PROBES_DIR VORN NATIVE_PROBES
// PAGE_DIR is build/web, PROBES_DIR the probe page of the web build, VORN the
// Linux program (for its snapshots) and NATIVE_PROBES the probe program drawn
// by Mesa; both need the X display of the caller. VORN_WEB_CHECKS=REGEX runs
// only the checks whose names (which start with the browser's) match.
"use strict";
const assert = require("node:assert/strict");
const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const h = require("./harness.js");

const [pageDir, probesDir, vorn, nativeProbes] = process.argv.slice(2).map((p) => path.resolve(p));
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "vorn-web-test-"));

// Held-fixed moments of the scene, as words of vorn --snapshot and of the address.
const kStills = [
  { seed: 7, ms: 5000, clock: "10:10:30", look: "day", detail: "high" },
  { seed: 7, ms: 5000, clock: "10:10:30", look: "night", detail: "high" },
  { seed: 42, ms: 123456, clock: "03:45:00", look: "day", detail: "low" },
  { seed: 1234, ms: 98765, clock: "18:00:15", look: "night", detail: "middle" },
  { seed: 99, ms: 40000, clock: "23:59:59", look: "day", detail: "middle", frames: 5 },
  { seed: 21, ms: 250000, clock: "06:30:45", look: "night", detail: "low", size: "320x200" },
  // Drawn in many slices between animation frames, each frame once.
  { seed: 5, ms: 70000, clock: "12:00:00", look: "day", detail: "low", size: "160x120", frames: 600 },
];
// A still matches when its mean difference per channel stays within kStillMean
// and at most kStillFarShare of its pixels differ by more than 48 in a channel.
// Two rasterisers differ in the odd edge pixel of the thin rods: up to a mean
// of 0.23 and 0.12 % of the pixels here. A missing light, fog, reflection or
// shadow costs several times the limits (see the breakages in the README).
const kStillMean = 0.6;
const kStillFarShare = 0.003;
// The probes differ from Mesa by a mean of 0.15 at most, in edge pixels too.
const kProbeMean = 0.5;
const kProbeFarShare = 0.005;

function Describe(result) {
  return `mean ${result.mean.toFixed(3)}, far ${(100 * result.farShare).toFixed(2)}%${result.why ? `, ${result.why}` : ""}`;
}

function AssertClose(result, mean, farShare) {
  assert.ok(result.mean <= mean && result.farShare <= farShare, Describe(result));
  return Describe(result);
}

function AssertQuiet(page) {
  assert.deepEqual(h.Complaints(page), [], "the console had errors or warnings");
}

function Query(words) {
  return Object.entries(words).map(([k, v]) => `${k}=${encodeURIComponent(v)}`).join("&");
}

// vorn --snapshot's picture of these words, decoded in the page.
async function Snapshot(page, still, name) {
  const png = path.join(scratch, `${name}.png`);
  const args = ["--snapshot", png];
  for (const [word, value] of Object.entries(still)) args.push(`--${word}`, String(value));
  execFileSync(vorn, args);
  return h.DecodePng(page, fs.readFileSync(png));
}

async function StillMatchesSnapshot(browser, url, still, index) {
  const page = await h.OpenPage(browser, `${url}/?${Query(still)}`, 800, 600);
  await h.WaitForState(page, "still");
  const result = h.Compare(await h.CanvasPixels(page), await Snapshot(page, still, `still-${index}`));
  AssertQuiet(page);
  await page.close();
  return AssertClose(result, kStillMean, kStillFarShare);
}

// Chromium here draws at most 8192 pixels a side: the picture must be whole
// at the size the browser gives, not a corner of a larger one.
async function OversizedStillDrawnWhole(browser, url) {
  const still = { seed: 7, ms: 5000, clock: "10:10:30", look: "day", detail: "low", size: "16384x64" };
  const page = await h.OpenPage(browser, `${url}/?${Query(still)}`, 320, 240);
  await h.WaitForState(page, "still");
  const size = await page.evaluate(() => {
    const canvas = document.getElementById("canvas");
    const gl = canvas.getContext("webgl");
    return { canvas: `${canvas.width}x${canvas.height}`, buffer: `${gl.drawingBufferWidth}x${gl.drawingBufferHeight}` };
  });
  assert.equal(size.canvas, size.buffer, "the canvas is larger than its drawing buffer");
  assert.notEqual(size.canvas, still.size, "the browser drew 16384x64 after all: no limit to check");
  const warnings = h.Complaints(page);
  assert.equal(warnings.length, 1, `one warning, got ${JSON.stringify(warnings)}`);
  assert.match(warnings[0], new RegExp(`^warn.*size=16384x64.*${size.canvas}`));
  const result = h.Compare(await h.CanvasPixels(page), await Snapshot(page, { ...still, size: size.canvas }, "oversized"));
  await page.close();
  return `drawn at ${size.canvas}; ${AssertClose(result, kStillMean, kStillFarShare)}`;
}

// Within `ms` the page answers and draws an animation frame.
function AnswersWithin(page, ms) {
  const frame = page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => resolve(true))));
  const late = new Promise((resolve) => setTimeout(() => resolve(false), ms));
  return Promise.race([frame, late]);
}

async function MillionFramesLeaveTheTabAnswering(browser, url) {
  const page = await h.OpenPage(browser, "about:blank", 320, 240);
  page.goto(`${url}/?seed=3&ms=0&detail=low&size=64x64&frames=1000000`).catch(() => {});
  await h.WaitForState(page, "drawing", 20000);
  for (let i = 0; i < 5; ++i) assert.ok(await AnswersWithin(page, 2000), "the tab stopped answering");
  AssertQuiet(page);
  await page.close();
}

async function StillShowsOnlyAWayToTheLiveScene(browser, url) {
  const page = await h.OpenPage(browser, `${url}/?seed=7&detail=low&mouse=0&size=160x120`, 320, 240);
  await h.WaitForState(page, "still");
  const Shown = (selector) => page.$eval(selector, (element) => element.getClientRects().length > 0);
  assert.equal(await Shown("#controls"), false, "the live controls show over the still");
  // The link is the page's first stop for the keyboard.
  await page.keyboard.press("Tab");
  await page.keyboard.press("Enter");
  await h.WaitForState(page, "running");
  assert.equal(await page.evaluate(() => location.search), "?detail=low&mouse=0");
  assert.equal(await Shown("#controls"), true, "the live scene has no controls");
  AssertQuiet(page);
  await page.close();
}

async function ProbesMatchMesa(browser, url) {
  execFileSync(nativeProbes, [scratch]);
  const files = fs.readdirSync(scratch).filter((f) => /^\d+-.*\.png$/.test(f));
  assert.ok(files.length >= 8, "the native probes wrote fewer than 8 pictures");
  const page = await h.OpenPage(browser, `${url}/probes/`);
  await h.WaitForState(page, "probes");
  const notes = [];
  const failures = [];
  for (const file of files.sort((a, b) => parseInt(a) - parseInt(b))) {
    const index = parseInt(file);
    const web = await page.evaluate((i) => {
      const pointer = Module._vorn_draw_probe(i);
      const data = Module.HEAPU8.slice(pointer, pointer + 64 * 64 * 4);
      let text = "";
      for (const byte of data) text += String.fromCharCode(byte);
      return { width: 64, height: 64, data: btoa(text) };
    }, index);
    web.data = Buffer.from(web.data, "base64");
    const result = h.Compare(web, await h.DecodePng(page, fs.readFileSync(path.join(scratch, file))));
    const line = `${file.replace(/\.png$/, "")}: ${Describe(result)}`;
    (result.mean <= kProbeMean && result.farShare <= kProbeFarShare ? notes : failures).push(line);
  }
  AssertQuiet(page);
  await page.close();
  assert.deepEqual(failures, [], "probes that differ from Mesa");
  return notes.join("; ");
}

// The top of the view shows mostly the sky, which is the look's colour: the
// median red of the top row's left half, away from the page's controls.
async function SkyBrightness(page) {
  const screen = await h.ScreenPixels(page);
  const reds = [];
  for (let x = 0; x < screen.width / 2; ++x) reds.push(screen.data[4 * x]);
  reds.sort((a, b) => a - b);
  return reds[reds.length >> 1];
}

async function FramesDrawn(page) {
  return page.evaluate(() => Module._vorn_frames_drawn());
}

async function WaitForFrames(page, count) {
  const start = await FramesDrawn(page);
  await h.WaitFor(`${count} more frames`, async () => (await FramesDrawn(page)) >= start + count);
}

// Puppeteer names the keys of Chromium; over WebDriver BiDi (Firefox) its
// "Enter" is the keypad's, and the main key goes by its WebDriver code.
const kEnterKeys = {
  chromium: { enter: "Enter", keypadEnter: "NumpadEnter" },
  firefox: { enter: "\uE006", keypadEnter: "\uE007" },
};

async function EnterSwitchesTheLookOnce(browser, url, keys) {
  const page = await h.OpenPage(browser, `${url}/?detail=low`, 320, 240);
  await h.WaitForState(page, "running");
  // The scene starts in either look, at random.
  const IsDay = async () => (await SkyBrightness(page)) > 200;
  const IsNight = async () => (await SkyBrightness(page)) < 40;
  const startedByDay = await h.WaitFor("a clear look", async () => (await IsDay()) ? "day" : (await IsNight()) ? "night" : false);
  const [Started, Other] = startedByDay === "day" ? [IsDay, IsNight] : [IsNight, IsDay];
  // A press and then the keyboard's repeat of the held key: one switch.
  await page.keyboard.down(keys.enter);
  await page.keyboard.down(keys.enter);
  await page.keyboard.up(keys.enter);
  await h.WaitFor("the other look", Other);
  await WaitForFrames(page, 10);
  assert.ok(await Other(), "the look switched back by itself");
  await page.keyboard.press(keys.keypadEnter);
  await h.WaitFor("the first look again", Started);
  AssertQuiet(page);
  await page.close();
}

// Counts the page's draw calls, and those made after an animation frame has
// handed back to the browser, which shows the canvas then. The layer gathers
// primitives and draws them later, but within the frame: at the latest in a
// microtask queued during it, which runs before the one queued after it.
function CountLateDraws() {
  window.vornDraws = { all: 0, late: 0 };
  let inFrame = false;
  const draw = WebGLRenderingContext.prototype.drawElements;
  WebGLRenderingContext.prototype.drawElements = function (...args) {
    ++window.vornDraws.all;
    if (!inFrame) ++window.vornDraws.late;
    return draw.apply(this, args);
  };
  const request = window.requestAnimationFrame.bind(window);
  window.requestAnimationFrame = (callback) => request((time) => {
    inFrame = true;
    callback(time);
    queueMicrotask(() => { inFrame = false; });
  });
}

async function LiveFramesDrawWithinTheFrame(browser, url) {
  const page = await h.OpenPage(browser, `${url}/?detail=high`, 320, 240,
                                (p) => p.evaluateOnNewDocument(CountLateDraws));
  await h.WaitForState(page, "running");
  await WaitForFrames(page, 10);
  const draws = await page.evaluate(() => window.vornDraws);
  assert.ok(draws.all >= 10, `${draws.all} draws in 10 frames`);
  assert.equal(draws.late, 0, `${draws.late} of ${draws.all} draws came after their frame`);
  AssertQuiet(page);
  await page.close();
  return `${draws.all} draws`;
}

async function SettingsKeptAndAddressChecked(browser, url) {
  const page = await h.OpenPage(browser, `${url}/?detail=fine&mouse=0`, 320, 240);
  await h.WaitForState(page, "running");
  const warnings = h.Complaints(page);
  assert.equal(warnings.length, 1, `one warning for the bad detail, got ${JSON.stringify(warnings)}`);
  assert.match(warnings[0], /^warn.*detail=fine/);
  assert.equal(await page.$eval("#mouse", (box) => box.checked), false);
  await page.select("#detail", "0");
  await page.goto(`${url}/`);
  await h.WaitForState(page, "running");
  assert.equal(await page.$eval("#detail", (list) => list.value), "0", "the detail was not kept");
  assert.equal(await page.$eval("#mouse", (box) => box.checked), true, "?mouse=0 was kept");
  assert.equal(h.Complaints(page).length, 1, "warnings after reloading");
  await page.close();
}

// The page's select offers Low, Middle and High; any other stored number
// counts as none, and a store without a detail gives Middle.
async function StoredDetailOutOfRangeIgnored(browser, url) {
  const page = await h.OpenPage(browser, `${url}/`, 320, 240);
  for (const stored of ["-5", "3", "7", "2147483647"]) {
    await page.evaluate((value) => localStorage.setItem("vorn.Detail", value), stored);
    await page.reload();
    await h.WaitForState(page, "running");
    assert.equal(await page.$eval("#detail", (list) => list.value), "1", `stored detail ${stored}`);
  }
  AssertQuiet(page);
  await page.evaluate(() => localStorage.clear());
  await page.close();
}

async function SandboxedFrameShowsTheMessage(browser, url) {
  const page = await h.OpenPage(browser, `${url}/sandbox/`, 400, 300);
  const frame = await h.WaitFor("the page's frame", () => page.frames().find((f) => f !== page.mainFrame()));
  await h.WaitForState(frame, "problem");
  assert.match(await frame.$eval("#problem", (box) => box.innerText), /index\.wasm/);
  // The browser's own notes on the refused fetch are all the console may hold.
  const others = h.Complaints(page).filter((text) => !/CORS|Failed to load resource/.test(text));
  assert.deepEqual(others, [], "errors beside the refused fetch");
  await page.close();
}

async function CanvasFollowsTheWindow(browser, url) {
  const page = await browser.newPage();
  await page.setViewport({ width: 320, height: 240, deviceScaleFactor: 2 });
  await page.goto(`${url}/?detail=low`);
  await h.WaitForState(page, "running");
  const CanvasIs = (width, height) => page.evaluate(([w, h]) => {
    const canvas = document.getElementById("canvas");
    return canvas.width === w && canvas.height === h;
  }, [width, height]);
  await h.WaitFor("a canvas of 640x480 pixels", () => CanvasIs(640, 480));
  await page.setViewport({ width: 400, height: 300, deviceScaleFactor: 2 });
  await h.WaitFor("a canvas of 800x600 pixels", () => CanvasIs(800, 600));
  // 20000x250 pixels is more than either browser draws in one side: the
  // canvas then keeps its shape at a size its drawing buffer holds in full.
  await page.setViewport({ width: 4000, height: 50, deviceScaleFactor: 5 });
  const size = await h.WaitFor("a canvas of another size", () => page.evaluate(() => {
    const canvas = document.getElementById("canvas");
    const gl = canvas.getContext("webgl");
    return canvas.width !== 800 && [canvas.width, canvas.height, gl.drawingBufferWidth, gl.drawingBufferHeight];
  }));
  const [width, height, bufferWidth, bufferHeight] = size;
  assert.deepEqual([width, height], [bufferWidth, bufferHeight], "the canvas is larger than its drawing buffer");
  assert.ok(width < 20000, `the browser drew ${width}x${height}: no limit to check`);
  assert.ok(Math.abs(width / 80 - height) <= 1, `a canvas of ${width}x${height} lost the window's shape`);
  await page.close();
  return `${width}x${height} for a window of 20000x250 pixels`;
}

async function FullscreenLeftByAnotherKey(browser, url) {
  const page = await h.OpenPage(browser, `${url}/?detail=low`, 320, 240);
  await h.WaitForState(page, "running");
  const Fullscreen = () => page.evaluate(() => document.fullscreenElement !== null);
  await page.keyboard.press("f");
  await h.WaitFor("full-screen", Fullscreen);
  await page.keyboard.press("x");
  await h.WaitFor("the page back from full-screen", async () => !(await Fullscreen()));
  AssertQuiet(page);
  await page.close();
}

// The page at this address, after beforeLoad and then afterLoad, shows one
// message about WebGL and nothing on the console.
async function ProblemShownWithoutExceptions(browser, url, beforeLoad, afterLoad) {
  const page = await h.OpenPage(browser, url, 320, 240, beforeLoad);
  await afterLoad(page);
  await h.WaitForState(page, "problem");
  const text = await page.$eval("#problem", (box) => box.innerText);
  assert.match(text, /WebGL/, "the message does not say what is missing");
  AssertQuiet(page);
  await page.close();
}

// The checks for one browser, each name starting with the browser's; each
// takes the browser once it runs.
function Checks(kind, url) {
  const checks = kStills.map((still, i) => [
    `still ${Query(still)} matches vorn --snapshot`, (browser) => StillMatchesSnapshot(browser, url, still, i)]);
  checks.push(
    ["layer probes match Mesa's fixed function", (browser) => ProbesMatchMesa(browser, url)],
    ["live frames draw within their frame", (browser) => LiveFramesDrawWithinTheFrame(browser, url)],
    ["Enter switches the look once, keypad Enter too", (browser) => EnterSwitchesTheLookOnce(browser, url, kEnterKeys[kind])],
    ["the canvas follows the window at the device-pixel ratio", (browser) => CanvasFollowsTheWindow(browser, url)],
    ["F goes full-screen, another key leaves it", (browser) => FullscreenLeftByAnotherKey(browser, url)],
    ["settings kept in local storage; a bad address value warns once",
      (browser) => SettingsKeptAndAddressChecked(browser, url)],
    ["a stored detail out of range is ignored", (browser) => StoredDetailOutOfRangeIgnored(browser, url)],
    ["a still shows no live controls; Tab and Enter reach the live scene",
      (browser) => StillShowsOnlyAWayToTheLiveScene(browser, url)],
    ["a still of a million frames leaves the tab answering", (browser) => MillionFramesLeaveTheTabAnswering(browser, url)],
    ["no WebGL: one message, no exceptions", (browser) => ProblemShownWithoutExceptions(browser, `${url}/`,
      (page) => page.evaluateOnNewDocument(() => {
        const original = HTMLCanvasElement.prototype.getContext;
        HTMLCanvasElement.prototype.getContext = function (kind, ...rest) {
          return /webgl/.test(kind) ? null : original.call(this, kind, ...rest);
        };
      }),
      async () => {})],
    ["lost WebGL: one message, no exceptions", (browser) => ProblemShownWithoutExceptions(browser, `${url}/`,
      async () => {},
      async (page) => {
        await h.WaitForState(page, "running");
        await page.evaluate(() =>
          document.getElementById("canvas").getContext("webgl").getExtension("WEBGL_lose_context").loseContext());
      })],
    ["in a frame sandboxed without same-origin: one message", (browser) => SandboxedFrameShowsTheMessage(browser, url)],
  );
  // Firefox's drawing buffer here gives way only past sizes too large for a
  // test (16384x16384 came back as 8192x8192); Chromium's stops at 8192 a side.
  if (kind === "chromium") {
    checks.push(["a still over the drawing-buffer limit is drawn whole, smaller, with one warning",
      (browser) => OversizedStillDrawnWhole(browser, url)]);
  }
  return checks.map(([name, check]) => [`${kind}: ${name}`, check]);
}

async function Main() {
  const sandbox = path.join(scratch, "sandbox");
  fs.mkdirSync(sandbox);
  fs.writeFileSync(path.join(sandbox, "index.html"),
    '<!doctype html><link rel="icon" href="data:,"><iframe sandbox="allow-scripts" src="/?detail=low"></iframe>');
  const server = await h.StartServer({ "/probes/": probesDir, "/sandbox/": sandbox, "/": pageDir });
  const only = new RegExp(process.env.VORN_WEB_CHECKS || "");
  let passed = true;
  for (const kind of ["chromium", "firefox"]) {
    const checks = Checks(kind, server.url).filter(([name]) => only.test(name));
    if (checks.length === 0) continue;
    const { browser, close } = await h.StartBrowser(kind);
    passed = (await h.RunChecks(checks, browser)) && passed;
    await close();
  }
  server.close();
  fs.rmSync(scratch, { recursive: true, force: true });
  process.exit(passed ? 0 : 1);
}

Main();
