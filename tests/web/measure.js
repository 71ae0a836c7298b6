// The page's time to its first frame, its frame rates and where a frame's
// CPU time goes, in headless Chromium through the test harness (not a test;
// scripts/bench-web runs it):
//   node measure.js PAGE_DIR SECONDS
"use strict";
const fs = require("node:fs");
const h = require("./harness.js");

const [pageDir, seconds] = [process.argv[2], Number(process.argv[3])];

// The moment the page's state first becomes "running", in the page's own clock,
// whose zero is the start of the navigation. It runs before the page has its
// <html> element, so it watches the whole document.
function RecordFirstFrame() {
  new MutationObserver(() => {
    if (document.documentElement.dataset.vorn === "running" && window.vornFirstFrameAt === undefined) {
      window.vornFirstFrameAt = performance.now();
    }
  }).observe(document, { attributes: true, subtree: true, attributeFilter: ["data-vorn"] });
}

// Frames back to back: each animation frame the page asks for comes as soon as
// the last one is drawn, not at the display's 60 Hz. (Chromium's own switch,
// --disable-frame-rate-limit, keeps its display compositor spinning, which
// takes a whole core of two from the page.)
function DrawBackToBack() {
  const channel = new MessageChannel();
  const waiting = [];
  channel.port1.onmessage = () => waiting.shift()(performance.now());
  window.requestAnimationFrame = (callback) => {
    waiting.push(callback);
    channel.port2.postMessage(0);
    return waiting.length;
  };
}

// CPU milliseconds so far of each thread of the browser's processes, by the
// part it plays: the page's main thread (wasm, JavaScript and WebGL calls),
// the GPU process's main thread (decoding the WebGL commands, ANGLE) and its
// SwiftShader threads (rasterising); the rest is the browser's own.
function ThreadTimes(rootPid) {
  const parentOf = {};
  for (const pid of fs.readdirSync("/proc").filter((name) => /^\d+$/.test(name))) {
    try {
      parentOf[pid] = Stat(`/proc/${pid}/stat`).fields[1];
    } catch {
      // The process ended while the list was read.
    }
  }
  const InBrowser = (pid) => {
    for (let p = pid; p && p !== "0"; p = parentOf[p]) if (p === String(rootPid)) return true;
    return false;
  };
  const times = { page: 0, gpuMain: 0, swiftShader: 0, rest: 0 };
  for (const pid of Object.keys(parentOf).filter(InBrowser)) {
    try {
      const type = (fs.readFileSync(`/proc/${pid}/cmdline`, "utf8").match(/--type=([a-z-]+)/) || [])[1];
      for (const tid of fs.readdirSync(`/proc/${pid}/task`)) {
        const { name, fields } = Stat(`/proc/${pid}/task/${tid}/stat`);
        const ms = (Number(fields[11]) + Number(fields[12])) * 10;
        const main = tid === pid;
        // SwiftShader's workers are Thread<NN>; its queue thread keeps the process's name.
        const part = type === "renderer" && main ? "page"
          : type === "gpu-process" && main ? "gpuMain"
          : type === "gpu-process" && (/^Thread<\d+>$/.test(name) || name === "chromium") ? "swiftShader"
          : "rest";
        times[part] += ms;
      }
    } catch {
      // The process ended while it was read.
    }
  }
  return times;
}

// The name and the fields after it of a /proc stat file (the name may hold spaces).
function Stat(file) {
  const text = fs.readFileSync(file, "utf8");
  const close = text.lastIndexOf(")");
  return { name: text.slice(text.indexOf("(") + 1, close), fields: text.slice(close + 2).split(" ") };
}

async function Measure(browser, url, detail) {
  const page = await h.OpenPage(browser, `${url}/?detail=${detail}`, 1280, 720,
                                (p) => p.evaluateOnNewDocument(RecordFirstFrame));
  await h.WaitForState(page, "running");
  const firstFrame = await page.evaluate(() => window.vornFirstFrameAt);
  await page.evaluate(DrawBackToBack);
  const Frames = () => page.evaluate(() => Module._vorn_frames_drawn());
  const rootPid = browser.process().pid;
  const [startFrames, startTimes, start] = [await Frames(), ThreadTimes(rootPid), Date.now()];
  await h.WaitFor("the measuring time", () => Date.now() - start >= seconds * 1000, seconds * 2000);
  const [frames, times] = [(await Frames()) - startFrames, ThreadTimes(rootPid)];
  const rate = frames / ((Date.now() - start) / 1000);
  const PerFrame = (part) => ((times[part] - startTimes[part]) / frames).toFixed(2);
  console.log(`page 1280x720, detail ${detail}: ${rate.toFixed(1)} frames a second, ` +
              `first frame ${firstFrame.toFixed(0)} ms after navigation`);
  console.log(`  CPU ms a frame: page's main thread ${PerFrame("page")}, ` +
              `GPU process's main thread ${PerFrame("gpuMain")}, SwiftShader ${PerFrame("swiftShader")}, ` +
              `rest of the browser ${PerFrame("rest")}`);
  await page.close();
}

async function Main() {
  const server = await h.StartServer({ "/": pageDir });
  const { browser, close } = await h.StartBrowser();
  for (const detail of ["low", "middle", "high"]) await Measure(browser, server.url, detail);
  await close();
  server.close();
}

Main();
