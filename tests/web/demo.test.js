// Demos in the browser: a game recorded on the page (keys, the mouse and a catch, ended with
// Escape twice) offers its demo and final state to save; the native simulator, playing that
// demo, ends in exactly that state, and the page shows the demo to its end. A demo that is
// missing or unreadable, and an option the browser lacks, are told on the page.
const { test } = require("node:test");
const assert = require("node:assert/strict");
const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { simulator, gameFolder, servedPage, gameState, waitForState } = require("./support.js");

const web = servedPage();

// Steers with the right button held toward the nearest figure until one is caught. The
// whirlwind's point is always at (480, 288) on the screen; the cursor stays beyond the 50
// pixels around it, where the whirlwind keeps still.
async function catchOne(page) {
  const offset = (d) => (Math.abs(d) < 4 ? 0 : Math.sign(d) * Math.min(180, Math.max(70, Math.abs(d))));
  const nearest = (state) => ["indians", "farmers", "cows", "cowboys"].flatMap((kind) =>
    state[kind].map((figure) => ({ dx: figure.x - 22 - state.whirlwind.x, dy: figure.y - 17 - state.whirlwind.y })))
    .sort((a, b) => Math.hypot(a.dx, a.dy) - Math.hypot(b.dx, b.dy))[0];
  await page.mouse.move(480, 288);
  await page.mouse.down({ button: "right" });
  const end = Date.now() + 30000;
  let state = await gameState(page);
  while (!state.caught.some((count) => count > 0) && Date.now() < end) {
    const { dx, dy } = nearest(state);
    await page.mouse.move(480 + offset(dx), 288 + offset(dy));
    await page.waitForTimeout(50);
    state = await gameState(page);
  }
  await page.mouse.up({ button: "right" });
  return state;
}

test("a game recorded on the page replays natively to the state it offers, and the page shows it to its end", async () => {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "kestravan-demo-"));
  try {
    // Without the service worker, which would fetch the demo past the test's route.
    const context = await web.browser.newContext({ viewport: { width: 1024, height: 768 }, serviceWorkers: "block" });
    const page = await context.newPage();
    await page.goto(web.site.address + "index.html?record");
    await page.click("#play");
    const start = await waitForState(page, (state) => state.frame >= 1, "the first frame");
    await page.keyboard.down("ArrowRight");
    await waitForState(page, (state) => state.frame >= start.frame + 20, "ArrowRight held");
    await page.keyboard.up("ArrowRight");
    const caught = await catchOne(page);
    assert.ok(caught.caught.some((count) => count > 0), "a figure caught");
    await page.mouse.click(973, 666); // the Indian's icon on the panel
    await page.keyboard.press("Escape");
    await waitForState(page, (state) => state.menuOpen, "the menu");
    await page.keyboard.press("Escape");
    await page.waitForSelector("#saved a:nth-child(2)");

    const saved = {};
    for (const link of await page.$$("#saved a")) {
      const [download] = await Promise.all([page.waitForEvent("download"), link.click()]);
      saved[download.suggestedFilename()] = path.join(folder, download.suggestedFilename());
      await download.saveAs(saved[download.suggestedFilename()]);
    }
    assert.deepEqual(Object.keys(saved), ["kestravan.demo", "kestravan.demo.json"]);
    const recorded = fs.readFileSync(saved["kestravan.demo.json"], "utf8");
    const replayed = path.join(folder, "replayed.json");
    execFileSync(simulator, ["--data", gameFolder, "--script", saved["kestravan.demo"], "--dump", replayed]);
    assert.equal(fs.readFileSync(replayed, "utf8"), recorded, "the simulator's state is the recorded game's");

    // The demo, served beside the page, shown to its end.
    await page.route("**/played.demo", (route) => route.fulfill({ path: saved["kestravan.demo"] }));
    await page.goto(web.site.address + "index.html?demo=played.demo&autostart");
    const shown = [];
    await page.exposeFunction("stateShown", (state) => shown.push(JSON.parse(state)));
    await page.evaluate(() => { Module.frameDrawn = () => window.stateShown(Module.UTF8ToString(Module._kestravan_state())); });
    await page.waitForSelector("#start:not([hidden]), #error:not([hidden])", { timeout: 120000 });
    assert.equal(await page.evaluate(() => Module.endStatus), 0);
    assert.equal(await page.textContent("#play"), "Watch again");
    const last = shown.at(-1);
    const final = JSON.parse(recorded);
    assert.deepEqual([last.whirlwind, last.caught, last.score], [final.whirlwind, final.caught, final.score]);
    await context.close();
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
});

const Refusals = [
  ["a missing demo", "?demo=missing.demo", null, /The demo missing\.demo could not be downloaded \(the server answered 404\)/],
  ["an unreadable demo", "?demo=garbled.demo", () => fs.readFileSync(path.join(gameFolder, "Terrain.dat")),
   /The demo garbled\.demo cannot be played: .*garbled\.demo/],
  ["an option the browser lacks", "", ["--windowed"], /--windowed is not available in the browser game/],
];

test("a demo missing or unreadable, and an option the browser lacks, are told on the page", async () => {
  for (const [what, query, given, message] of Refusals) {
    const page = await web.browser.newPage();
    await page.route("**/garbled.demo", (route) => route.fulfill({ body: given() }));
    await page.goto(web.site.address + "index.html" + query);
    if (Array.isArray(given)) {
      await page.waitForSelector("#play:not([disabled])");
      await page.evaluate((args) => Module.callMain(args), given);
    } else if (given) {
      await page.click("#play");
    }
    await page.waitForSelector("#error", { state: "visible" });
    assert.match(await page.textContent("#error"), message, what);
    await page.close();
  }
});
