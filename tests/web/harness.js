// The one host harness of the web tests: a static server for a folder on a
// free port of this machine, headless Chromium or Firefox with software WebGL, pages
// opened with an address, conditions awaited under a deadline, pictures read
// as pixels, and every console message kept.
"use strict";
const fs = require("node:fs");
const http = require("node:http");
const os = require("node:os");
const path = require("node:path");
const puppeteer = require("puppeteer-core");

const kTypes = {
  ".html": "text/html",
  ".js": "text/javascript",
  ".wasm": "application/wasm",
};

// Serves the files of each root under its prefix ("/" and e.g. "/probes/").
function StartServer(roots) {
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, "http://localhost");
    for (const [prefix, root] of Object.entries(roots)) {
      if (!url.pathname.startsWith(prefix)) continue;
      let file = path.join(root, url.pathname.slice(prefix.length) || "index.html");
      if (file.endsWith(path.sep)) file = path.join(file, "index.html");
      if (!file.startsWith(root) || !fs.existsSync(file)) break;
      response.writeHead(200, { "Content-Type": kTypes[path.extname(file)] || "application/octet-stream" });
      fs.createReadStream(file).pipe(response);
      return;
    }
    response.writeHead(404);
    response.end();
  });
  return new Promise((resolve) => {
    server.listen(0, "127.0.0.1", () => {
      resolve({ url: `http://127.0.0.1:${server.address().port}`, close: () => server.close() });
    });
  });
}

function BrowserArguments(profile) {
  return [
    "--headless=new",
    "--use-angle=swiftshader",
    "--enable-unsafe-swiftshader",
    "--no-sandbox",
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
    "--no-first-run",
    "--hide-scrollbars",
    `--user-data-dir=${profile}`,
  ];
}

// Firefox keeps WebGL off where it finds no graphics card, and draws it with
// Mesa's llvmpipe once told to, in its own process.
const kFirefoxPreferences = {
  "webgl.force-enabled": true,
  "webgl.disabled": false,
  "webgl.out-of-process": false,
  "webgl.disable-fail-if-major-performance-caveat": true,
  "gfx.webrender.software": true,
  "layers.acceleration.disabled": true,
};

async function LaunchFirefox() {
  return {
    browser: await puppeteer.launch({
      browser: "firefox",
      executablePath: process.env.FIREFOX || "/usr/bin/firefox-esr",
      headless: true,
      extraPrefsFirefox: kFirefoxPreferences,
      env: { ...process.env, LIBGL_ALWAYS_SOFTWARE: "1", MOZ_WEBGL_FORCE_EGL: "0" },
      defaultViewport: null,
    }),
    profile: null,
  };
}

async function LaunchChromium() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "vorn-chromium-"));
  return {
    browser: await puppeteer.launch({
      executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
      args: BrowserArguments(profile),
      defaultViewport: null,
    }),
    profile,
  };
}

// kind is "chromium" or "firefox"; Firefox makes its own profile and removes it.
async function StartBrowser(kind = "chromium") {
  const { browser, profile } = await (kind === "firefox" ? LaunchFirefox() : LaunchChromium());
  return {
    browser,
    close: async () => {
      await browser.close();
      if (profile) fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Waits until check() gives a truthy value, trying again every 50 ms, for at
// most deadlineMs; then fails with what.
async function WaitFor(what, check, deadlineMs = 60000) {
  const end = Date.now() + deadlineMs;
  for (;;) {
    const value = await check();
    if (value) return value;
    if (Date.now() > end) throw new Error(`timed out waiting for ${what}`);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// A page of the browser at this address and viewport size, with its console
// messages and uncaught errors collected in page.messages; beforeLoad(page)
// runs before the address is loaded.
async function OpenPage(browser, url, width = 640, height = 480, beforeLoad = async () => {}) {
  const page = await browser.newPage();
  await page.setViewport({ width, height });
  page.messages = [];
  page.on("console", (message) => page.messages.push(`${message.type()}: ${message.text()}`));
  page.on("pageerror", (error) => page.messages.push(`exception: ${error.message}`));
  await beforeLoad(page);
  await page.goto(url);
  return page;
}

// Errors and warnings among the messages, which any test counts as a failure.
function Complaints(page) {
  return page.messages.filter((text) => /^(error|warn|warning|exception):/.test(text));
}

// Waits for the state on <html data-vorn> of a page or frame: "running",
// "drawing", "still" or "problem". A page between two addresses has none yet.
function WaitForState(page, state, deadlineMs) {
  return WaitFor(`the page to be ${state}`, () =>
    page.evaluate((wanted) => document.documentElement.dataset.vorn === wanted, state).catch(() => false),
  deadlineMs);
}

// Pixels as { width, height, data: RGBA bytes, top row first }.
function PixelsInPage(page, pageFunction, ...args) {
  return page.evaluate(pageFunction, ...args).then((p) => ({ ...p, data: Buffer.from(p.data, "base64") }));
}

// The canvas of a still picture, read through a 2D canvas.
function CanvasPixels(page) {
  return PixelsInPage(page, () => {
    const source = document.getElementById("canvas");
    const copy = document.createElement("canvas");
    copy.width = source.width;
    copy.height = source.height;
    const context = copy.getContext("2d");
    context.drawImage(source, 0, 0);
    const data = context.getImageData(0, 0, copy.width, copy.height).data;
    let text = "";
    for (let i = 0; i < data.length; i += 32768) text += String.fromCharCode(...data.subarray(i, i + 32768));
    return { width: copy.width, height: copy.height, data: btoa(text) };
  });
}

// A PNG file decoded by the browser.
function DecodePng(page, png) {
  return PixelsInPage(page, async (base64) => {
    const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    const image = await createImageBitmap(new Blob([bytes], { type: "image/png" }));
    const copy = new OffscreenCanvas(image.width, image.height);
    const context = copy.getContext("2d");
    context.drawImage(image, 0, 0);
    const data = context.getImageData(0, 0, image.width, image.height).data;
    let text = "";
    for (let i = 0; i < data.length; i += 32768) text += String.fromCharCode(...data.subarray(i, i + 32768));
    return { width: image.width, height: image.height, data: btoa(text) };
  }, png.toString("base64"));
}

// What the page shows on screen, as pixels.
async function ScreenPixels(page) {
  return DecodePng(page, Buffer.from(await page.screenshot({ type: "png" })));
}

// The mean difference per colour channel (0 to 255) and the share of pixels
// that differ by more than 48 in any channel.
function Compare(a, b) {
  if (a.width !== b.width || a.height !== b.height) {
    return { mean: 255, farShare: 1, why: `sizes ${a.width}x${a.height} and ${b.width}x${b.height}` };
  }
  let sum = 0;
  let far = 0;
  for (let i = 0; i < a.data.length; i += 4) {
    let worst = 0;
    for (let c = 0; c < 3; ++c) {
      const d = Math.abs(a.data[i + c] - b.data[i + c]);
      sum += d;
      worst = Math.max(worst, d);
    }
    if (worst > 48) ++far;
  }
  const pixels = a.data.length / 4;
  return { mean: sum / (pixels * 3), farShare: far / pixels };
}

// Runs named checks one after another, each given the browser, and prints
// "N passed, M failed".
async function RunChecks(checks, browser) {
  let passed = 0;
  let failed = 0;
  for (const [name, check] of checks) {
    try {
      const note = await check(browser);
      ++passed;
      console.log(`ok   ${name}${note ? ` (${note})` : ""}`);
    } catch (error) {
      ++failed;
      console.log(`FAIL ${name}: ${error.message}`);
    }
  }
  console.log(`${passed} passed, ${failed} failed`);
  return failed === 0;
}

module.exports = {
  StartServer, StartBrowser, OpenPage, WaitFor, WaitForState, Complaints,
  CanvasPixels, DecodePng, ScreenPixels, Compare, RunChecks,
};
