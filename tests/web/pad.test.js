// A pad plays the browser version in headless Chromium: navigator.getGamepads is replaced
// before the page loads by a pad in the standard mapping that the test works. It steers,
// picks a kind, is unplugged and plugged again, works the menu and quits; and a mouse press
// and release delivered together still count as a click.
const { test, before, after } = require("node:test");
const assert = require("node:assert/strict");
const { serve, launch, gameState, waitForState } = require("./support.js");

let site;
let browser;

before(async () => {
  site = await serve();
  browser = await launch();
});

after(async () => {
  await browser?.close();
  site?.server.kill();
});

// The pad: window.testPad.axes and .buttons as the test sets them; a tapped button shows in
// one sample only (and a tap right after one waits a sample, to be let go in between).
function installPad() {
  window.testPad = { connected: false, axes: [0, 0, 0, 0], buttons: new Array(17).fill(false), tapped: new Set(), shown: new Set() };
  Object.defineProperty(Navigator.prototype, "getGamepads", {
    configurable: true,
    value: () => {
      const pad = window.testPad;
      if (!pad.connected) {
        return [null, null, null, null];
      }
      const shown = new Set([...pad.tapped].filter((b) => !pad.shown.has(b)));
      shown.forEach((b) => pad.tapped.delete(b));
      pad.shown = shown;
      const buttons = pad.buttons.map((down, b) => {
        const pressed = down || shown.has(b);
        return { pressed, touched: pressed, value: pressed ? 1 : 0 };
      });
      return [{ id: "Test pad", index: 0, connected: true, mapping: "standard", timestamp: performance.now(),
                axes: pad.axes.slice(), buttons }, null, null, null];
    },
  });
}

const South = 0, East = 1, LeftShoulder = 4, RightShoulder = 5, Start = 9, Up = 12, Left = 14;

test("a pad steers, picks a kind, is plugged again, works the menu and quits; a click delivered at once counts", async () => {
  const page = await browser.newPage({ viewport: { width: 1024, height: 768 } });
  await page.addInitScript(installPad);
  await page.goto(site.address + "index.html?autostart");
  await waitForState(page, (state) => state.frame >= 1, "the first frame");
  const pad = (change) => page.evaluate(change);
  const tap = (button) => page.evaluate((b) => window.testPad.tapped.add(b), button);
  const hold = (button, down) => page.evaluate(([b, d]) => { window.testPad.buttons[b] = d; }, [button, down]);

  await pad(() => { window.testPad.connected = true; window.testPad.axes[0] = 1; });
  const start = await gameState(page);
  const right = await waitForState(page, (s) => s.rightButtonDown && !s.showCursor && s.whirlwind.x > start.whirlwind.x,
                                   "the stick steering right");
  assert.equal(right.whirlwind.y, start.whirlwind.y);
  await pad(() => { window.testPad.axes[0] = 0; });
  await waitForState(page, (s) => !s.rightButtonDown, "the stick let go");

  await hold(Left, true);
  await waitForState(page, (s) => s.keyDirX === -1, "the D-pad's left held");
  await hold(Left, false);
  await waitForState(page, (s) => s.keyDirX === 0, "the D-pad's left let go");

  await pad(() => { window.testPad.axes[1] = -1; });
  await waitForState(page, (s) => s.rightButtonDown, "the stick steering up");
  await pad(() => { window.testPad.connected = false; });
  await waitForState(page, (s) => !s.rightButtonDown, "the unplugged pad letting go");
  const unplugged = await gameState(page);
  await pad(() => { window.testPad.connected = true; });
  await waitForState(page, (s) => s.rightButtonDown && s.whirlwind.y < unplugged.whirlwind.y, "the pad plugged again steering up");
  await pad(() => { window.testPad.axes[1] = 0; });
  await waitForState(page, (s) => !s.rightButtonDown, "the stick let go again");

  await tap(RightShoulder);
  await waitForState(page, (s) => s.selectedKind === 4, "the right shoulder picking the next kind");
  await tap(LeftShoulder);
  await waitForState(page, (s) => s.selectedKind === 3, "the left shoulder picking the one before");

  // A press and release on the Indian's icon that reach the game together.
  await page.evaluate(() => {
    const canvas = document.getElementById("canvas");
    const box = canvas.getBoundingClientRect();
    const at = { clientX: box.left + 973, clientY: box.top + 666, button: 0, bubbles: true };
    canvas.dispatchEvent(new MouseEvent("mousedown", at));
    window.dispatchEvent(new MouseEvent("mouseup", at));
  });
  await waitForState(page, (s) => s.selectedKind === 1, "the click delivered at once");

  await hold(South, true);
  await waitForState(page, (s) => s.leftButtonDown, "south holding the speed button");
  await hold(South, false);
  await waitForState(page, (s) => !s.leftButtonDown, "south let go");
  await hold(East, true);
  await waitForState(page, (s) => s.leftButtonDown, "east holding the direction button");
  await hold(East, false);
  await waitForState(page, (s) => !s.leftButtonDown, "east let go");

  await tap(Start);
  await waitForState(page, (s) => s.menuOpen, "Start opening the menu");
  await tap(South);
  await waitForState(page, (s) => !s.menuOpen, "a face button pressing resume");
  await tap(Start);
  await waitForState(page, (s) => s.menuOpen, "Start opening the menu again");
  await tap(Up);
  await waitForState(page, (s) => s.menuChoice === 1, "up choosing a new game");
  await tap(East);
  await waitForState(page, (s) => !s.menuOpen && s.whirlwind.x === 6400 && s.whirlwind.y === 640, "a face button starting it");
  await tap(Start);
  await waitForState(page, (s) => s.menuOpen, "Start opening the menu once more");
  await tap(Start);
  await page.waitForSelector("#start:not([hidden])");
  await page.close();
});
