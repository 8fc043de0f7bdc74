// What the page tests share: the built page served by Python's static server, headless
// Chromium, the game's state as the page reports it, and the simulator's screenshots.
const { execFileSync } = require("node:child_process");
const http = require("node:http");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const zlib = require("node:zlib");
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
    server.listen(0, "127.0.0.1", () => {
      server.kill = () => server.close();
      resolve({ server, sent, address: `http://127.0.0.1:${server.address().port}/` });
    });
  });
}

// Without its sandbox, which neither root nor most containers allow; it only loads our page.
function launch() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    // WebGL on the CPU, as a machine without a graphics card has it.
    args: ["--no-sandbox", "--enable-unsafe-swiftshader"],
  });
}

// The page served and Chromium started before a file's tests, both closed after them: the
// returned object gets site (as serve gives it) and browser.
function servedPage() {
  const shared = {};
  before(async () => {
    shared.site = await serve();
    shared.browser = await launch();
  });
  after(async () => {
    await shared.browser?.close();
    shared.site?.server.kill();
  });
  return shared;
}

// The game's state in the simulator's JSON; null before the game exists.
async function gameState(page) {
  return page.evaluate(() =>
    typeof Module !== "undefined" && Module.calledRun
      ? JSON.parse(Module.UTF8ToString(Module._kestravan_state()))
      : null);
}

// Waits until the probe gives something the check passes; returns that.
async function waitFor(page, probe, check, what, timeout = 15000) {
  const end = Date.now() + timeout;
  for (;;) {
    const value = await probe();
    if (check(value)) {
      return value;
    }
    if (Date.now() > end) {
      throw new Error(`timed out waiting for ${what}; last seen: ${JSON.stringify(value)?.slice(0, 300)}`);
    }
    await page.waitForTimeout(20);
  }
}

// Waits until the game's state passes the check; returns that state.
function waitForState(page, check, what) {
  return waitFor(page, () => gameState(page), (state) => state !== null && check(state), what);
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

// The simulator's screenshots of the frames: for each, a function giving "r,g,b" at (x, y).
function simulatorFrames(frames) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "kestravan-web-"));
  const args = ["--data", gameFolder, "--frames", String(Math.max(...frames)), "--dump", path.join(folder, "dump.json")];
  for (const frame of frames) {
    args.push("--screenshot", `${frame}:${path.join(folder, `${frame}.png`)}`);
  }
  execFileSync(simulator, args);
  const pictures = frames.map((frame) => readPng(path.join(folder, `${frame}.png`)));
  fs.rmSync(folder, { recursive: true, force: true });
  return pictures;
}

// An 8-bit RGB or RGBA PNG file, its scanlines unfiltered.
function readPng(file) {
  const bytes = fs.readFileSync(file);
  const data = [];
  let width = 0;
  let height = 0;
  let pixelBytes = 3;
  for (let at = 8; at < bytes.length;) {
    const length = bytes.readUInt32BE(at);
    const type = bytes.toString("latin1", at + 4, at + 8);
    const body = bytes.subarray(at + 8, at + 8 + length);
    if (type === "IHDR") {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      pixelBytes = body[9] === 6 ? 4 : 3;
    } else if (type === "IDAT") {
      data.push(body);
    }
    at += 12 + length;
  }
  const filtered = zlib.inflateSync(Buffer.concat(data));
  const rowBytes = width * pixelBytes;
  const pixels = Buffer.alloc(rowBytes * height);
  const paeth = (a, b, c) => {
    const p = a + b - c;
    const [pa, pb, pc] = [Math.abs(p - a), Math.abs(p - b), Math.abs(p - c)];
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
  };
  for (let y = 0; y < height; ++y) {
    const filter = filtered[y * (rowBytes + 1)];
    for (let i = 0; i < rowBytes; ++i) {
      const left = i >= pixelBytes ? pixels[y * rowBytes + i - pixelBytes] : 0;
      const up = y > 0 ? pixels[(y - 1) * rowBytes + i] : 0;
      const upLeft = y > 0 && i >= pixelBytes ? pixels[(y - 1) * rowBytes + i - pixelBytes] : 0;
      const predicted = [0, left, up, (left + up) >> 1, paeth(left, up, upLeft)][filter];
      pixels[y * rowBytes + i] = filtered[y * (rowBytes + 1) + 1 + i] + predicted;
    }
  }
  return (x, y) => {
    const at = y * rowBytes + x * pixelBytes;
    return `${pixels[at]},${pixels[at + 1]},${pixels[at + 2]}`;
  };
}

module.exports = { webBuild, webSite, simulator, gameFolder, serve, launch, servedPage, gameState, waitFor, waitForState, shownFrame, simulatorFrames };
