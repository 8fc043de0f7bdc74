// What the page tests share: the built page served as a plain static server serves it, headless
// Chromium, the game's state as the page reports it, the simulator's screenshots, and steering.
const { execFileSync } = require("node:child_process");
const http = require("node:http");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const assert = require("node:assert/strict");
const { before, after } = require("node:test");
const { chromium } = require("playwright-core");

const webBuild = process.env.KESTRAVAN_WEB || path.resolve(__dirname, "../../build-web");
// The page alone, as it goes to a web host.
const webSite = path.join(webBuild, "site");
const simulator = process.env.KESTRAVAN_SIM || path.resolve(__dirname, "../../build/kestravan-sim");
const gameFolder = process.env.KESTRAVAN_GAME_DIR || path.resolve(__dirname, "../../build/game");

const Types = { ".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm",
                ".gz": "application/gzip", ".ttf": "font/ttf", ".png": "image/png",
                ".webmanifest": "application/manifest+json" };

// Serves the folder (the page's own by default) on a free port as a plain static server does:
// nothing compressed, Last-Modified with If-Modified-Since answered by 304. Resolves to the
// server, its address and a count of the bytes it has sent (headers and bodies).
function serve(folder = webSite) {
  const sent = { bytes: 0 };
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, "http://x").pathname).replace(/\/$/, "/index.html");
    const file = path.join(folder, path.normalize(name));
    let info;
    try {
      info = file.startsWith(folder) ? fs.statSync(file) : null;
    } catch {
      info = null;
    }
    const send = (status, headers, body) => {
      response.writeHead(status, headers);
      response.end(body);
      sent.bytes += body ? body.length : 0;
    };
    response.on("finish", () => {
      sent.bytes += Buffer.byteLength(response._header || "");
    });
    if (!info || !info.isFile()) {
      send(404, { "Content-Type": "text/plain" }, Buffer.from("Not found"));
      return;
    }
    const modified = new Date(Math.floor(info.mtimeMs / 1000) * 1000);
    const since = Date.parse(request.headers["if-modified-since"] || "");
    if (!Number.isNaN(since) && since >= modified.getTime()) {
      send(304, { "Last-Modified": modified.toUTCString() });
      return;
    }
    send(200, { "Content-Type": Types[path.extname(file)] || "application/octet-stream",
                "Last-Modified": modified.toUTCString() }, fs.readFileSync(file));
  });
  return new Promise((resolve, reject) => {
    server.on("error", reject);
    server.listen(0, "127.0.0.1", () => resolve({ server, sent, address: `http://127.0.0.1:${server.address().port}/` }));
  });
}

// The folder (the page's own by default) served and Chromium started before a file's tests,
// both closed after them: the returned object gets site (as serve gives it), browser, and
// open(query, owner, options), which opens index.html with the query in a new page of the
// owner (the browser unless a context is given).
// Chromium runs without its sandbox, which neither root nor most containers allow (it only
// loads our page), and with WebGL on the CPU, as a machine without a graphics card has it.
function servedPage(folder) {
  const shared = {};
  before(async () => {
    shared.site = await serve(folder);
    shared.browser = await chromium.launch({ executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
                                             args: ["--no-sandbox", "--enable-unsafe-swiftshader"] });
  });
  after(async () => {
    await shared.browser?.close();
    shared.site?.server.close();
  });
  shared.open = async (query = "?autostart", owner = shared.browser, options = {}) => {
    const page = await owner.newPage(options);
    await page.goto(shared.site.address + "index.html" + query);
    return page;
  };
  return shared;
}

// The game's state in the simulator's JSON; null before the game exists.
async function gameState(page) {
  return page.evaluate(() =>
    typeof Module !== "undefined" && Module.calledRun
      ? JSON.parse(Module.UTF8ToString(Module._kestravan_state()))
      : null);
}

// Waits until the game's state passes the check; returns that state.
async function waitForState(page, check, what, timeout = 15000) {
  const end = Date.now() + timeout;
  for (;;) {
    const state = await gameState(page);
    if (state !== null && check(state)) {
      return state;
    }
    if (Date.now() > end) {
      throw new Error(`timed out waiting for ${what}; last seen: ${JSON.stringify(state)?.slice(0, 300)}`);
    }
    await page.waitForTimeout(20);
  }
}

function firstFrame(page) {
  return waitForState(page, (state) => state.frame >= 1, "the first frame");
}

// The colours at the points of the next frame the game draws, as "r,g,b", and that frame's
// number. They are read as the frame is drawn, through a 2D copy of the canvas, since a WebGL
// canvas's picture can be read only until the browser shows it.
function shownFrame(page, points) {
  return page.evaluate((points) => new Promise((resolve) => {
    Module.frameDrawn = () => {
      Module.frameDrawn = null;
      const copy = document.createElement("canvas");
      copy.width = 1024;
      copy.height = 768;
      const context = copy.getContext("2d");
      context.drawImage(document.getElementById("canvas"), 0, 0);
      const colours = points.map(([x, y]) => Array.from(context.getImageData(x, y, 1, 1).data.slice(0, 3)).join(","));
      resolve({ frame: JSON.parse(Module.UTF8ToString(Module._kestravan_state())).frame, colours });
    };
  }), points);
}

// The colours at the points of the simulator's screenshot of the frame, as "r,g,b": the
// page's browser decodes the picture.
async function simulatorColours(page, frame, points) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "kestravan-web-"));
  const shot = path.join(folder, "shot.png");
  execFileSync(simulator, ["--data", gameFolder, "--frames", String(frame), "--dump", path.join(folder, "dump.json"),
                           "--screenshot", `${frame}:${shot}`]);
  const png = fs.readFileSync(shot).toString("base64");
  fs.rmSync(folder, { recursive: true, force: true });
  return page.evaluate(async ([png, points]) => {
    const blob = await (await fetch("data:image/png;base64," + png)).blob();
    const picture = await createImageBitmap(blob, { colorSpaceConversion: "none", premultiplyAlpha: "none" });
    const context = new OffscreenCanvas(picture.width, picture.height).getContext("2d");
    context.drawImage(picture, 0, 0);
    return points.map(([x, y]) => Array.from(context.getImageData(x, y, 1, 1).data.slice(0, 3)).join(","));
  }, [png, points]);
}

// Pretends the page has gone to a background tab, or come back from it.
function setHidden(page, hidden) {
  return page.evaluate((hidden) => {
    Object.defineProperty(document, "hidden", { configurable: true, get: () => hidden });
    Object.defineProperty(document, "visibilityState", { configurable: true, get: () => (hidden ? "hidden" : "visible") });
    document.dispatchEvent(new Event("visibilitychange"));
  }, hidden);
}

// Where the whirlwind's point catches the figure nearest it, from that point: a figure is
// caught 10 to 35 pixels right of the point and 5 to 30 below it.
function nearestFigure(state) {
  return ["indians", "farmers", "cows", "cowboys"].flatMap((kind) =>
    state[kind].map((figure) => ({ dx: figure.x - 22 - state.whirlwind.x, dy: figure.y - 17 - state.whirlwind.y })))
    .sort((a, b) => Math.hypot(a.dx, a.dy) - Math.hypot(b.dx, b.dy))[0];
}

// Steers with a pointer (a finger, or the mouse with its right button) held toward the point
// goal(state) gives, relative to the whirlwind, until done(state); lets go and returns the
// state. The whirlwind's point is always at (480, 288) on the screen, and the whirlwind keeps
// still while the pointer is within 50 pixels of it: the pointer stays beyond that.
async function steer(page, pointer, goal, done, what) {
  const offset = (d) => (Math.abs(d) < 4 ? 0 : Math.sign(d) * Math.min(180, Math.max(70, Math.abs(d))));
  let state = await gameState(page);
  await pointer.down(480, 288);
  const end = Date.now() + 90000;
  while (!done(state) && Date.now() < end) {
    const { dx, dy } = goal(state);
    await pointer.move(480 + offset(dx), 288 + offset(dy));
    await page.waitForTimeout(50);
    state = await gameState(page);
  }
  await pointer.up();
  assert.ok(done(state), `${what}: ${JSON.stringify(goal(state))}`);
  return waitForState(page, (state) => !state.rightButtonDown, "the pointer let go");
}

module.exports = { webBuild, webSite, simulator, gameFolder, servedPage, gameState, waitForState, firstFrame,
                   shownFrame, simulatorColours, setHidden, nearestFigure, steer };
