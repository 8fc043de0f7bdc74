// The browser version in headless Chromium, as a player at a desktop meets it.
const { test } = require("node:test");
const assert = require("node:assert/strict");
const { servedPage, gameState, waitForState, firstFrame, shownFrame, simulatorColours, setHidden } = require("./support.js");

const web = servedPage();

const openPage = (query) => web.open(query, web.browser, { viewport: { width: 1024, height: 768 } });

// Points of the splash, and of the map, the frame and the panel away from the panel's text,
// which is drawn in the web font in the browser and in a built-in one in the simulator.
const SplashPoints = [[60, 60], [300, 100], [512, 300], [900, 420], [100, 600], [470, 560],
                      [700, 620], [50, 745], [990, 740], [400, 450]];
const FramePoints = [[100, 100], [575, 100], [805, 357], [300, 450], [160, 520], [511, 14],
                     [625, 660], [760, 690], [10, 700], [1010, 400], [18, 655], [250, 655],
                     [470, 740], [900, 150],
                     // A grid over the map, where the whirlwind and the figures move frame by frame.
                     ...[80, 240, 400, 520, 640, 800, 960].flatMap((x) => [60, 200, 320, 440, 580].map((y) => [x, y]))];

test("one click starts the splash, then the game's frames, as the simulator draws them", async () => {
  const page = await openPage("");
  await page.waitForSelector("#play:not([disabled])");
  assert.equal(await gameState(page), null, "the game waits for the click");
  const splash = await simulatorColours(page, 0, SplashPoints);

  // The splash is drawn once, when the game starts: its picture is read as it is drawn.
  const splashShown = shownFrame(page, SplashPoints);
  await page.click("#play");
  const shownSplash = await splashShown;
  assert.deepEqual(shownSplash.colours, splash, "the splash");
  assert.equal(shownSplash.frame, 0, "the splash is up while the game is set up");

  await firstFrame(page);
  const shown = await shownFrame(page, FramePoints);
  assert.deepEqual(shown.colours, await simulatorColours(page, shown.frame, FramePoints), `frame ${shown.frame}`);
  // The click let the page make sound: the wind that ends the set-up was played.
  await page.waitForFunction(() => Module.audioContext.state === "running" && Module.soundBuffers.size === 1);
  await page.close();
});

test("arrow keys steer while the canvas has the focus and are let go with it; the cursor maps back from a half-size canvas; a background tab stops the game; Escape opens the menu, and again quits", async () => {
  const page = await openPage();
  const start = await firstFrame(page);
  assert.equal(await page.evaluate(() => Module.audioContext), undefined, "silent until a click or key");
  const hold = async (key, frames) => {
    const from = await gameState(page);
    await page.keyboard.down(key);
    await waitForState(page, (state) => state.frame >= from.frame + frames, `${key} held`);
    await page.keyboard.up(key);
    return waitForState(page, (state) => state.keyDirX === 0 && state.keyDirY === 0, `${key} let go`);
  };

  await page.evaluate(() => document.getElementById("canvas").blur());
  const unfocused = await hold("ArrowRight", 20);
  assert.deepEqual([unfocused.whirlwind.x, unfocused.whirlwind.y], [start.whirlwind.x, start.whirlwind.y]);

  await page.focus("#canvas");
  const right = await hold("ArrowRight", 20);
  await page.waitForFunction(() => Module.audioContext.state === "running");
  assert.ok(right.whirlwind.x > start.whirlwind.x, `x ${right.whirlwind.x} after ${start.whirlwind.x}`);
  assert.equal(right.whirlwind.y, start.whirlwind.y);
  const down = await hold("ArrowDown", 20);
  assert.ok(down.whirlwind.y > right.whirlwind.y, `y ${down.whirlwind.y} after ${right.whirlwind.y}`);
  assert.equal(down.whirlwind.x, right.whirlwind.x);

  await page.keyboard.down("ArrowLeft");
  await waitForState(page, (state) => state.keyDirX !== 0, "ArrowLeft held");
  await page.evaluate(() => document.getElementById("canvas").blur());
  await waitForState(page, (state) => state.keyDirX === 0, "the key let go with the focus");
  await page.keyboard.up("ArrowLeft");

  // The cursor is mapped back from a canvas the page shows at half size. The right button
  // steers toward the cursor: at (500, 380) on the page it lies right of and below the
  // whirlwind, which a cursor taken unscaled would not.
  await page.setViewportSize({ width: 512, height: 384 });
  const from = await gameState(page);
  await page.mouse.move(500, 380);
  await page.mouse.down({ button: "right" });
  await waitForState(page, (state) => state.frame >= from.frame + 20, "the right button held");
  await page.mouse.up({ button: "right" });
  const moved = await gameState(page);
  assert.ok(moved.whirlwind.x > from.whirlwind.x && moved.whirlwind.y > from.whirlwind.y,
            `whirlwind at ${moved.whirlwind.x}, ${moved.whirlwind.y} from ${from.whirlwind.x}, ${from.whirlwind.y}`);

  // A page in a background tab stops the game until it comes back.
  await setHidden(page, true);
  const stopped = await waitForState(page, (state) => !state.active, "the game to stop");
  await page.waitForTimeout(300);
  assert.equal((await gameState(page)).frame, stopped.frame);
  await setHidden(page, false);
  await waitForState(page, (state) => state.active && state.frame > stopped.frame, "the game to go on");

  await page.focus("#canvas");
  assert.equal(down.menuOpen, false);
  await page.keyboard.press("Escape");
  await waitForState(page, (state) => state.menuOpen, "the menu");
  // Escape again quits; the page offers a new game.
  await page.keyboard.press("Escape");
  await page.waitForSelector("#start:not([hidden])");
  assert.equal(await page.textContent("#play"), "Play again");
  await page.close();
});

test("a start that fails shows the error box on the page and the same line in the console", async () => {
  const page = await openPage("");
  const console = [];
  page.on("console", (message) => console.push(message.text()));
  await page.waitForSelector("#play:not([disabled])");
  await page.evaluate(() => Module.FS.unlink("/Data/Crush.wav"));
  await page.click("#play");
  await page.waitForSelector("#error:not([hidden])");
  assert.equal(await page.textContent("#error h2"), "Kestravan - Error");
  const message = await page.textContent("#error p");
  assert.match(message, /FAILED/);
  const firstLine = message.split("\n")[0];
  assert.ok(console.some((line) => line.includes(`Kestravan - Error: ${firstLine}`)), console.join("\n"));
  // Under the game's own line, the page names the file.
  await page.waitForSelector("#error .detail");
  assert.match(await page.textContent("#error .detail"), /Data\/Crush\.wav is missing or damaged/);
  assert.equal(await page.isVisible("#play"), false, "nothing drawn over the message");
  await page.close();
});

// The game's own writer keeps the scores; it waits for the browser's storage before it returns.
test("two tabs racing to keep their scores never lower the stored best, which is there after a reload", async () => {
  const context = await web.browser.newContext();
  const tabs = await Promise.all([0, 1].map(async () => {
    const page = await web.open("", context);
    await page.waitForSelector("#play");
    return page;
  }));
  const keep = (page, score) => page.evaluate((score) =>
    Module.ccall("kestravan_keep_best_score", "number", ["number"], [score], { async: true }), score);
  // Each round the second tab keeps a score below the first's, above the last round's best.
  for (let round = 1; round <= 4; ++round) {
    const kept = await Promise.all([keep(tabs[0], round * 100), keep(tabs[1], round * 100 - 50)]);
    assert.deepEqual(kept, [1, 1]);
  }
  await tabs[1].goto(web.site.address + "index.html?autostart");
  const state = await firstFrame(tabs[1]);
  assert.equal(state.bestScore, 400);
  await context.close();
});

test("without IndexedDB the game plays, and the page says the best score lasts the session; the full-screen button gives the keys back", async () => {
  const context = await web.browser.newContext();
  await context.addInitScript(() => Object.defineProperty(window, "indexedDB", { value: undefined }));
  const page = await web.open("?autostart", context);
  const start = await firstFrame(page);
  assert.match(await page.textContent("#note"), /until you close the page/);
  await page.click("#fullscreen");
  assert.equal(await page.evaluate(() => document.activeElement.id), "canvas");
  await page.keyboard.down("ArrowRight");
  const moved = await waitForState(page, (state) => state.whirlwind.x > start.whirlwind.x, "the whirlwind moved");
  await page.keyboard.up("ArrowRight");
  assert.equal(moved.whirlwind.y, start.whirlwind.y);
  await context.close();
});

// The share of the time the page's main thread is busy, over the seconds.
async function busyShares(page, seconds) {
  const cdp = await page.context().newCDPSession(page);
  await cdp.send("Performance.enable");
  const metric = async () => Object.fromEntries((await cdp.send("Performance.getMetrics")).metrics.map((m) => [m.name, m.value]));
  const from = await metric();
  await page.waitForTimeout(seconds * 1000);
  const to = await metric();
  return (to.TaskDuration - from.TaskDuration) / (to.Timestamp - from.Timestamp);
}

// The busy shares are printed, not judged: without a graphics card WebGL runs on the processor,
// and the page chooses the 2D canvas then unless asked for WebGL.
test("WebGL and the 2D canvas show the simulator's frames", async () => {
  const shares = {};
  for (const [path, query] of [["2D canvas", "?autostart&canvas2d"], ["WebGL", "?autostart&webgl"]]) {
    const page = await openPage(query);
    await waitForState(page, (state) => state.frame >= 60, "a second of play");
    assert.equal(await page.evaluate(() => Module.glFrame !== undefined), path === "WebGL", path);
    shares[path] = await busyShares(page, 4);
    const shown = await shownFrame(page, FramePoints);
    assert.deepEqual(shown.colours, await simulatorColours(page, shown.frame, FramePoints), `${path}, frame ${shown.frame}`);
    await page.close();
  }
  const percent = (share) => `${(share * 100).toFixed(1)} %`;
  console.log(`main thread busy at 60 fps: 2D canvas ${percent(shares["2D canvas"])}, WebGL ${percent(shares.WebGL)}, ` +
              `ratio ${(shares.WebGL / shares["2D canvas"]).toFixed(2)}`);
});
