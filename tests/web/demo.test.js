// Demos in the browser, and the options the browser game lacks.
const { test } = require("node:test");
const assert = require("node:assert/strict");
const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { simulator, gameFolder, servedPage, waitForState, nearestFigure, steer } = require("./support.js");

const web = servedPage();

test("a game recorded on the page replays natively to the state it offers, and the page shows it to its end", async (t) => {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "kestravan-demo-"));
  t.after(() => fs.rmSync(folder, { recursive: true, force: true }));
  // Without the service worker, which would fetch the demo past the test's route.
  const context = await web.browser.newContext({ viewport: { width: 1024, height: 768 }, serviceWorkers: "block" });
  const page = await context.newPage();
  await page.goto(web.site.address + "index.html?record");
  await page.click("#play");
  const start = await waitForState(page, (state) => state.frame >= 1, "the first frame");
  await page.keyboard.down("ArrowRight");
  await waitForState(page, (state) => state.frame >= start.frame + 20, "ArrowRight held");
  await page.keyboard.up("ArrowRight");
  const mouse = { down: async (x, y) => { await page.mouse.move(x, y); await page.mouse.down({ button: "right" }); },
                  move: (x, y) => page.mouse.move(x, y), up: () => page.mouse.up({ button: "right" }) };
  // A chase for a figure, given up after 900 frames: the demo is shown as long as it lasts.
  const chase = (state) => state.caught.some((count) => count > 0) || state.frame > start.frame + 900;
  const chased = await steer(page, mouse, nearestFigure, chase, "the chase");
  console.log(`the chase caught ${chased.caught} in ${chased.frame - start.frame} frames`);
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
  const [last, final] = [shown.at(-1), JSON.parse(recorded)];
  assert.deepEqual([last.whirlwind, last.caught, last.score], [final.whirlwind, final.caught, final.score]);
  await context.close();
});

test("an option the browser lacks is refused in the error box", async () => {
  const page = await web.browser.newPage();
  await page.goto(web.site.address + "index.html");
  await page.waitForSelector("#play");
  await page.evaluate(() => Module.callMain(["--windowed"]));
  assert.match(await page.textContent("#error p"), /^The game cannot start: --windowed is not available in the browser game\.$/);
  await page.close();
});
