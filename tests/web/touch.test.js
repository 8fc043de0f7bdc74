// The page on a phone, in headless Chromium with a touch screen. Held and moving fingers go
// through the DevTools protocol, as a phone sends them.
const { test } = require("node:test");
const assert = require("node:assert/strict");
const { servedPage, gameState, waitForState, firstFrame, nearestFigure, steer } = require("./support.js");

const web = servedPage();

async function openPhone(viewport) {
  const context = await web.browser.newContext({ hasTouch: true, isMobile: true, viewport });
  const page = await web.open("", context);
  const cdp = await context.newCDPSession(page);
  // A finger at a point of the game's 1024 x 768 screen.
  const finger = async (type, x, y) => {
    const box = await page.evaluate(() => {
      const rect = document.getElementById("canvas").getBoundingClientRect();
      return [rect.left, rect.top, rect.width, rect.height];
    });
    const touchPoints = type === "touchEnd" ? [] : [{ x: box[0] + (x * box[2]) / 1024, y: box[1] + (y * box[3]) / 768 }];
    await cdp.send("Input.dispatchTouchEvent", { type, touchPoints });
  };
  const held = { down: (x, y) => finger("touchStart", x, y), move: (x, y) => finger("touchMove", x, y), up: () => finger("touchEnd") };
  return { context, page, finger, held };
}

// Holds a finger at the point until the state passes the check; lifts it then.
async function hold(page, finger, x, y, check, what) {
  await finger("touchStart", x, y);
  const state = await waitForState(page, check, what);
  await finger("touchEnd");
  return state;
}

// Screen points: the panel's Indian icon, its speed and direction buttons.
const IndianIcon = [970, 666];
const SpeedButton = [853, 700];
const DirectionButton = [760, 700];

test("on a phone held sideways, a tap starts the game; a finger steers, picks, throws and opens the menu", async () => {
  const { context, page, finger, held } = await openPhone({ width: 915, height: 412 });
  assert.equal(await page.isVisible("#turn"), false);
  await page.tap("#play");
  const start = await firstFrame(page);
  const size = await page.evaluate(() => document.getElementById("canvas").getBoundingClientRect().height);
  assert.equal(size, 412, "the picture fills the screen's height");

  // Below and right of the whirlwind's point: it moves that way while the finger stays.
  const steered = await hold(page, finger, 800, 520, (state) => state.rightButtonDown && state.frame >= start.frame + 20, "steering");
  assert.ok(steered.whirlwind.x > start.whirlwind.x && steered.whirlwind.y > start.whirlwind.y,
            `whirlwind at ${steered.whirlwind.x}, ${steered.whirlwind.y}`);
  const after = await waitForState(page, (state) => !state.rightButtonDown, "the finger lifted");
  await page.waitForTimeout(200);
  assert.deepEqual((await gameState(page)).whirlwind.x, after.whirlwind.x, "still once the finger lifts");

  // A figure caught by steering at the nearest one, then thrown from near the target.
  const caught = await steer(page, held, nearestFigure, (state) => state.caught.some((count) => count > 0), "a figure caught");
  const kind = caught.caught.findIndex((count) => count > 0);
  const towardTarget = (state) => ({ dx: 6700 - state.whirlwind.x, dy: 684 - state.whirlwind.y });
  const near = await steer(page, held, towardTarget, (state) => Math.hypot(towardTarget(state).dx, towardTarget(state).dy) < 300 &&
                           Math.abs(towardTarget(state).dy) < 40, "near the target");

  // The icons in the caught counts' order: Indian, farmer, cow, cowboy.
  const icons = [IndianIcon, [970, 726], [913, 666], [913, 726]];
  await hold(page, finger, ...icons[kind], (state) => state.leftButtonDown, "the icon pressed");
  const picked = await waitForState(page, (state) => !state.leftButtonDown, "the icon let go");
  assert.equal(picked.heldKind, kind + 1);
  // A figure flies 100 frames, 10 pixels for each step of the gauge, from 15 pixels right of
  // and below the whirlwind, toward the needle (a tenth of a radian a step). The finger is
  // put down and lifted a few frames ahead of the gauge and the needle, for the time its
  // events take to arrive.
  const Ahead = 3;
  const dx = 6715 - (near.whirlwind.x + 15);
  const dy = 699 - (near.whirlwind.y + 15);
  const power = Math.round(Math.hypot(dx, dy) / 10);
  const direction = Math.atan2(dy, dx);
  await waitForState(page, (state) => Math.abs(state.launchPower + Ahead - power) <= 1, "the gauge's power", 30000);
  await finger("touchStart", ...SpeedButton);
  await waitForState(page, (state) => state.speedButtonDown, "the speed button held");
  await finger("touchEnd");
  await waitForState(page, (state) => state.speedLatched, "the speed kept");
  const before = await gameState(page);
  await finger("touchStart", ...DirectionButton);
  await waitForState(page, (state) => state.directionButtonDown, "the direction button held");
  const off = (state) => Math.abs(Math.atan2(Math.sin((state.launchAngle + Ahead) * 0.1 - direction), Math.cos((state.launchAngle + Ahead) * 0.1 - direction)));
  await waitForState(page, (state) => off(state) < 0.08, "the needle's direction", 30000);
  await finger("touchEnd");
  const thrown = await waitForState(page, (state) => state.caught[kind] === before.caught[kind] - 1, "the throw");
  assert.equal(thrown.speedLatched, false);
  await waitForState(page, (state) => state.score > before.score, "the figure scoring");

  await page.tap("#menu");
  await waitForState(page, (state) => state.menuOpen, "the menu");
  await context.close();
});

test("a phone held upright is asked to turn", async () => {
  const { context, page } = await openPhone({ width: 412, height: 915 });
  await page.waitForSelector("#turn", { state: "visible" });
  assert.match(await page.textContent("#turn"), /Turn your phone/);
  await page.setViewportSize({ width: 915, height: 412 });
  await page.waitForSelector("#turn", { state: "hidden" });
  await context.close();
});
