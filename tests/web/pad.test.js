// A pad plays the browser version in headless Chromium: navigator.getGamepads is replaced
// before the page loads by a pad in the standard mapping that the test works.
const { test } = require("node:test");
const assert = require("node:assert/strict");
const { servedPage, gameState, waitForState, firstFrame } = require("./support.js");

const web = servedPage();

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

// A page with the pad at its first frame, and the pad's controls: pad(change) runs the change
// on window.testPad in the page; tapUntil(button, check, what) taps a button and waits for the
// state to pass the check; hold(button, down) holds it or lets go; holdUntil(button, check,
// letGo, what) holds it until the state passes the check, then lets go until it passes the other.
async function padPage() {
  const page = await web.browser.newPage({ viewport: { width: 1024, height: 768 } });
  await page.addInitScript(installPad);
  await page.goto(web.site.address + "index.html?autostart");
  const first = await firstFrame(page);
  const pad = (change) => page.evaluate(change);
  const tap = (button) => page.evaluate((b) => window.testPad.tapped.add(b), button);
  const tapUntil = async (button, check, what) => {
    await tap(button);
    return waitForState(page, check, what);
  };
  const hold = (button, down) => page.evaluate(([b, d]) => { window.testPad.buttons[b] = d; }, [button, down]);
  const holdUntil = async (button, check, letGo, what) => {
    await hold(button, true);
    const held = await waitForState(page, check, what);
    await hold(button, false);
    await waitForState(page, letGo, `${what}, let go`);
    return held;
  };
  return { page, first, pad, tap, tapUntil, hold, holdUntil };
}

test("a pad steers, picks a kind, is plugged again, works the menu and quits; a click delivered at once counts", async () => {
  const { page, pad, tap, tapUntil, holdUntil } = await padPage();

  await pad(() => { window.testPad.connected = true; window.testPad.axes[0] = 1; });
  const start = await gameState(page);
  const right = await waitForState(page, (s) => s.rightButtonDown && !s.showCursor && s.whirlwind.x > start.whirlwind.x,
                                   "the stick steering right");
  assert.equal(right.whirlwind.y, start.whirlwind.y);
  await pad(() => { window.testPad.axes[0] = 0; });
  await waitForState(page, (s) => !s.rightButtonDown, "the stick let go");

  await holdUntil(Left, (s) => s.keyDirX === -1, (s) => s.keyDirX === 0, "the D-pad's left held");

  await pad(() => { window.testPad.axes[1] = -1; });
  await waitForState(page, (s) => s.rightButtonDown, "the stick steering up");
  await pad(() => { window.testPad.connected = false; });
  await waitForState(page, (s) => !s.rightButtonDown, "the unplugged pad letting go");
  const unplugged = await gameState(page);
  await pad(() => { window.testPad.connected = true; });
  await waitForState(page, (s) => s.rightButtonDown && s.whirlwind.y < unplugged.whirlwind.y, "the pad plugged again steering up");
  await pad(() => { window.testPad.axes[1] = 0; });
  await waitForState(page, (s) => !s.rightButtonDown, "the stick let go again");

  await tapUntil(RightShoulder, (s) => s.selectedKind === 4, "the right shoulder picking the next kind");
  await tapUntil(LeftShoulder, (s) => s.selectedKind === 3, "the left shoulder picking the one before");

  // A press and release on the Indian's icon that reach the game together.
  await page.evaluate(() => {
    const canvas = document.getElementById("canvas");
    const box = canvas.getBoundingClientRect();
    const at = { clientX: box.left + 973, clientY: box.top + 666, button: 0, bubbles: true };
    canvas.dispatchEvent(new MouseEvent("mousedown", at));
    window.dispatchEvent(new MouseEvent("mouseup", at));
  });
  await waitForState(page, (s) => s.selectedKind === 1, "the click delivered at once");

  await holdUntil(South, (s) => s.leftButtonDown, (s) => !s.leftButtonDown, "south holding the speed button");
  await holdUntil(East, (s) => s.leftButtonDown, (s) => !s.leftButtonDown, "east holding the direction button");

  await tapUntil(Start, (s) => s.menuOpen, "Start opening the menu");
  await tapUntil(South, (s) => !s.menuOpen, "a face button pressing resume");
  await tapUntil(Start, (s) => s.menuOpen, "Start opening the menu again");
  await tapUntil(Up, (s) => s.menuChoice === 1, "up choosing a new game");
  await tapUntil(East, (s) => !s.menuOpen && s.whirlwind.x === 6400 && s.whirlwind.y === 640, "a face button starting it");
  await tapUntil(Start, (s) => s.menuOpen, "Start opening the menu once more");
  await tap(Start);
  await page.waitForSelector("#start:not([hidden])");
  await page.close();
});

// Steers with the stick toward the point pick gives, until it gives none: at a full push, or
// slowing down near the point, though never to a push the stick's dead zone would swallow.
async function steerWhile(page, pick, what, { full = false, timeout = 40000 } = {}) {
  const end = Date.now() + timeout;
  for (;;) {
    const state = await gameState(page);
    const target = pick(state);
    if (target === null) {
      await page.evaluate(() => { window.testPad.axes[0] = 0; window.testPad.axes[1] = 0; });
      return state;
    }
    if (Date.now() > end) {
      throw new Error(`timed out steering: ${what}; whirlwind at ${state.whirlwind.x}, ${state.whirlwind.y}`);
    }
    const dx = target.x - state.whirlwind.x;
    const dy = target.y - state.whirlwind.y;
    const length = Math.hypot(dx, dy) || 1;
    const push = full ? 1 : Math.max(0.4, Math.min(1, length / 120));
    await page.evaluate(([x, y]) => { window.testPad.axes[0] = x; window.testPad.axes[1] = y; },
                        [(dx / length) * push, (dy / length) * push]);
    await page.waitForTimeout(16);
  }
}

test("a pad runs down a figure, freezes the speed and throws it for points", async () => {
  const { page, first, pad, tapUntil, hold } = await padPage();
  await pad(() => { window.testPad.connected = true; });

  // The farmer nearest the whirlwind, chased until something is caught.
  const distance = (a, s) => Math.hypot(a.x - s.whirlwind.x, a.y - s.whirlwind.y);
  const farmer = first.farmers.indexOf(first.farmers.reduce((a, b) => (distance(a, first) <= distance(b, first) ? a : b)));
  // A figure is caught 10 to 35 pixels right of the whirlwind's point and 5 to 30 below it.
  const chased = await steerWhile(page, (s) => (s.caught.some((n) => n > 0) ? null
    : { x: s.farmers[farmer].x - 22, y: s.farmers[farmer].y - 17 }), "the chase", { full: true });
  const kind = chased.caught.findIndex((n) => n > 0) + 1;
  // Back to where the round starts: from there a throw due east at power 30 lands on the target.
  const home = await steerWhile(page, (s) => (distance({ x: 6400, y: 640 }, s) < 24 ? null : { x: 6400, y: 640 }), "the way back");

  for (let turns = 0; turns < 4 && (await gameState(page)).selectedKind !== kind; ++turns) {
    const before = (await gameState(page)).selectedKind;
    await tapUntil(RightShoulder, (s) => s.selectedKind !== before, "the right shoulder stepping on");
  }
  assert.equal((await gameState(page)).selectedKind, kind);

  // Power p flies 9.9 p pixels; the press lands a frame or two after it is asked for.
  const power = Math.round((6715 - 15 - home.whirlwind.x) / 9.9);
  await waitForState(page, (s) => s.launchPower >= power - 3 && s.launchPower <= power - 1, `the gauge near ${power}`);
  await hold(South, true);
  const pressed = await waitForState(page, (s) => s.speedButtonDown, "south holding the speed button");
  await hold(South, false);
  const latched = await waitForState(page, (s) => s.speedLatched, "the speed latched");
  assert.equal(latched.launchPower, pressed.launchPower, "the speed stands");

  await hold(East, true);
  await waitForState(page, (s) => s.directionButtonDown, "east holding the direction button");
  const turn = 2 * Math.PI;
  await waitForState(page, (s) => (s.launchAngle * 0.1) % turn > turn - 0.25, "the needle nearly due east");
  await hold(East, false);
  await waitForState(page, (s) => s.caught[kind - 1] === chased.caught[kind - 1] - 1 && !s.speedLatched, "the throw");
  await waitForState(page, (s) => s.score > 0, "the throw scoring");
  await page.close();
});
