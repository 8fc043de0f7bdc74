// The back-end contract in headless Chromium: the same table as the other back ends, built to
// WebAssembly, runs in its own page; every key, mouse move and trip to the background it asks
// for is delivered by the browser itself.
const { test } = require("node:test");
const assert = require("node:assert/strict");
const { webBuild, servedPage, setHidden } = require("./support.js");

const web = servedPage(webBuild);

// Where contract.html puts the canvas on the page.
const CanvasLeft = 100;
const CanvasTop = 100;

test("the browser back end answers the contract's table as the others do", async () => {
  const page = await web.browser.newPage({ viewport: { width: 2200, height: 1100 } });
  await page.exposeFunction("contractAct", async (what, x, y) => {
    if (what === "point") {
      await page.mouse.move(CanvasLeft + x, CanvasTop + y);
    } else if (what === "hide") {
      await setHidden(page, x === 1);
    } else {
      await page.focus("#canvas");
      await (x === 1 ? page.keyboard.down(what) : page.keyboard.up(what));
    }
  });
  await page.goto(web.site.address + "contract.html");
  await page.waitForFunction(() => window.contractOutcome !== undefined, null, { timeout: 30000 });
  const outcome = await page.evaluate(() => window.contractOutcome);
  const log = outcome.log.join("\n");
  assert.equal(outcome.status, 0, log);
  assert.doesNotMatch(log, /\[  FAILED  \]/, log);
  // Every row runs but the lost screen's, which a canvas never has.
  assert.match(log, /\[  PASSED  \] 5 tests/, log);
  assert.match(log, /\[  SKIPPED \] BackEnd\.FramesAreShownAndALostScreenShowsNothingUntilRestored/);
});
