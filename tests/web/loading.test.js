// Loading the page in headless Chromium: what it downloads from a server that compresses
// nothing, what the player reads when a file or a demo is missing or damaged, and the second
// visit without a network, from the service worker's cache, with the manifest and its icons.
const { test } = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const path = require("node:path");
const { webSite, servedPage, waitForState } = require("./support.js");

const web = servedPage();

const DownloadTarget = 1.5e6;

test("a first visit downloads less than 1.5 MB, and the next one starts offline", async () => {
  const context = await web.browser.newContext();
  const page = await context.newPage();
  const from = web.site.sent.bytes;
  await page.goto(web.site.address + "index.html?autostart");
  await waitForState(page, (state) => state.frame >= 1, "the first frame");
  // The service worker has kept every file of the page.
  const kept = await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    const names = await caches.keys();
    return names.length === 1 ? (await (await caches.open(names[0])).keys()).length : 0;
  });
  assert.equal(kept, 9);
  // Everything the server sent: the page's downloads and the service worker's.
  const bytes = web.site.sent.bytes - from;
  console.log(`cold load: ${bytes} bytes`);
  assert.ok(bytes < DownloadTarget, `${bytes} bytes`);

  await context.setOffline(true);
  await page.reload();
  await waitForState(page, (state) => state.frame >= 1, "the first frame offline");
  const manifest = await page.evaluate(async () => {
    const text = await (await fetch("manifest.webmanifest")).json();
    const sizes = await Promise.all(text.icons.map((icon) => new Promise((resolve) => {
      const picture = new Image();
      picture.onload = () => resolve(`${picture.naturalWidth}x${picture.naturalHeight}`);
      picture.onerror = () => resolve("missing");
      picture.src = icon.src;
    })));
    return { manifest: text, sizes };
  });
  assert.equal(manifest.manifest.display, "fullscreen");
  assert.equal(manifest.manifest.orientation, "landscape");
  assert.deepEqual(manifest.sizes, ["192x192", "512x512"]);
  assert.deepEqual(manifest.manifest.icons.map((icon) => icon.sizes), manifest.sizes);
  await context.close();
});

const data = () => fs.readFileSync(path.join(webSite, "kestravan.data.gz"));
const Failures = [
  ["a missing data file", "", "**/kestravan.data.gz", () => ({ status: 404 }), /data \(kestravan\.data\.gz\) could not be downloaded/],
  ["a truncated data file", "", "**/kestravan.data.gz", () => ({ body: data().subarray(0, 200000) }), /data \(kestravan\.data\.gz\) is damaged or incomplete/],
  ["a garbled data file", "", "**/kestravan.data.gz", () => {
    const garbled = Buffer.from(data());
    for (let at = 300000; at < 300100; ++at) {
      garbled[at] ^= 0x5A;
    }
    return { body: garbled };
  }, /data \(kestravan\.data\.gz\) is damaged or incomplete/],
  ["a missing program", "", "**/kestravan.wasm", () => ({ status: 404 }), /program \(kestravan\.wasm\) could not be downloaded/],
  ["a damaged program", "", "**/kestravan.wasm", () => ({ body: Buffer.from("not a program") }), /program \(kestravan\.wasm\) is damaged/],
  ["a missing demo", "?demo=gone.demo", "**/gone.demo", () => ({ status: 404 }), /The demo gone\.demo could not be downloaded \(the server answered 404\)/],
  ["an unreadable demo", "?demo=garbled.demo&autostart", "**/garbled.demo", () => ({ body: data().subarray(0, 5000) }),
   /The demo garbled\.demo cannot be played: \/demos\/garbled\.demo: line 1: /],
];

for (const [what, query, url, answer, message] of Failures) {
  test(`${what} is told in plain words, with the way out`, async () => {
    const context = await web.browser.newContext();
    const page = await context.newPage();
    await page.route(url, (route) => route.fulfill(answer()));
    await page.goto(web.site.address + "index.html" + query);
    await page.waitForSelector("#error", { state: "visible" });
    const text = await page.textContent("#error");
    assert.match(text, message);
    assert.equal(await page.textContent("#error button"), "Reload");
    assert.doesNotMatch(text, /abort|RuntimeError|wasm streaming|Aborted|emscripten/i);
    assert.equal(await page.isVisible("#play"), false);
    await context.close();
  });
}
