// The page's service worker: after one visit the page's files are kept in a cache named after
// the game's version, and the page is served from it, so that it starts without a network and
// can be installed as an app. A new version fills a cache of its own and drops the old ones.
"use strict";
var cacheName = "kestravan-@PROJECT_VERSION@";
var files = ["./", "index.html", "kestravan.js", "kestravan.wasm", "kestravan.data.gz",
             "panel-font.ttf", "manifest.webmanifest", "icon-192.png", "icon-512.png"];

self.addEventListener("install", function(event) {
  // The page has just downloaded its files: the browser's cache answers whether they changed
  // without sending them again.
  event.waitUntil(caches.open(cacheName).then(function(cache) {
    return cache.addAll(files.map(function(file) {
      return new Request(file, { cache: "no-cache" });
    }));
  }).then(function() { return self.skipWaiting(); }));
});

self.addEventListener("activate", function(event) {
  event.waitUntil(caches.keys().then(function(names) {
    return Promise.all(names.filter(function(name) {
      return name.indexOf("kestravan-") === 0 && name !== cacheName;
    }).map(function(name) { return caches.delete(name); }));
  }).then(function() { return self.clients.claim(); }));
});

// The page's own files come from the cache (whatever the page's query); anything else, and a
// file the cache lacks, from the network.
self.addEventListener("fetch", function(event) {
  if (event.request.method !== "GET") {
    return;
  }
  event.respondWith(caches.open(cacheName).then(function(cache) {
    return cache.match(event.request, { ignoreSearch: true }).then(function(kept) {
      return kept || fetch(event.request);
    });
  }));
});
