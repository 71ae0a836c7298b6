// The page's time to its first frame and its frame rates, in headless
// Chromium through the test harness (not a test; scripts/bench-web runs it):
//   node measure.js PAGE_DIR SECONDS
"use strict";
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

async function Main() {
  const server = await h.StartServer({ "/": pageDir });
  const { browser, close } = await h.StartBrowser();
  for (const detail of ["low", "middle", "high"]) {
    const page = await h.OpenPage(browser, `${server.url}/?detail=${detail}`, 1280, 720,
                                  (p) => p.evaluateOnNewDocument(RecordFirstFrame));
    await h.WaitForState(page, "running");
    const firstFrame = await page.evaluate(() => window.vornFirstFrameAt);
    const Frames = () => page.evaluate(() => Module._vorn_frames_drawn());
    const startFrames = await Frames();
    const start = Date.now();
    await h.WaitFor("the measuring time", () => Date.now() - start >= seconds * 1000, seconds * 2000);
    const rate = ((await Frames()) - startFrames) / ((Date.now() - start) / 1000);
    console.log(`page 1280x720, detail ${detail}: ${rate.toFixed(1)} frames a second, ` +
                `first frame ${firstFrame.toFixed(0)} ms after navigation`);
    await page.close();
  }
  await close();
  server.close();
}

Main();
